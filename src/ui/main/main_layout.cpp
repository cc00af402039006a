#include "main_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace shortex::main_window {
namespace {

// A title bar this wide (about an inch), or the whole of a narrower one, must be on one display.
constexpr int kGraspableTitleWidth = 1440;
// Far beyond any screen: no window can be placed there, and converting it would overflow.
constexpr double kFarthestTwips = 1e9;

// Digits, one decimal separator, an exponent: rewritten for strtod in the C locale.
std::optional<double> ParseDecimal(std::wstring_view text, std::wstring_view separator) {
    text = Trim(text, L" \t");
    std::string plain;
    std::size_t i = 0;
    // Copies a sign where one may stand, then the digits; how many digits.
    const auto take = [&](bool signAllowed) {
        if (signAllowed && i < text.size() && (text[i] == L'+' || text[i] == L'-'))
            plain += static_cast<char>(text[i++]);
        const std::size_t start = i;
        while (i < text.size() && text[i] >= L'0' && text[i] <= L'9') plain += static_cast<char>(text[i++]);
        return i - start;
    };
    std::size_t digits = take(true);
    if (!separator.empty() && text.substr(i).starts_with(separator)) {
        plain += '.';
        i += separator.size();
        digits += take(false);
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        plain += 'e';
        ++i;
        if (take(true) == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    const double value = std::strtod(plain.c_str(), nullptr);
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

long long Overlap(long long aStart, long long aLength, long long bStart, long long bLength) {
    return std::max(0LL, std::min(aStart + aLength, bStart + bLength) - std::max(aStart, bStart));
}

}  // namespace

std::array<ControlDesign, 13> MainLayout(int clientWidth, bool offeringShortName) {
    using enum ControlKind;
    const int w = clientWidth;
    // A screen reader names a text box after the label made just before it.
    return {{
        {lblPathName, HiddenLabel, L"Enter path", {}},
        {txtPath, TextBox, L"", {225, 510, w - 500, 285}},
        {lblEnter, Label, L"Enter path :", {240, 270, 1560, 195}},
        {cmdOpenFolder, Button, L"Select Dir", {w - 2780, 105, 1215, 345}},
        {cmdOpenFile, Button, L"Select File", {w - 1500, 105, 1215, 345}},
        {lblShortName, HiddenLabel, L"Short path", {}},
        {txtShortex, TextBox, L"", {225, 870, offeringShortName ? w - 2070 : w - 500, 285}},
        {cmdMakeShort, HiddenButton, L"&Make short...", {w - 1785, 840, 1500, 345}},  // with the UAC shield
        {cmdGetShortex, DefaultButton, L"Get Shortex", {w - 1850, 1320, 1575, 345}},
        {cmdCopy, SplitButton, L"&Copy", {w - 2780, 1320, 870, 345}},
        {cmdAbout, Button, L"&About", {1155, 1320, 870, 345}},
        {cmdExit, Button, L"E&xit", {240, 1320, 870, 345}},
        {cmdGetLongFileName, HiddenButton, L"Get Long Name", {3915, 2115, 1575, 345}},
    }};
}

PointTwips CentredPosition(const Displays& displays) {
    return {(displays.screenWidth - displays.outerWidth) / 2, (displays.screenHeight - displays.outerHeight) / 2};
}

PointTwips ChoosePosition(std::optional<int> top, std::optional<int> left, const Displays& displays) {
    const PointTwips remembered{left.value_or(0), top.value_or(0)};
    const long long needWidth = std::min(displays.outerWidth, kGraspableTitleWidth);
    const long long needHeight = std::max(1, displays.titleBarHeight / 2);
    const bool titleBarSeen =
        std::any_of(displays.workAreas.begin(), displays.workAreas.end(), [&](const RectTwips& area) {
            return Overlap(remembered.left, displays.outerWidth, area.left, area.width) >= needWidth &&
                   Overlap(remembered.top, displays.titleBarHeight, area.top, area.height) >= needHeight;
        });
    return titleBarSeen ? remembered : CentredPosition(displays);
}

std::optional<bool> TextToTruth(std::wstring_view text) {
    std::wstring word(Trim(text, L" \t"));
    for (wchar_t& c : word) c = c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c;  // ASCII letters only
    if (word == L"true") return true;
    if (word == L"false") return false;
    if (const auto number = ParseDecimal(word, L".")) return *number != 0.0;
    return std::nullopt;
}

std::optional<int> TextToTwips(std::wstring_view text, std::wstring_view decimalSeparator) {
    const auto number = ParseDecimal(text, decimalSeparator);
    if (!number || std::abs(*number) > kFarthestTwips) return std::nullopt;
    return static_cast<int>(std::lround(*number));
}

std::wstring ArgumentText(std::wstring_view commandLine) {
    const bool quoted = commandLine.starts_with(L'"');
    const std::size_t nameEnd = quoted ? commandLine.find(L'"', 1) : commandLine.find_first_of(L" \t");
    if (nameEnd == commandLine.npos) return {};
    const std::size_t start = commandLine.find_first_not_of(L" \t", quoted ? nameEnd + 1 : nameEnd);
    return start == commandLine.npos ? std::wstring() : std::wstring(commandLine.substr(start));
}

std::wstring PathShownAtStart(const std::optional<std::wstring>& remembered) {
    return remembered && *remembered != L"Error" ? *remembered : std::wstring();
}

std::wstring_view Trim(std::wstring_view text, std::wstring_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace shortex::main_window
