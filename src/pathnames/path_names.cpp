#include "path_names.h"

#include <algorithm>
#include <string_view>

namespace shortex {
namespace {

// Texts no Windows path function can take get the empty or false answer directly: an embedded
// NUL would make the system see only the text before it.
bool IsUsablePathText(const std::wstring& text) {
    return !text.empty() && text.size() <= kMaxPathText && text.find(L'\0') == std::wstring::npos;
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Position just past the component that starts at `from`.
std::size_t EndOfComponent(const std::wstring& path, std::size_t from) {
    while (from < path.size() && !IsSeparator(path[from])) ++from;
    return from;
}

// Position just past `count` components that follow `from`, each after one separator.
std::size_t SkipComponents(const std::wstring& path, std::size_t from, int count) {
    for (int i = 0; i < count && from < path.size(); ++i) {
        if (IsSeparator(path[from])) ++from;
        from = EndOfComponent(path, from);
    }
    return from;
}

bool HasUncMarker(const std::wstring& path) {
    if (path.size() < 8 || !IsSeparator(path[7])) return false;
    std::wstring marker = path.substr(4, 3);
    for (wchar_t& c : marker) c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - 32 : c);
    return marker == L"UNC";
}

}  // namespace

std::wstring FixDriveRoot(const std::wstring& path) {
    return !path.empty() && path.back() == L':' ? path + L'\\' : path;
}

bool FileExists(FileSystem& files, const std::wstring& path) {
    if (!IsUsablePathText(path)) return false;
    const auto attributes = files.Attributes(path);
    return attributes && (*attributes & kFolder) == 0;
}

bool DirExists(FileSystem& files, const std::wstring& path) {
    std::wstring folder = path;
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
    if (!IsUsablePathText(folder)) return false;
    // The folder's own attributes, not its listing: an empty folder, or one holding only hidden
    // or system entries, exists just the same.
    const auto attributes = files.Attributes(folder);
    return attributes && (*attributes & kFolder) != 0;
}

std::wstring FolderPart(const std::wstring& path) {
    const auto lastBackslash = path.rfind(L'\\');
    return lastBackslash == std::wstring::npos ? path : path.substr(0, lastBackslash + 1);
}

std::wstring ShortPath(FileSystem& files, const std::wstring& path) {
    return IsUsablePathText(path) ? files.ShortPathName(path) : std::wstring();
}

std::wstring FirstLongComponent(const std::wstring& shortForm) {
    const auto isShortName = [](std::wstring_view name) {
        const std::size_t dot = name.find(L'.');
        const std::wstring_view base = name.substr(0, dot);
        const std::wstring_view extension = dot == name.npos ? std::wstring_view() : name.substr(dot + 1);
        const bool legalCharacters = std::all_of(name.begin(), name.end(), [](wchar_t c) {
            return c > L' ' && c < 0x7F && std::wstring_view(L"\"*+,/:;<=>?[\\]|").find(c) == std::wstring_view::npos;
        });
        return legalCharacters && !base.empty() && base.size() <= 8 && extension.size() <= 3 &&
               extension.find(L'.') == extension.npos && (dot == name.npos || !extension.empty());
    };
    for (std::size_t at = RootLength(shortForm); at < shortForm.size(); ++at) {
        const std::size_t end = EndOfComponent(shortForm, at);
        const std::wstring component = shortForm.substr(at, end - at);
        if (!component.empty() && component != L"." && component != L".." && !isShortName(component)) return component;
        at = end;
    }
    return {};
}

std::wstring NoShortNameReason(const std::wstring& component, const VolumeFacts& volume) {
    const std::wstring name = L"\"" + component + L"\" has no short name. ";
    if (volume.network) return name + L"The network share it lies on gives no short names.";
    static constexpr std::wstring_view kKeepShortNames[] = {L"NTFS", L"FAT", L"FAT12", L"FAT16", L"FAT32"};
    if (std::find(std::begin(kKeepShortNames), std::end(kKeepShortNames), volume.fileSystem) == std::end(kKeepShortNames))
        return name + L"Its volume's file system (" + volume.fileSystem + L") keeps no short names.";
    if (volume.creationOffOnVolume || volume.systemSetting == 1 || (volume.systemSetting == 3 && !volume.systemVolume))
        return name + L"8.3 name creation is off on its volume.";
    return name + L"It was made while 8.3 name creation was off; \"fsutil file setshortname\" can give it one.";
}

std::size_t RootLength(const std::wstring& path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // \\?\ and \\.\ name devices and extended-length paths: keep the prefix and the volume.
        if (path.size() >= 4 && (path[2] == L'?' || path[2] == L'.') && IsSeparator(path[3]))
            return HasUncMarker(path) ? SkipComponents(path, 7, 2) : EndOfComponent(path, 4);
        return SkipComponents(path, 1, 2);  // \\server\share
    }
    const bool drive = path.size() >= 2 && path[1] == L':' && ((path[0] | 0x20) >= L'a' && (path[0] | 0x20) <= L'z');
    return drive ? 2 : 0;
}

std::wstring LongPath(FileSystem& files, const std::wstring& path) {
    if (!IsUsablePathText(path) || path.size() > kMaxPathText - 2) return {};
    std::size_t position = RootLength(path);
    std::wstring longPath = path.substr(0, position);
    while (position < path.size()) {
        if (IsSeparator(path[position])) {
            longPath += path[position++];
            continue;
        }
        const std::size_t end = EndOfComponent(path, position);
        const std::wstring_view component(path.data() + position, end - position);
        if (component == L"." || component == L"..") {
            longPath += component;
        } else {
            const std::wstring found = files.FirstEntry(path.substr(0, end));
            if (found.empty()) return {};
            longPath += found;
        }
        position = end;
    }
    return longPath;
}

}  // namespace shortex
