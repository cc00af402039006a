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
    // Folders of every kind, names with and without short names, on C: and D:.
    static MemoryVolume Sample() {
        MemoryVolume volume;
        volume.Add(L"C:\\Program Files", L"PROGRA~1", kFolder)
            .Add(L"C:\\Program Files\\Common Files", L"COMMON~1", kFolder)
            .Add(L"C:\\Program Files\\read me.txt", L"README~1.TXT")
            .Add(L"C:\\Windows", L"", kFolder)
            .Add(L"C:\\$Hidden", L"", kFolder)
            .Add(L"C:\\$Hidden\\x.sys")
            .Add(L"C:\\\u0416", L"2C1~1", kFolder)
            .Add(L"D:\\No Short Names", L"", kFolder);
        return volume;
    }
    static std::wstring Fold(std::wstring text) {
        for (wchar_t& c : text) c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - 32 : c);
        return text;
    }

    std::wstring ShortPathName(const std::wstring& path) override {
        std::wstring answer = path.substr(0, 2);
        for (const auto& found : Walk(path))
            answer += L"\\" + (found->second.alternateName.empty() ? found->second.name : found->second.alternateName);
        return answer.size() > 2 ? answer : L"";
    }
    std::optional<std::uint32_t> Attributes(const std::wstring& path) override {
        if ((path.size() == 2 || path.size() == 3) && path[1] == L':') return kFolder;
        const auto found = Walk(path.ends_with(L'\\') ? path.substr(0, path.size() - 1) : path);
        return found.empty() ? std::nullopt : std::optional(found.back()->second.attributes);
    }
    std::wstring FirstEntry(const std::wstring& pattern) override {
        const auto found = Walk(pattern);
        return found.empty() ? L"" : found.back()->second.name;
    }
    VolumeFacts Volume(const std::wstring&) override { return facts; }
    // The error `refusals` holds for the long path, once; else the name is given.
    std::uint32_t SetShortName(const std::wstring& path, const std::wstring& name) override {
        if (const auto refusal = refusals.extract(Fold(path))) return refusal.mapped();
        entries_.at(Fold(path)).alternateName = name;
        return 0;
    }
    // The error `refusals` holds for the folder's long path; else its entries.
    std::uint32_t ListFolder(const std::wstring& path, std::vector<FolderEntry>& entries) override {
        entries.clear();
        const std::wstring folder = path.ends_with(L'\\') ? path.substr(0, path.size() - 1) : path;
        const auto found = Walk(folder);
        const std::wstring key = found.empty() ? Fold(folder) : found.back()->first;
        if (refusals.contains(key)) return refusals.at(key);
        for (const auto& [child, entry] : entries_)
            if (Parent(child) == key) entries.push_back(entry);
        return 0;
    }

    VolumeFacts facts{L"NTFS"};
    std::map<std::wstring, std::uint32_t> refusals;  // by upper-case long path

private:
    using Entries = std::map<std::wstring, FolderEntry>;  // by upper-case long path
    static std::wstring Parent(const std::wstring& key) { return key.substr(0, key.rfind(L'\\')); }

    // The entries an absolute path "X:\a\b" names, each by its long or short name in any letter
    // case; none when a component is missing.
    std::vector<Entries::const_iterator> Walk(const std::wstring& path) const {
        if (path.size() < 4 || path[1] != L':' || path[2] != L'\\') return {};
        std::vector<Entries::const_iterator> found;
        std::wstring key = Fold(path.substr(0, 2));
        for (std::size_t at = 3, end; at <= path.size(); at = end + 1) {
            end = std::min(path.find(L'\\', at), path.size());
            const std::wstring component = Fold(path.substr(at, end - at));
            auto child = entries_.find(key + L"\\" + component);
            if (child == entries_.end() && !component.empty())
                child = std::find_if(entries_.begin(), entries_.end(), [&](const auto& entry) {
                    return Parent(entry.first) == key && Fold(entry.second.alternateName) == component;
                });
            if (child == entries_.end()) return {};
            found.push_back(child);
            key = child->first;
        }
        return found;
    }

    Entries entries_;
};

}  // namespace shortex::testing
