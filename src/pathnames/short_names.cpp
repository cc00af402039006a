#include "short_names.h"

#include <algorithm>
#include <optional>
#include <set>

namespace shortex {
namespace {

constexpr std::uint32_t kErrorAlreadyExists = 183;

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - 32 : c);
    return text;
}

// Up to `limit` characters of the text as an 8.3 name holds them: upper case, without spaces, dots
// and the characters it cannot hold, and each character beyond ASCII (a surrogate pair too) as "_",
// which any code page and program can pass.
std::wstring Kept(std::wstring_view text, std::size_t limit) {
    std::wstring kept;
    for (std::size_t i = 0; i < text.size() && kept.size() < limit; ++i) {
        if (text[i] > 0x7F) {
            kept += L'_';
            i += text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                 text[i + 1] <= 0xDFFF;
        } else if (HasShortForm(text.substr(i, 1))) {
            kept += text[i];
        }
    }
    return Upper(kept);
}

// The failure of giving `name` in words.
std::wstring Words(std::uint32_t error, bool folder, const std::wstring& name, VolumeFacts volume) {
    switch (error) {
        case 5:   // ERROR_ACCESS_DENIED
        case 32:  // ERROR_SHARING_VIOLATION
            return folder ? L"in use: close the programs that have files open in it, then try again"
                          : L"in use: close the programs that have it open, then try again";
        case kErrorPrivilegeNotHeld: return L"administrator rights are needed to give it a short name";
        case kErrorAlreadyExists: return L"every short name it could get is taken in its folder";
        case kErrorShortNamesOff:  // the system saw the volume's own flag off where the facts did not
            if (WhyVolumeGivesNoShortNames(volume).empty()) volume.systemSetting = 2, volume.creationOffOnVolume = true;
            return WhyVolumeGivesNoShortNames(volume);
        case 87:  // ERROR_INVALID_PARAMETER
            return L"\"" + name + L"\" was refused: its folder is case-sensitive, or the name is not valid there";
        case 127: return L"this system cannot give short names";  // ERROR_PROC_NOT_FOUND: SetFileShortNameW missing
        default: return L"the system refused to give it \"" + name + L"\" (error " + std::to_wstring(error) + L")";
    }
}

}  // namespace

std::wstring GenerateShortName(std::wstring_view longName, const std::vector<std::wstring>& taken) {
    // Leading dots are skipped; the extension follows the last dot that has something kept after it.
    std::wstring_view name = longName.substr(std::min(longName.find_first_not_of(L'.'), longName.size()));
    std::wstring extension;
    std::size_t dot = name.rfind(L'.');
    for (; dot != name.npos && (extension = Kept(name.substr(dot + 1), 3)).empty(); dot = name.rfind(L'.'))
        name = name.substr(0, dot);
    std::wstring base = Kept(name.substr(0, dot), 8);
    if (base.empty()) base = L"_";
    std::set<std::wstring> folded;
    for (const std::wstring& other : taken) folded.insert(Upper(other));
    for (int number = 1; number < 1000000; ++number) {
        const std::wstring suffix = L"~" + std::to_wstring(number);
        std::wstring candidate = base.substr(0, 8 - suffix.size()) + suffix + (extension.empty() ? L"" : L".");
        if (!folded.contains(candidate += extension)) return candidate;
    }
    return {};
}

std::vector<GivenName> GiveShortNames(FileSystem& files, const std::wstring& path, bool dryRun) {
    const std::wstring longPath = LongPath(files, path);
    if (longPath.empty()) return {{path, {}, 2, L"not found"}};  // ERROR_FILE_NOT_FOUND
    std::vector<GivenName> names;
    std::optional<VolumeFacts> volume;
    for (std::size_t at = RootLength(longPath); (at = longPath.find_first_not_of(L"\\/", at)) != longPath.npos;) {
        const std::size_t end = std::min(longPath.find_first_of(L"\\/", at), longPath.size());
        const std::wstring component = longPath.substr(at, end - at), folder = longPath.substr(0, at);
        GivenName given{longPath.substr(0, at = end), {}, 0, {}};
        const std::wstring shortForm = files.ShortPathName(given.path);
        if (component == L"." || component == L".." || HasShortForm(shortForm.substr(shortForm.rfind(L'\\') + 1)))
            continue;
        if (!volume) volume = files.Volume(given.path);
        if (std::wstring refused = WhyVolumeGivesNoShortNames(*volume); !refused.empty()) {  // nothing is tried
            const bool off = volume->fileSystem == L"NTFS" && !volume->network;
            names.push_back({given.path, {}, off ? kErrorShortNamesOff : kErrorNotSupported, std::move(refused)});
            continue;
        }
        std::vector<FolderEntry> entries;
        std::vector<std::wstring> taken;
        files.ListFolder(folder, entries);
        for (const FolderEntry& entry : entries) taken.insert(taken.end(), {entry.name, entry.alternateName});
        // A name taken since the folder was listed: the next number, a few times.
        for (int attempt = 0; attempt < 10; ++attempt) {
            taken.push_back(given.name = GenerateShortName(component, taken));
            given.error = given.name.empty() ? kErrorAlreadyExists
                          : dryRun           ? 0
                                             : files.SetShortName(given.path, given.name);
            if (given.error != kErrorAlreadyExists || given.name.empty()) break;
        }
        if (given.error)
            given.failure = Words(given.error, files.Attributes(given.path).value_or(0) & kFolder, given.name, *volume);
        names.push_back(std::move(given));
    }
    return names;
}

}  // namespace shortex
