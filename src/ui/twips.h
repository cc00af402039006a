// Twips (1/1440 inch), the unit of every position and size in the windows' designs, and the
// design of a control as both windows describe theirs.
#pragma once

#include <string_view>

namespace shortex {

inline constexpr int kTwipsPerInch = 1440;

// value * numerator / denominator to the nearest whole number, halves away from zero (as MulDiv rounds).
constexpr int MulDivRounded(int value, int numerator, int denominator) {
    const long long scaled = static_cast<long long>(value) * numerator, half = denominator / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / denominator : -((-scaled + half) / denominator));
}

constexpr int TwipsToPixels(int twips, int dpi) { return MulDivRounded(twips, dpi, kTwipsPerInch); }

constexpr int PixelsToTwips(int pixels, int dpi) { return dpi > 0 ? MulDivRounded(pixels, kTwipsPerInch, dpi) : 0; }

struct RectTwips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind {
    TextBox,      // single line, no length limit
    Label,        // as designed
    HiddenLabel,  // never shown: names the box made after it for screen readers
    FittedLabel,  // as wide and as high as its text
    Link,         // a fitted label that takes the focus and clicks
    Button,
    DefaultButton,  // pressed by Enter
    SplitButton,    // with an arrow that opens its menu
    HiddenButton,   // made, never shown
};

// One control of a window, in tab order. The id is its child window identifier.
struct ControlDesign {
    int id;
    ControlKind kind;
    std::wstring_view text;
    RectTwips rect;
};

}  // namespace shortex
