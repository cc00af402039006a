#include "environment_value.h"

#include "short_names.h"

namespace shortex {
namespace {

// Where the literal text after the entry's last %NAME% starts (0: none); a lone "%" is literal.
std::size_t AfterLastReference(const std::wstring& entry) {
    std::size_t after = 0;
    for (std::size_t open = entry.find(L'%'); open != entry.npos; open = entry.find(L'%', after)) {
        const std::size_t close = entry.find(L'%', open + 1);
        if (close == entry.npos) break;
        after = close + 1;
    }
    return after;
}

// The entry's path in short form, its references kept unless they are to be expanded; and what
// to say of it: why it has no short form, or why it keeps a blank.
std::pair<std::wstring, std::wstring> Shortened(FileSystem& files, const std::wstring& path, bool expandReferences,
                                                const std::function<std::wstring(const std::wstring&)>& expand) {
    const std::size_t literal = AfterLastReference(path);
    const std::wstring references = expand(path.substr(0, literal));
    if (references.find(L'%') != std::wstring::npos) return {path, L"a reference to a variable that does not exist"};
    const std::wstring full = references + path.substr(literal);
    // A relative entry is found from wherever a program runs: it is not this process's to answer.
    const std::wstring shortForm = RootLength(full) ? ShortPath(files, full) : L"";
    if (shortForm.empty()) return {path, RootLength(full) ? L"not found" : L"not a full path: left as it is"};
    if (const ShortFormNote note = NoteOnShortForm(files, full, shortForm); note.noShortName) {
        const bool offered = CanOffer(NamesToGive(files, {full}));
        return {path, note.text + (offered ? L" shortex-cli --make-short \"" + full + L"\" gives it one." : L"")};
    }
    const bool blank = references.find(L' ') != std::wstring::npos;
    if (literal == 0 || (expandReferences && blank)) return {shortForm, {}};
    const std::wstring why =
        blank ? L"a reference kept: it expands to a text with a blank (--expand writes it expanded)" : L"";
    // As many components from the end of the short form as the literal text holds. A literal text
    // that goes on the last reference's own name cannot be shortened apart from it.
    const std::wstring text = path.substr(literal);
    const std::vector<Component> literalNames = Components(text), shortNames = Components(shortForm);
    if (literalNames.empty() || literalNames.front().begin == 0 || literalNames.size() > shortNames.size())
        return {path, why};
    return {path.substr(0, literal + literalNames.front().begin) +
                shortForm.substr(shortNames[shortNames.size() - literalNames.size()].begin),
            why};
}

}  // namespace

std::vector<std::wstring> ListEntries(std::wstring_view value) {
    std::vector<std::wstring> entries(1);
    bool quoted = false;
    for (const wchar_t c : value) {
        quoted = quoted != (c == L'"');
        if (c == L';' && !quoted)
            entries.emplace_back();
        else
            entries.back() += c;
    }
    return entries;
}

ShortenedValue ShortenedEntries(FileSystem& files, std::wstring_view value, bool expandReferences,
                                const std::function<std::wstring(const std::wstring&)>& expand) {
    ShortenedValue shortened;
    const std::vector<std::wstring> entries = ListEntries(value);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::wstring& entry = entries[i];
        const bool quoted = entry.size() >= 2 && entry.front() == L'"' && entry.back() == L'"';
        const std::wstring path = quoted ? entry.substr(1, entry.size() - 2) : entry;
        std::wstring after = entry;
        if (path.find_first_not_of(L' ') != std::wstring::npos && path.find(L'"') == std::wstring::npos) {
            const auto [shortPath, why] = Shortened(files, path, expandReferences, expand);
            after = quoted ? L"\"" + shortPath + L"\"" : shortPath;
            if (!why.empty()) shortened.notes.push_back(entry + L": " + why);
        }
        if (after != entry) shortened.notes.push_back(entry + L" -> " + after);
        shortened.value += (i > 0 ? L";" : L"") + after;
    }
    return shortened;
}

std::wstring LengthAgainstLimits(std::size_t length) {
    constexpr std::pair<std::size_t, const wchar_t*> kLimits[] = {{1024, L"setx's"},
                                                                  {2047, L"the Environment Variables dialog's"},
                                                                  {8191, L"cmd's command line"},
                                                                  {32767, L"a variable's"}};
    std::wstring text = std::to_wstring(length) + L" characters:";
    for (const auto& [limit, whose] : kLimits)
        text +=
            (length <= limit ? L" within " : L" over ") + std::wstring(whose) + L" " + std::to_wstring(limit) + L";";
    text.back() = L'.';
    return text;
}

}  // namespace shortex
