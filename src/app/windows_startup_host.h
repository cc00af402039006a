// What the entry procedure needs, from Windows: common controls, a named mutex for the single-
// instance rule, the main window, and ending the process.
#pragma once

#include "common/program_exit.h"
#include "common/unique_handle.h"
#include "startup.h"

#include <functional>
#include <windows.h>

namespace shortex::startup {

class WindowsStartupHost final : public StartupHost {
public:
    // createWindow makes, loads and shows the main window.
    explicit WindowsStartupHost(std::function<std::optional<Failure>()> createWindow)
        : createWindow_(std::move(createWindow)) {}

    void InitCommonControls() override;
    bool PreviousInstanceRunning() override;
    std::optional<Failure> CreateAndShowMainWindow() override { return createWindow_(); }
    void EndProgram() override;

private:
    std::function<std::optional<Failure>()> createWindow_;
    UniqueKernelHandle instanceMutex_;  // held for the life of the process
};

// Ends the program through the message loop: PostQuitMessage.
class QuitMessageLoop final : public ProgramExit {
public:
    void EndProgram() override;
};

}  // namespace shortex::startup
