// A volume in memory with what Wine cannot make: entries without short names, folders that cannot
// be listed. Entries are added by long path with their short name (empty: none); drive roots exist.
#pragma once

#include "pathnames/path_names.h"

#include <algorithm>
#include <map>
#include <vector>

namespace shortex::testing {

class MemoryVolume final : public FileSystem {
public:
    MemoryVolume& Add(const std::wstring& path, const std::wstring& shortName = {}, std::uint32_t attributes = 0,
                      std::uint32_t tag = 0) {
        entries_[Fold(path)] = {path.substr(path.rfind(L'\\') + 1), shortName, attributes, tag};
        return *this;
    }
    MemoryVolume& Unreadable(const std::wstring& folder) { return unreadable_ = Fold(folder), *this; }

    std::wstring ShortPathName(const std::wstring& path) override {
        std::wstring answer = path.substr(0, 2);
        for (const Entry* entry : Walk(path))
            answer += L"\\" + (entry->shortName.empty() ? entry->name : entry->shortName);
        return answer.size() > 2 ? answer : L"";
    }
    std::optional<std::uint32_t> Attributes(const std::wstring& path) override {
        if ((path.size() == 2 || path.size() == 3) && path[1] == L':') return kFolder;
        const auto entries = Walk(path.ends_with(L'\\') ? path.substr(0, path.size() - 1) : path);
        return entries.empty() ? std::nullopt : std::optional(entries.back()->attributes);
    }
    std::wstring FirstEntry(const std::wstring& pattern) override {
        const auto entries = Walk(pattern);
        return entries.empty() ? L"" : entries.back()->name;
    }

    VolumeFacts Volume(const std::wstring&) override { return facts; }
    // The error `refusals` holds for the long path, once; else the name is given.
    std::uint32_t SetShortName(const std::wstring& path, const std::wstring& name) override {
        if (const auto refusal = refusals.extract(Fold(path))) return refusal.mapped();
        return entries_.at(Fold(path)).shortName = name, 0;
    }
    std::uint32_t ListFolder(const std::wstring& path, std::vector<FolderEntry>& entries) override {
        entries.clear();
        const std::wstring folder = path.ends_with(L'\\') ? path.substr(0, path.size() - 1) : path;
        if (Fold(folder) == unreadable_) return 5;  // access denied
        const auto inside = Walk(folder);
        const std::wstring key = inside.empty() ? Fold(folder) : Fold(folder.substr(0, 2)) + KeyOf(inside);
        for (const auto& [child, entry] : entries_)
            if (child.starts_with(key + L"\\") && child.find(L'\\', key.size() + 1) == child.npos)
                entries.push_back({entry.name, entry.shortName, entry.attributes, entry.reparseTag});
        return 0;
    }

private:
    struct Entry {
        std::wstring name, shortName;
        std::uint32_t attributes, reparseTag;
    };
    static std::wstring Fold(std::wstring text) {
        for (wchar_t& c : text) c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - 32 : c);
        return text;
    }

    // The entries an absolute path "X:\a\b" names, each by its long or short name in any letter
    // case; none when a component is missing.
    std::vector<const Entry*> Walk(const std::wstring& path) const {
        std::vector<const Entry*> found;
        if (path.size() < 4 || path[1] != L':' || path[2] != L'\\') return {};
        std::wstring resolved = Fold(path.substr(0, 2));
        for (std::size_t at = 2, end; at < path.size(); at = end) {
            end = std::min(path.find(L'\\', at + 1), path.size());
            const std::wstring component = Fold(path.substr(at + 1, end - at - 1));
            const auto child = std::find_if(entries_.begin(), entries_.end(), [&](const auto& keyAndEntry) {
                const auto& [key, entry] = keyAndEntry;
                return key.starts_with(resolved + L"\\") && key.find(L'\\', resolved.size() + 1) == key.npos &&
                       (Fold(entry.name) == component ||
                        (!entry.shortName.empty() && Fold(entry.shortName) == component));
            });
            if (child == entries_.end()) return {};
            found.push_back(&child->second);
            resolved = child->first;
        }
        return found;
    }

    static std::wstring KeyOf(const std::vector<const Entry*>& entries) {
        std::wstring key;
        for (const Entry* entry : entries) key += L"\\" + Fold(entry->name);
        return key;
    }

public:
    VolumeFacts facts{L"NTFS"};
    std::map<std::wstring, std::uint32_t> refusals;  // by upper-case path

private:
    std::map<std::wstring, Entry> entries_;
    std::wstring unreadable_;
};

}  // namespace shortex::testing
