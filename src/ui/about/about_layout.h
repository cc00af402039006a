// The About box as designed: its client area, controls and separator lines, in twips.
#pragma once

#include "ui/twips.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace shortex::about {

// In tab order: the OK button first, so it has the focus when the box opens.
enum class AboutControl : std::size_t {
    cmdok,
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
inline constexpr std::size_t kAboutControlCount = 11;

enum class AboutControlKind { Label, Link, Button };

enum class AboutFont { Message, Title, Version };

enum class Sizing {
    Fixed,        // the designed rectangle
    ToText,       // as wide and as high as its one line of text
    WrapToWidth,  // the designed width, as high as its text wrapped within it
};

struct AboutControlDesign {
    AboutControl control;
    std::wstring_view name;
    AboutControlKind kind;
    std::wstring_view text;  // empty: filled in when the box loads
    RectTwips rect;
    AboutFont font;
    Sizing sizing;
};

struct FontDesign {
    double points;
    int weight;
};

enum class LineInk { Dark, Highlight };

// A horizontal line drawn from (left, top) to (right, top), widthPixels thick at 96 DPI, growing downwards.
struct LineDesign {
    std::wstring_view name;
    int left;
    int right;
    int top;
    LineInk ink;
    int widthPixels;
};

inline constexpr std::wstring_view kCaption = L"About";
inline constexpr int kClientWidth = 3300;
inline constexpr int kClientHeight = 4320;

inline constexpr FontDesign kTitleFont{13.5, 400};
inline constexpr FontDesign kVersionFont{9.75, 700};

// Colours as 0x00BBGGRR, the layout of a COLORREF.
inline constexpr std::uint32_t kDarkLineColour = 0x00400040;  // RGB 64, 0, 64
inline constexpr std::uint32_t kLinkColour = 0x00C00000;      // RGB 0, 0, 192

const std::array<AboutControlDesign, kAboutControlCount>& AboutControls();
const AboutControlDesign& Design(AboutControl control);

// Line1 and Line2, then Line4 and Line3: two etched separators, each a dark line with a light one under it.
const std::array<LineDesign, 4>& AboutLines();

// The band a line covers, in twips (15 to the pixel at 96 DPI).
RectTwips LineBand(const LineDesign& line);

}  // namespace shortex::about
