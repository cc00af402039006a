// A file dialog's filter text, "Description|pattern|Description|pattern", as pairs.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace shortex::main_window {

using FilterEntry = std::pair<std::wstring, std::wstring>;  // description, pattern

// A description without its pattern is dropped, and so are empty entries.
std::vector<FilterEntry> ParseFilter(const std::wstring& filter);

}  // namespace shortex::main_window
