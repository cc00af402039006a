// The About box's child window identifiers and the home page address it shows.
#pragma once

#include <string_view>

namespace shortex::about {

// Child window identifiers, clear of IDOK and IDCANCEL, which Enter and Esc send.
enum ControlId : int {
    cmdok = 100,
    lblprogtitle,
    lblcopyright,
    lblurl,
    lbltext5,
    lblversion,
    lbltext4,
    lbltext1,
    lbltext2,
    lbltext3,
    lblcopyright2,
};

// Set by the build (SHORTEX_HOMEPAGE_URL).
std::wstring_view HomePageAddress();

}  // namespace shortex::about
