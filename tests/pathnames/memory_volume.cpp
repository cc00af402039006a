#include "memory_volume.h"

#include "pathnames/strip_quotes.h"

#include <cwctype>
#include <stdexcept>

namespace shortex::testing {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

wchar_t Fold(wchar_t c) { return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c))); }

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

bool IsInvalidNameCharacter(wchar_t c) {
    return c < 32 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos;
}

// A component Windows would keep as typed in a short path: 1-8 characters, optionally a dot and
// 1-3 more, none of them a space, a dot or a character 8.3 names exclude.
bool IsShortNameShape(std::wstring_view name) {
    const auto dot = name.find(L'.');
    const auto base = name.substr(0, dot);
    const auto ext = dot == std::wstring_view::npos ? std::wstring_view{} : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || ext.size() > 3) return false;
    if (dot != std::wstring_view::npos && ext.empty()) return false;
    for (wchar_t c : name.substr(0, base.size()))
        if (c == L' ' || c > 0x7E || std::wstring_view(L"+,;=[]").find(c) != std::wstring_view::npos) return false;
    for (wchar_t c : ext)
        if (c == L' ' || c == L'.' || c > 0x7E || std::wstring_view(L"+,;=[]").find(c) != std::wstring_view::npos)
            return false;
    return true;
}

bool MatchFrom(std::wstring_view pattern, std::wstring_view name) {
    std::size_t p = 0, n = 0, starP = std::wstring_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == L'?' || Fold(pattern[p]) == Fold(name[n]))) {
            ++p, ++n;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starP = p++, starN = n;
        } else if (starP != std::wstring_view::npos) {
            p = starP + 1, n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') ++p;
    return p == pattern.size();
}

}  // namespace

bool MatchesPattern(std::wstring_view pattern, std::wstring_view name) {
    if (pattern == L"*.*") return true;
    return MatchFrom(pattern, name);
}

bool MemoryVolume::Entry::IsFolder() const { return (attributes & attributes::kFolder) != 0; }

MemoryVolume::MemoryVolume() { AddDrive(L'C'); }

MemoryVolume& MemoryVolume::AddDrive(wchar_t letter) {
    auto root = std::make_unique<Entry>();
    root->attributes = attributes::kFolder;
    drives_[Fold(letter)] = Drive{std::move(root), true};
    return *this;
}

MemoryVolume& MemoryVolume::SetDriveReady(wchar_t letter, bool ready) {
    drives_.at(Fold(letter)).ready = ready;
    return *this;
}

MemoryVolume::Entry& MemoryVolume::AddEntry(const std::wstring& path, const std::wstring& shortName,
                                            std::uint32_t attributes) {
    const auto cut = path.find_last_of(L"\\/");
    if (cut == std::wstring::npos) throw std::invalid_argument("path without a folder");
    const auto parent = Resolve(path.substr(0, cut + 1));
    if (!parent || !parent->entry->IsFolder()) throw std::invalid_argument("parent folder missing");
    auto entry = std::make_unique<Entry>();
    entry->longName = path.substr(cut + 1);
    entry->shortName = shortName;
    entry->attributes = attributes;
    entry->parent = parent->entry;
    parent->entry->children.push_back(std::move(entry));
    return *parent->entry->children.back();
}

MemoryVolume& MemoryVolume::AddFolder(const std::wstring& path, const std::wstring& shortName,
                                      std::uint32_t extraAttributes) {
    AddEntry(path, shortName, attributes::kFolder | extraAttributes);
    return *this;
}

MemoryVolume& MemoryVolume::AddFile(const std::wstring& path, const std::wstring& shortName,
                                    std::uint32_t attributes) {
    AddEntry(path, shortName, attributes & ~attributes::kFolder);
    return *this;
}

MemoryVolume& MemoryVolume::SetCurrentFolder(const std::wstring& absoluteFolder) {
    currentFolder_ = absoluteFolder;
    currentDrive_ = Fold(absoluteFolder.at(0));
    return *this;
}

