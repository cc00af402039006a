// The file version in a program's VERSIONINFO resource, read from the resource's bytes.
#pragma once

#include "about_text.h"

#include <cstddef>
#include <optional>
#include <span>

namespace shortex::about {

// Major, minor and revision of the fixed file information (VS_FIXEDFILEINFO) at the head of a
// VS_VERSIONINFO block; nothing when the block is not one.
std::optional<ProgramVersion> FileVersionFromResource(std::span<const std::byte> resource);

}  // namespace shortex::about
