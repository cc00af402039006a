#include "module_version.h"

#include "version_resource.h"

#include <cstddef>

namespace shortex::about {

std::optional<ProgramVersion> ModuleVersion(HMODULE module) {
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    if (!found) return std::nullopt;
    // A loaded resource belongs to its module and is never freed.
    const HGLOBAL loaded = ::LoadResource(module, found);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return std::nullopt;
    return FileVersionFromResource({static_cast<const std::byte*>(data), ::SizeofResource(module, found)});
}

}  // namespace shortex::about
