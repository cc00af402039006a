// Removing the double quotes that enclose a path given on a command line.
#pragma once

#include "path_platform.h"

#include <string>

namespace shortex::stripQuotes {

// The text without one pair of enclosing double quotes, cut at its first NUL.
std::wstring UnquotePath(PathPlatform& platform, const std::wstring& text);

// PathUnquoteSpacesW's rule, for systems without it: when the NUL-terminated text both starts and
// ends with a double quote, removes the two in place.
void UnquoteSpacesInPlace(wchar_t* text);

// The text before its first NUL character; the whole text when it has none.
std::wstring CutAtNul(const std::wstring& text);

}  // namespace shortex::stripQuotes
