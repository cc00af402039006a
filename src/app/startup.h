// The program's entry procedure: common controls, the single-instance rule, the main window, and
// the report shown when start-up fails.
#pragma once

#include "common/failure.h"
#include "common/message_box.h"

#include <optional>
#include <string>

namespace shortex::startup {

// A component the window needs is missing or not registered.
inline constexpr std::int32_t kComponentMissing = 339;
// An unexpected failure while the window and its components load.
inline constexpr std::int32_t kWindowLoadFailed = 50003;

// What Main needs from the platform.
class StartupHost {
public:
    virtual ~StartupHost() = default;
    // InitCommonControlsEx with ICC_USEREX_CLASSES; its outcome does not matter.
    virtual void InitCommonControls() = 0;
    // Whether another copy of the program runs. Claims the program's place when none does.
    virtual bool PreviousInstanceRunning() = 0;
    // Creates, loads and shows the main window; the failure when that cannot be done.
    virtual std::optional<Failure> CreateAndShowMainWindow() = 0;
    // Ends the program at once.
    virtual void EndProgram() = 0;

protected:
    StartupHost() = default;
    StartupHost(const StartupHost&) = default;
    StartupHost& operator=(const StartupHost&) = default;
};

void Main(StartupHost& host, MessageBoxes& boxes);

// The text of the start-up report for a failure.
std::wstring StartupReportText(const Failure& failure);

}  // namespace shortex::startup
