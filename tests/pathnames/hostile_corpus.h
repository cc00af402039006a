// Texts no path operation may crash or hang on (blank, over-long, devices, prefixes, unknown servers,
// invalid characters, wildcards, unpaired surrogates, NULs, quotes), and what every answer keeps to.
#pragma once

#include "pathnames/path_names.h"

#include <string>
#include <vector>

namespace shortex::testing {

std::vector<std::wstring> HostileTexts();

// The first invariant the answers for this text break, or empty when they keep them all: nothing
// is both a file and a folder, no answer holds a NUL, a short form names the same kind of entry
// as the text and as its long form, and the long form stays as it is.
std::string BrokenPathInvariant(FileSystem& files, const std::wstring& text);

}  // namespace shortex::testing
