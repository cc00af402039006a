// The file dialog and the folder chooser, as the main window's pickers use them. A seam, so that
// tests can make them fail as the system will not.
#pragma once

#include "common/failure.h"

#include <windows.h>

#include <optional>
#include <string>

namespace shortex::main_window {

struct Choice {
    std::optional<Failure> failure;
    std::optional<std::wstring> path;  // nothing when the user closed the dialog without a choice
};

class Pickers {
public:
    virtual ~Pickers() = default;
    // Modal over owner, for any file. start: a folder to open in, or a file whose folder the
    // dialog opens in with its name filled in; empty for the dialog's own choice.
    virtual Choice ChooseFile(HWND owner, const std::wstring& start) = 0;
    // Fails with kCannotCreateObject when no chooser can be made.
    virtual Choice ChooseFolder(HWND owner, const std::wstring& title, const std::wstring& label,
                                const std::wstring& startFolder) = 0;
};

// The system's IFileOpenDialog, for files and (FOS_PICKFOLDERS) for folders.
class SystemPickers final : public Pickers {
public:
    Choice ChooseFile(HWND owner, const std::wstring& start) override;
    Choice ChooseFolder(HWND owner, const std::wstring& title, const std::wstring& label,
                        const std::wstring& startFolder) override;
};

}  // namespace shortex::main_window
