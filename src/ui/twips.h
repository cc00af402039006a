// Twips (1/1440 inch), the unit of every position and size in the windows' designs, and the
// design of a control as both windows describe theirs.
#pragma once

#include <string_view>

namespace shortex {

inline constexpr int kTwipsPerInch = 1440;

// Nearest whole pixel, halves away from zero (as MulDiv rounds).
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kTwipsPerInch / 2) / kTwipsPerInch
                                        : -((-scaled + kTwipsPerInch / 2) / kTwipsPerInch));
}

constexpr int PixelsToTwips(int pixels, int dpi) {
    if (dpi <= 0) return 0;
    const long long scaled = static_cast<long long>(pixels) * kTwipsPerInch;
    return static_cast<int>(scaled >= 0 ? (scaled + dpi / 2) / dpi : -((-scaled + dpi / 2) / dpi));
}

struct RectTwips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const RectTwips&, const RectTwips&) = default;
};

enum class ControlKind {
    TextBox,      // single line, no length limit
    Label,        // as designed
    HiddenLabel,  // never shown: names the box made after it for screen readers
    FittedLabel,  // as wide and as high as its text
    Link,         // a fitted label that takes the focus and clicks
    Button,
    DefaultButton,  // pressed by Enter
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
