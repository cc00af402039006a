// Opening the About box from the main window.
#pragma once

#include "about_services.h"

#include <windows.h>

namespace shortex::about {

// Creates the About box anew over owner and runs it modally: the owner is disabled while the box is
// open, and enabled and activated again before the box is destroyed. Returns once the box is closed
// (by its OK button, its link or its close box). A WM_QUIT that arrives meanwhile ends the box and
// is posted again for the caller's loop. While a box is open a further call only brings it forward.
void ShowAboutBox(HWND owner, const AboutServices& services);

// Closes the About box if one is open, as its close box would; ShowAboutBox then returns.
void UnloadAboutBox();

}  // namespace shortex::about
