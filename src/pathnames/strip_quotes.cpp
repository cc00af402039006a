#include "strip_quotes.h"

namespace shortex::stripQuotes {

std::wstring UnquotePath(PathPlatform& platform, const std::wstring& text) {
    std::wstring buffer = text;  // the platform works in place on a NUL-terminated buffer
    platform.UnquoteSpaces(buffer.data());
    return CutAtNul(buffer);
}

void UnquoteSpacesInPlace(wchar_t* text) {
    if (text[0] != L'"') return;
    std::size_t last = 0;
    while (text[last + 1] != L'\0') ++last;
    if (text[last] != L'"') return;
    text[last] = L'\0';
    for (std::size_t i = 0; i < last; ++i) text[i] = text[i + 1];
}

std::wstring CutAtNul(const std::wstring& text) {
    return text.substr(0, text.find(L'\0'));
}

}  // namespace shortex::stripQuotes
