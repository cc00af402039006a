// The main window's pure decisions: where its controls stand, where it opens, which path it shows
// at start, and how its remembered values read as text.
#pragma once

#include "ui/twips.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shortex::main_window {

// Child window identifiers. Enter and Esc reach a dialog-like window as IDOK (1) and IDCANCEL (2),
// which are the default and the cancel button.
enum ControlId : int {
    cmdGetShortex = 1,
    cmdExit = 2,
    txtPath = 100,
    lblEnter,
    cmdOpenFolder,
    cmdOpenFile,
    txtShortex,
    cmdCopy,
    cmdAbout,
    cmdGetLongFileName,
    lblPathName,
    lblShortName,
    cmdMakeShort,
};

// The client area the design was drawn for: the window keeps this height and no less width.
inline constexpr int kClientWidth = 5685;
inline constexpr int kClientHeight = 1905;

// The controls in tab order, placed for a client area clientWidth twips wide: the boxes stretch,
// the right-hand buttons follow the right edge, everything else stays where the design put it.
// While a short name is offered, the result box makes room for the button that gives it.
std::array<ControlDesign, 13> MainLayout(int clientWidth, bool offeringShortName = false);

struct PointTwips {
    int left = 0;
    int top = 0;
    friend bool operator==(const PointTwips&, const PointTwips&) = default;
};

// What placing the window needs to know of the displays, all in twips on the virtual screen.
struct Displays {
    int outerWidth = 0;
    int outerHeight = 0;
    int titleBarHeight = 0;
    int screenWidth = 0;  // the primary display, which the window is centred on
    int screenHeight = 0;
    std::vector<RectTwips> workAreas;  // every attached display
};

// The remembered position when enough of the title bar would be seen there on an attached display
// to take hold of it; the middle of the primary display otherwise. A missing edge keeps the one
// of start, the top-left corner.
PointTwips ChoosePosition(std::optional<int> top, std::optional<int> left, const Displays& displays);
PointTwips CentredPosition(const Displays& displays);

// "True" or "False" in any letter case, or a decimal number (zero is false); nothing otherwise.
std::optional<bool> TextToTruth(std::wstring_view text);

// A decimal number with the user's decimal separator (an exponent too), rounded to whole twips;
// nothing when the text is no number or no position a window can have.
std::optional<int> TextToTwips(std::wstring_view text, std::wstring_view decimalSeparator);

// The argument text of a command line: everything after the program's own name, as Windows
// splits it off (quoted or up to the first blank), without the blanks that follow the name.
std::wstring ArgumentText(std::wstring_view commandLine);

// The remembered path as the path box shows it: nothing for a value that is missing or unreadable,
// or that holds "Error", which earlier versions stored after failing to read it.
std::wstring PathShownAtStart(const std::optional<std::wstring>& remembered);

// The text without the leading and trailing characters given: a path loses only its spaces.
std::wstring_view Trim(std::wstring_view text, std::wstring_view blanks = L" ");

}  // namespace shortex::main_window
