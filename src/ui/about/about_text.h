// What the About box shows and where: its texts and its design in twips.
#pragma once

#include "ui/twips.h"

#include <array>
#include <string>
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

inline constexpr int kClientWidth = 3300;
inline constexpr int kClientHeight = 4320;

// The controls in tab order: the OK button first, so it has the focus when the box opens.
const std::array<ControlDesign, 11>& AboutDesign();

// The separators: a dark line (RGB 64, 0, 64) one pixel high at 96 DPI, a light one two pixels
// high right under it. Each is the top edge in twips; both run from 360 to 2985.
inline constexpr std::array<int, 2> kSeparatorTops{1545, 2415};

// "Version 1.0.1", from the version the program was built as.
std::wstring VersionText();

// "Copyright © 2024 - " and the year.
std::wstring CopyrightLine(int year);

// Set by the build (SHORTEX_HOMEPAGE_URL).
std::wstring_view HomePageAddress();

}  // namespace shortex::about
