// How the main window's remembered values are written as text and read back, and where a window
// with a remembered position opens.
#pragma once

#include "ui/twips.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shortex::main_window {

inline constexpr std::wstring_view kSettingsKey = L"HKEY_CURRENT_USER\\Software\\Tandril\\Shortex";
inline constexpr std::wstring_view kStartupValue = L"Startup";
inline constexpr std::wstring_view kTopValue = L"Top";
inline constexpr std::wstring_view kLeftValue = L"Left";
inline constexpr std::wstring_view kPreviousPathValue = L"PreviousPath";
inline constexpr std::wstring_view kTrueText = L"True";

// "True" or "False" in any letter case, or a decimal number (zero is false); nothing otherwise.
std::optional<bool> TextToTruth(std::wstring_view text);

// A decimal number with the user's decimal separator (and an exponent, as the system's conversion
// takes it), rounded to a whole number of twips; nothing when the text is no number or the number
// is not a position a window can have.
std::optional<int> TextToTwips(std::wstring_view text, std::wstring_view decimalSeparator);

// Plain decimal: no spaces, no separators, a minus sign for negative values.
std::wstring TwipsToText(int twips);

// The argument text of a command line: everything after the program's own name, as Windows
// splits it off (quoted or up to the first blank), without the blanks that follow the name.
std::wstring ArgumentText(std::wstring_view commandLine);

struct PointTwips {
    int left = 0;
    int top = 0;
    friend bool operator==(const PointTwips&, const PointTwips&) = default;
};

// What placing the window needs to know of the displays, all in twips on the virtual screen.
struct DisplayGeometry {
    int outerWidth = 0;
    int outerHeight = 0;
    int titleBarHeight = 0;
    int screenWidth = 0;   // the primary display, which the window is centred on
    int screenHeight = 0;
    std::vector<RectTwips> workAreas;  // every attached display
};

// The primary display's middle, the differences halved with the remainder dropped.
PointTwips CentredPosition(const DisplayGeometry& displays);

// Whether enough of the title bar at that position lies on one of the displays to take hold of it.
bool TitleBarVisible(PointTwips position, const DisplayGeometry& displays);

// The remembered position when the window's title bar would be seen there, the middle of the
// primary display otherwise. A missing edge keeps the one of start, the top-left corner.
PointTwips ChoosePosition(std::optional<int> top, std::optional<int> left, const DisplayGeometry& displays);

}  // namespace shortex::main_window
