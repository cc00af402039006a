// Expanding a path written with short (8.3) names to its long form, one component at a time.
#pragma once

#include "path_platform.h"

#include <string>

namespace shortex {

// The long form of the path: each component replaced by the name the file system stores for it,
// looked up on the full path up to that component. The root (drive, \\server\share, \\?\ prefix),
// the separators, empty components and "." and ".." stay as written. Empty when a component cannot
// be found.
std::wstring GetLongFilename(PathPlatform& platform, const std::wstring& sShortName);

// Length of the part of the path that is kept as written and never looked up: "C:", "\\server\share",
// "\\?\C:", "\\?\UNC\server\share", "\\.\device"; 0 for a relative or rooted ("\dir") path.
std::size_t RootLength(const std::wstring& path);

}  // namespace shortex
