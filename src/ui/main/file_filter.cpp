#include "file_filter.h"

namespace shortex::main_window {

std::vector<FilterEntry> ParseFilter(const std::wstring& filter) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    while (start <= filter.size()) {
        auto bar = filter.find(L'|', start);
        if (bar == std::wstring::npos) bar = filter.size();
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<FilterEntry> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i + 1].empty()) entries.emplace_back(parts[i].empty() ? parts[i + 1] : parts[i], parts[i + 1]);
    return entries;
}

}  // namespace shortex::main_window
