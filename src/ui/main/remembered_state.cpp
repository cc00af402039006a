#include "remembered_state.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace shortex::main_window {
namespace {

// A title bar this wide (about an inch), or the whole of a narrower one, must be on one display.
constexpr int kGraspableTitleWidth = 1440;

std::wstring_view TrimBlanks(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
        auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
        return fold(x) == fold(y);
    });
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Digits, one decimal separator, an exponent: rewritten for strtod in the C locale.
std::optional<double> ParseDecimal(std::wstring_view text, std::wstring_view separator) {
    text = TrimBlanks(text);
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) plain += static_cast<char>(text[i++]);
    bool digits = false;
    while (i < text.size() && IsDigit(text[i])) plain += static_cast<char>(text[i++]), digits = true;
    if (!separator.empty() && text.substr(i).starts_with(separator)) {
        plain += '.';
        i += separator.size();
        while (i < text.size() && IsDigit(text[i])) plain += static_cast<char>(text[i++]), digits = true;
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) plain += static_cast<char>(text[i++]);
        if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
        while (i < text.size() && IsDigit(text[i])) plain += static_cast<char>(text[i++]);
    }
    if (i != text.size()) return std::nullopt;
    const double value = std::strtod(plain.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

int Overlap(int aStart, int aLength, int bStart, int bLength) {
    const long long start = std::max<long long>(aStart, bStart);
    const long long end = std::min<long long>(static_cast<long long>(aStart) + aLength,
                                              static_cast<long long>(bStart) + bLength);
    return end > start ? static_cast<int>(end - start) : 0;
}

}  // namespace

std::optional<bool> TextToTruth(std::wstring_view text) {
    const auto trimmed = TrimBlanks(text);
    if (EqualIgnoringAsciiCase(trimmed, L"true")) return true;
    if (EqualIgnoringAsciiCase(trimmed, L"false")) return false;
    if (const auto number = ParseDecimal(trimmed, L".")) return *number != 0.0;
    return std::nullopt;
}

std::optional<int> TextToTwips(std::wstring_view text, std::wstring_view decimalSeparator) {
    const auto number = ParseDecimal(text, decimalSeparator);
    // Far beyond any screen: no window can be placed there, and converting it would overflow.
    constexpr double kLimit = 1e9;
    if (!number || std::abs(*number) > kLimit) return std::nullopt;
    return static_cast<int>(std::lround(*number));
}

std::wstring TwipsToText(int twips) { return std::to_wstring(twips); }

std::wstring ArgumentText(std::wstring_view commandLine) {
    std::size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const auto closing = commandLine.find(L'"', 1);
        i = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != L' ' && commandLine[i] != L'\t') ++i;
    }
    while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t')) ++i;
    return std::wstring(commandLine.substr(i));
}

PointTwips CentredPosition(const DisplayGeometry& displays) {
    return {(displays.screenWidth - displays.outerWidth) / 2, (displays.screenHeight - displays.outerHeight) / 2};
}

bool TitleBarVisible(PointTwips position, const DisplayGeometry& displays) {
    const int needWidth = std::min(displays.outerWidth, kGraspableTitleWidth);
    const int needHeight = std::max(1, displays.titleBarHeight / 2);
    return std::any_of(displays.workAreas.begin(), displays.workAreas.end(), [&](const RectTwips& area) {
        return Overlap(position.left, displays.outerWidth, area.left, area.width) >= needWidth &&
               Overlap(position.top, displays.titleBarHeight, area.top, area.height) >= needHeight;
    });
}

PointTwips ChoosePosition(std::optional<int> top, std::optional<int> left, const DisplayGeometry& displays) {
    const PointTwips remembered{left.value_or(0), top.value_or(0)};
    return TitleBarVisible(remembered, displays) ? remembered : CentredPosition(displays);
}

}  // namespace shortex::main_window
