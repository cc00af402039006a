#include "path_names.h"

#include "common/system_errors.h"

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

// "UNC" in any letter case after the \\?\ prefix, then a separator.
bool HasUncMarker(const std::wstring& path) {
    return path.size() >= 8 && (path[4] | 0x20) == L'u' && (path[5] | 0x20) == L'n' && (path[6] | 0x20) == L'c' &&
           IsSeparator(path[7]);
}

const std::wstring kTurnOn = L" turns it on, as administrator, for names made from then on.";

enum class NameForm { Short, ShortBeyondAscii, Long };

NameForm FormOf(std::wstring_view name) {
    const std::size_t dot = name.find(L'.');
    const std::wstring_view base = name.substr(0, dot);
    const std::wstring_view extension = dot == name.npos ? std::wstring_view() : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || extension.size() > 3 || extension.find(L'.') != extension.npos ||
        (dot != name.npos && extension.empty()))
        return NameForm::Long;
    bool beyondAscii = false;
    for (const wchar_t c : name) {
        const std::uint32_t unit = c;  // no OEM code page holds a character past U+FFFF
        if (c <= L' ' || (unit >= 0xD800 && (unit <= 0xDFFF || unit > 0xFFFF)) ||
            std::wstring_view(L"\"*+,/:;<=>?[\\]|").find(c) != std::wstring_view::npos)
            return NameForm::Long;
        beyondAscii = beyondAscii || c > 0x7F;
    }
    return beyondAscii ? NameForm::ShortBeyondAscii : NameForm::Short;
}

}  // namespace

bool HasShortForm(std::wstring_view name) { return FormOf(name) != NameForm::Long; }

VolumeRefusal WhyVolumeGivesNoShortNames(const VolumeFacts& volume) {
    using error::kNotSupported;
    using error::kShortNamesOff;
    if (volume.network) return {kNotSupported, L"The network share it lies on gives no short names."};
    if (volume.fileSystem.empty()) return {kNotSupported, L"The file system of its volume cannot be read."};
    if (volume.fileSystem.starts_with(L"FAT"))
        return {kNotSupported,
                volume.fileSystem + L" keeps a short name for every entry, yet none was reported for this one."};
    if (volume.fileSystem != L"NTFS")
        return {kNotSupported, L"Its volume's file system (" + volume.fileSystem + L") keeps no short names."};
    if (volume.systemSetting == 1)
        return {kShortNamesOff, L"8.3 name creation is off for every volume; \"fsutil 8dot3name set 0\"" + kTurnOn};
    if (volume.systemSetting == 3 && !volume.systemVolume)
        return {
            kShortNamesOff,
            L"8.3 name creation is off for every volume but the system volume; \"fsutil 8dot3name set 0\"" + kTurnOn};
    if (volume.systemSetting != 0 && volume.systemSetting != 3 && volume.creationOffOnVolume)
        return {kShortNamesOff, CreationOffOnVolume(volume)};
    return {};
}

std::wstring CreationOffOnVolume(const VolumeFacts& volume) {
    const std::wstring name = volume.name.find(L' ') == std::wstring::npos ? volume.name : L'"' + volume.name + L'"';
    return L"8.3 name creation is off on " + volume.name + L"; \"fsutil 8dot3name set " + name + L" 0\"" + kTurnOn;
}

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

std::vector<Component> Components(const std::wstring& path) {
    std::vector<Component> components;
    for (std::size_t at = RootLength(path); at < path.size(); ++at) {
        const std::size_t end = EndOfComponent(path, at);
        if (end > at) components.push_back({at, end});
        at = end;
    }
    return components;
}

ShortFormNote NoteOnShortForm(FileSystem& files, const std::wstring& path, const std::wstring& shortForm,
                              std::optional<VolumeFacts>& volume) {
    std::wstring beyondAscii;
    for (const Component& at : Components(shortForm)) {
        const std::wstring component = shortForm.substr(at.begin, at.end - at.begin);
        if (component == L"." || component == L"..") continue;
        const NameForm form = FormOf(component);
        if (form == NameForm::ShortBeyondAscii && beyondAscii.empty()) beyondAscii = component;
        if (form != NameForm::Long) continue;
        if (!volume) volume = files.Volume(path);
        const std::wstring why = WhyVolumeGivesNoShortNames(*volume).words;
        return {true, L"No short name",
                L'"' + component + L"\" has no short name. " +
                    (!why.empty() ? why
                                  : L"It was made while 8.3 name creation was off; as administrator, \"fsutil file "
                                    L"setshortname\" can give it one.")};
    }
    if (beyondAscii.empty()) return {};
    return {false, L"Short name beyond ASCII",
            L'"' + beyondAscii +
                L"\" is a short name, but holds characters beyond ASCII: programs limited to the ANSI "
                L"code page may not open it."};
}

ShortFormNote NoteOnShortForm(FileSystem& files, const std::wstring& path, const std::wstring& shortForm) {
    std::optional<VolumeFacts> volume;
    return NoteOnShortForm(files, path, shortForm, volume);
}

std::wstring LongPath(FileSystem& files, const std::wstring& path) {
    if (!IsUsablePathText(path) || path.size() > kMaxPathText - 2) return {};
    std::size_t copied = RootLength(path);
    std::wstring longPath = path.substr(0, copied);
    for (const Component& at : Components(path)) {
        longPath.append(path, copied, at.begin - copied);  // the separators, as written
        copied = at.end;
        const std::wstring_view component(path.data() + at.begin, at.end - at.begin);
        if (component == L"." || component == L"..") {
            longPath += component;
        } else if (component.find_first_of(L"*?") != component.npos) {
            return {};  // a pattern names no one entry, so it has no long form
        } else {
            const std::wstring found = files.FirstEntry(path.substr(0, at.end));
            if (found.empty()) return {};
            longPath += found;
        }
    }
    longPath.append(path, copied);
    return longPath;
}

}  // namespace shortex
