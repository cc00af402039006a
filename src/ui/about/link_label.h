// A static control made into a link the keyboard can use as well as the mouse.
#pragma once

#include <windows.h>

namespace shortex::about {

// For a transparent static control (its parent paints the background under it) with SS_NOTIFY and
// WS_TABSTOP: Enter or Space while it has the focus clicks
// it as the mouse does (STN_CLICKED to its parent), and the focus shows as a dotted rectangle.
void MakeKeyboardLink(HWND label);

}  // namespace shortex::about
