// The program's entry procedure: common controls, the single-instance rule, the main window, and
// the report shown when start-up fails.
#pragma once

#include "common/message_boxes.h"
#include "ui/main/frm_main.h"

namespace shortex::startup {

// True when the window is up and the message loop is to run; false when the program ends now:
// another copy runs (after the "already running" box), or the window could not be made (after
// the start-up report, which stays until it is answered).
bool Main(MessageBoxes& boxes, main_window::frmMain& window, int showCommand);

}  // namespace shortex::startup
