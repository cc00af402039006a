// Texts no path operation may crash or hang on, and what every answer keeps to.
#pragma once

#include "pathnames/path_names.h"

#include <string>
#include <vector>

namespace shortex::testing {

std::vector<std::wstring> HostileTexts();

// The first invariant the answers for this text break (its words), or empty when they keep them all.
std::string BrokenPathInvariant(FileSystem& files, const std::wstring& text);

}  // namespace shortex::testing
