// UTF-8 <-> UTF-16 conversion for the console companion's pipes, independent of the code page.
#pragma once

#include <string>
#include <string_view>

namespace shortex {

// Malformed sequences become U+FFFD, one per offending byte.
std::wstring Utf8ToWide(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string WideToUtf8(std::wstring_view wide);

}  // namespace shortex
