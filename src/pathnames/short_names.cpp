#include "short_names.h"

#include "common/system_errors.h"

#include <algorithm>
#include <optional>
#include <set>

namespace shortex {
namespace {

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
        const bool surrogatePair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                                   text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (surrogatePair) ++i;  // one character, one "_"
        if (text[i] > 0x7F) {
            kept += L'_';
        } else if (HasShortForm(text.substr(i, 1))) {
            kept += text[i];
        }
    }
    return Upper(kept);
}

// The failure of giving `name` in words.
std::wstring Words(std::uint32_t code, bool folder, const std::wstring& name, const VolumeFacts& volume) {
    switch (code) {
        case error::kAccessDenied:
        case error::kSharingViolation:
            return folder ? L"in use: close the programs that have files open in it, then try again"
                          : L"in use: close the programs that have it open, then try again";
        case error::kPrivilegeNotHeld: return L"administrator rights are needed to give it a short name";
        case error::kAlreadyExists: return L"every short name it could get is taken in its folder";
        case error::kShortNamesOff:  // the system saw the volume's own flag off where the facts did not
            if (VolumeRefusal refusal = WhyVolumeGivesNoShortNames(volume); refusal.error) return refusal.words;
            return CreationOffOnVolume(volume);
        case error::kInvalidParameter:
            return L"\"" + name + L"\" was refused: its folder is case-sensitive, or the name is not valid there";
        case error::kProcNotFound: return L"this system cannot give short names";
        default: return L"the system refused to give it \"" + name + L"\" (error " + std::to_wstring(code) + L")";
    }
}

// Gives the component the first name free in its folder, the next "~N" when one was taken meanwhile.
void GiveName(FileSystem& files, const std::wstring& folder, std::wstring_view component, bool dryRun,
              GivenName& given) {
    std::vector<FolderEntry> entries;
    std::vector<std::wstring> taken;
    files.ListFolder(folder, entries);
    for (const FolderEntry& entry : entries) taken.insert(taken.end(), {entry.name, entry.alternateName});
    for (int attempt = 0; attempt < 10; ++attempt) {
        given.name = GenerateShortName(component, taken);
        taken.push_back(given.name);
        if (given.name.empty())
            given.error = error::kAlreadyExists;
        else if (!dryRun)
            given.error = files.SetShortName(given.path, given.name);
        if (given.error != error::kAlreadyExists || given.name.empty()) return;
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
    if (longPath.empty()) return {{path, {}, error::kFileNotFound, L"not found"}};
    std::vector<GivenName> names;
    std::optional<VolumeFacts> volume;
    for (const Component& at : Components(longPath)) {
        const std::wstring_view component(longPath.data() + at.begin, at.end - at.begin);
        GivenName given{longPath.substr(0, at.end), {}, 0, {}};
        const std::wstring shortForm = files.ShortPathName(given.path);
        if (component == L"." || component == L".." || HasShortForm(shortForm.substr(shortForm.rfind(L'\\') + 1)))
            continue;
        if (!volume) volume = files.Volume(given.path);
        if (VolumeRefusal refusal = WhyVolumeGivesNoShortNames(*volume); refusal.error) {  // nothing is tried
            names.push_back({given.path, {}, refusal.error, std::move(refusal.words)});
            continue;
        }
        GiveName(files, longPath.substr(0, at.begin), component, dryRun, given);
        if (given.error) {
            const bool folder = files.Attributes(given.path).value_or(0) & kFolder;
            given.failure = Words(given.error, folder, given.name, *volume);
        }
        names.push_back(std::move(given));
    }
    return names;
}

std::vector<GivenName> NamesToGive(FileSystem& files, const std::vector<std::wstring>& paths) {
    std::vector<GivenName> names;
    for (const std::wstring& path : paths) {
        if (RootLength(path) == 0) continue;  // relative: no names are offered for those
        for (GivenName& name : GiveShortNames(files, path, true)) names.push_back(std::move(name));
    }
    return names;
}

bool CanOffer(const std::vector<GivenName>& names) {
    return !names.empty() && std::all_of(names.begin(), names.end(), [](const GivenName& name) { return !name.error; });
}

std::wstring OfferText(const std::vector<GivenName>& names) {
    std::wstring text = L"Give these short names? Windows asks for an administrator's consent.\r\n";
    for (const GivenName& name : names) text += L"\r\n" + name.path + L"  \u2192  " + name.name;
    return text;
}

std::wstring FailureLines(const std::vector<GivenName>& names) {
    std::wstring lines;
    for (const GivenName& name : names) {
        if (!name.error) continue;
        if (!lines.empty()) lines += L"\r\n";
        lines += name.path + L": " + name.failure;
    }
    return lines;
}

std::wstring NotGivenText(const std::wstring& reported) {
    const std::size_t end = reported.find_last_not_of(L"\r\n");
    if (end == std::wstring::npos)
        return L"Not every short name could be given. In an administrator prompt, \"shortex-cli --make-short\" "
               L"with this path says why.";
    return L"Not every short name could be given:\r\n\r\n" + reported.substr(0, end + 1);
}

}  // namespace shortex
