// The file version in a module's own VERSIONINFO resource.
#pragma once

#include "about_text.h"

#include <windows.h>

#include <optional>

namespace shortex::about {

// Nothing when the module has no readable version resource.
std::optional<ProgramVersion> ModuleVersion(HMODULE module);

}  // namespace shortex::about
