// Twips (1/1440 inch) are the unit of every position and size in the windows' designs.
#pragma once

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

}  // namespace shortex
