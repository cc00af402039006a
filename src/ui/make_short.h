// Giving short names from the window and the Explorer verb: the Yes/No box that offers them, and
// shortex-cli --make-short run as administrator through the UAC prompt, its reasons read back.
#pragma once

#include "common/message_boxes.h"
#include "common/unique_handle.h"
#include "pathnames/short_names.h"

#include <string>
#include <vector>

namespace shortex {

// The Yes/No box that lists each component and the name it gets; true for Yes.
bool AskToGive(MessageBoxes& boxes, HWND owner, const std::vector<GivenName>& names);

// How the run that gives the names ended: its exit code, and a line for each name it could not give.
struct NamesGiven {
    DWORD exitCode = 0;
    std::wstring reported;
};

// shortex-cli.exe, beside this program, giving the paths their names as administrator, its console
// hidden. "runas" gives it no standard handles: it writes its reasons into a pipe this process
// makes under a name nobody can guess.
class MakeShortRun {
public:
    static MakeShortRun Start(HWND owner, const std::vector<std::wstring>& paths);
    // The user said no at the UAC prompt: nothing runs, nothing changes.
    bool Declined() const { return startError_ == ERROR_CANCELLED; }
    // Waits for the run to end, reading its reasons as they come; a run that could not start gives
    // that reason. The verb's server answers COM calls meanwhile.
    NamesGiven Finish();

private:
    UniqueKernelHandle process_;
    UniqueFileHandle pipe_;
    DWORD startError_ = 0;
};

}  // namespace shortex