// Walks the path from its root; answers the entry it names and its short form. Supports drive
// paths ("C:\a", "C:a"), rooted paths ("\a") and relative ones ("a\b"), both separators, "." and
// "..". Network and device paths are not modelled and fail.
std::optional<MemoryVolume::Resolved> MemoryVolume::Resolve(const std::wstring& path) {
    if (path.empty() || path.size() > 32767 || path.find(L'\0') != std::wstring::npos) return std::nullopt;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return std::nullopt;

    std::wstring walk;       // absolute form of the path, for the walk
    std::size_t typedStart;  // where the typed components begin
    std::wstring shortForm;  // the typed root, kept as written
    if (path.size() >= 2 && path[1] == L':') {
        const bool rooted = path.size() >= 3 && IsSeparator(path[2]);
        shortForm = path.substr(0, rooted ? 3 : 2);
        typedStart = shortForm.size();
        if (rooted)
            walk = path;
        else if (Fold(path[0]) == currentDrive_)
            walk = currentFolder_ + L"\\" + path.substr(2);
        else
            walk = path.substr(0, 2) + L"\\" + path.substr(2);
    } else if (IsSeparator(path[0])) {
        shortForm = path.substr(0, 1);
        typedStart = 1;
        walk = std::wstring(1, currentDrive_) + L":" + path;
    } else {
        typedStart = 0;
        walk = currentFolder_ + L"\\" + path;
    }

    const auto drive = drives_.find(Fold(walk[0]));
    if (drive == drives_.end() || !drive->second.ready) return std::nullopt;
    Entry* entry = drive->second.root.get();

    // Components of the current folder (for relative paths) are walked but not written out.
    const std::size_t typedFrom = walk.size() - (path.size() - typedStart);
    std::size_t position = 3;
    while (position < walk.size()) {
        if (IsSeparator(walk[position])) {
            if (position >= typedFrom) shortForm += walk[position];
            ++position;
            continue;
        }
        std::size_t end = position;
        while (end < walk.size() && !IsSeparator(walk[end])) ++end;
        const std::wstring_view component(walk.data() + position, end - position);
        const bool typed = position >= typedFrom;
        if (!entry->IsFolder()) return std::nullopt;
        if (component == L".") {
        } else if (component == L"..") {
            if (entry->parent) entry = entry->parent;
        } else {
            for (wchar_t c : component)
                if (IsInvalidNameCharacter(c)) return std::nullopt;
            Entry* next = nullptr;
            for (auto& child : entry->children) {
                if (EqualIgnoringCase(child->longName, component) ||
                    (!child->shortName.empty() && EqualIgnoringCase(child->shortName, component))) {
                    next = child.get();
                    break;
                }
            }
            if (!next) return std::nullopt;
            entry = next;
        }
        if (typed) {
            const bool keep = component == L"." || component == L".." || IsShortNameShape(component) ||
                              entry->shortName.empty();
            shortForm += keep ? std::wstring(component) : entry->shortName;
        }
        position = end;
    }
    // A closing separator asks for a folder.
    if (IsSeparator(walk.back()) && !entry->IsFolder()) return std::nullopt;
    return Resolved{entry, shortForm};
}

std::size_t MemoryVolume::ShortPathName(const std::wstring& longPath, wchar_t* buffer, std::size_t capacity) {
    const auto resolved = Resolve(longPath);
    if (!resolved) return 0;
    const std::wstring& answer = resolved->shortForm;
    if (answer.size() + 1 > capacity) return answer.size() + 1;
    answer.copy(buffer, answer.size());
    buffer[answer.size()] = L'\0';
    return answer.size();
}

void MemoryVolume::UnquoteSpaces(wchar_t* text) { stripQuotes::UnquoteSpacesInPlace(text); }

std::optional<std::uint32_t> MemoryVolume::GetPathAttributes(const std::wstring& path) {
    const auto resolved = Resolve(path);
    if (!resolved) return std::nullopt;
    return resolved->entry->attributes;
}

std::wstring MemoryVolume::FindFirstEntry(const std::wstring& pattern, std::uint32_t filter) {
    ++lookups_;
    // The folder part keeps its closing separator, or is the bare drive of "C:name".
    auto cut = pattern.find_last_of(L"\\/");
    if (cut == std::wstring::npos && pattern.size() >= 2 && pattern[1] == L':') cut = 1;
    const std::wstring folderPart = cut == std::wstring::npos ? L"." : pattern.substr(0, cut + 1);
    const std::wstring name = cut == std::wstring::npos ? pattern : pattern.substr(cut + 1);
    if (name.empty() || name == L"." || name == L"..") return {};
    for (wchar_t c : name)
        if (c != L'*' && c != L'?' && IsInvalidNameCharacter(c)) return {};
    const auto folder = Resolve(folderPart);
    if (!folder || !folder->entry->IsFolder()) return {};
    for (const auto& child : folder->entry->children) {
        const bool matches = MatchesPattern(name, child->longName) ||
                             (!child->shortName.empty() && MatchesPattern(name, child->shortName));
        if (matches && entry_filter::Admits(filter, child->attributes)) return child->longName;
    }
    return {};
}

}  // namespace shortex::testing
