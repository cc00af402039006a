// The program's entry procedure: common controls, the single-instance rule, the main window, and
// the report shown when start-up fails.
#pragma once

#include "common/message_boxes.h"
#include "ui/main/frm_main.h"

#include <string>
#include <vector>

namespace shortex::startup {

// Shortex.exe --copy PATH...: the short forms of the paths onto the clipboard, one a line, with no
// window; the paths without one are named in one box and nothing is copied. Components that have
// no short name are first offered theirs, or it is said why their volume gives none. The exit
// code: 0 when copied, 1 when not.
int CopyShortForms(FileSystem& files, MessageBoxes& boxes, std::vector<std::wstring> paths);

// True when the window is up and the message loop is to run; false when the program ends now:
// another copy runs (after the "already running" box), or the window could not be made (after
// the start-up report, which stays until it is answered).
bool Main(MessageBoxes& boxes, main_window::frmMain& window, int showCommand);

}  // namespace shortex::startup
