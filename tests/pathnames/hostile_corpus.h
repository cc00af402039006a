// Texts that no path operation may crash or hang on: empty and blank, over-long, device names,
// \\?\ and \\.\ prefixes, unknown servers, invalid characters, wildcards, unpaired surrogates,
// stray quotes, forward slashes.
#pragma once

#include <string>
#include <vector>

namespace shortex::testing {

std::vector<std::wstring> HostileTexts();

}  // namespace shortex::testing
