#include "strip_quotes.h"

namespace shortex::stripQuotes {

std::wstring UnquotePath(PathPlatform& platform, const std::wstring& text) {
    std::wstring buffer = text;  // the platform works in place on a NUL-terminated buffer
    platform.UnquoteSpaces(buffer.data());
    return CutAtNul(buffer);
}

std::wstring CutAtNul(const std::wstring& text) {
    return text.substr(0, text.find(L'\0'));
}

}  // namespace shortex::stripQuotes
