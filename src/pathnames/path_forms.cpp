#include "path_forms.h"

#include <algorithm>

namespace shortex {
namespace {

constexpr std::wstring_view kLongPathPrefix = L"\\\\?\\", kLongUncPrefix = L"\\\\?\\UNC\\";

bool IsShellForm(PathForm form) { return form == PathForm::Msys || form == PathForm::Cygwin; }

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + (L'a' - L'A')) : c; }

bool StartsWithDrive(std::wstring_view path) {
    return path.size() >= 2 && AsciiLower(path[0]) >= L'a' && AsciiLower(path[0]) <= L'z' && path[1] == L':';
}

std::wstring Replaced(std::wstring text, wchar_t from, std::wstring_view to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::wstring::npos; at += to.size()) text.replace(at, 1, to);
    return text;
}

// The path in the form, unquoted. Forward slashes end the meaning of "\\?\", so the other forms
// drop it; it only lifts MAX_PATH, which programs that take forward slashes do not keep.
std::wstring Spelled(std::wstring_view path, PathForm form) {
    if (form == PathForm::Windows) return std::wstring(path);
    if (form == PathForm::Escaped) return Replaced(std::wstring(path), L'\\', L"\\\\");
    std::wstring text(path);
    if (text.starts_with(kLongUncPrefix))
        text.replace(0, kLongUncPrefix.size(), L"\\\\");
    else if (text.starts_with(kLongPathPrefix) && StartsWithDrive(text.substr(kLongPathPrefix.size())))
        text.erase(0, kLongPathPrefix.size());
    std::replace(text.begin(), text.end(), L'\\', L'/');
    // A drive's absolute path lies under the drive's folder: /c/... in MSYS, /cygdrive/c/... in Cygwin.
    if (!IsShellForm(form) || !StartsWithDrive(text) || (text.size() > 2 && text[2] != L'/')) return text;
    const std::wstring drive = std::wstring(form == PathForm::Cygwin ? L"/cygdrive/" : L"/") + AsciiLower(text[0]);
    return drive + (text.size() > 2 ? text.substr(2) : L"/");
}

// cmd reads a blank or one of & ^ ( ) , ; = as the end of an argument or as an operator;
// CommandLineToArgvW only a blank. % and ! are expanded inside quotes too: quotes cannot help them.
bool WindowsNeedsQuotes(std::wstring_view text) { return text.find_first_of(L" \t&^(),;=") != text.npos; }

// bash's metacharacters and quoting characters, then what it expands: parameters, commands,
// patterns, braces, history; a tilde or a comment only at the start of a word.
bool ShellNeedsQuotes(std::wstring_view text) {
    return text.find_first_of(L" \t\n|&;()<>\\'\"$`*?[]{}!") != text.npos || text.starts_with(L'~') ||
           text.starts_with(L'#');
}

// Between double quotes CommandLineToArgvW reads backslashes before a quote as escapes, so the
// closing backslashes of "C:\" are doubled; an escaped path has them doubled already.
std::wstring InDoubleQuotes(std::wstring text, PathForm form) {
    const std::size_t closing = text.size() - std::min(text.size(), text.find_last_not_of(L'\\') + 1);
    if (form != PathForm::Escaped) text.append(closing, L'\\');
    return L'"' + text + L'"';
}

// Single quotes keep every character as it is; a quote inside ends them, is escaped, and opens them again.
std::wstring InSingleQuotes(const std::wstring& text) { return L'\'' + Replaced(text, L'\'', L"'\\''") + L'\''; }

constexpr wchar_t kSeparators[] = {L'\n', L' ', L'\t', L',', L';'};

}  // namespace

std::optional<int> WordPosition(std::span<const std::wstring_view> words, std::wstring_view word) {
    for (std::size_t i = 0; i < words.size(); ++i)
        if (std::ranges::equal(words[i], word, {}, AsciiLower, AsciiLower)) return static_cast<int>(i);
    return std::nullopt;
}

std::wstring WordList(std::span<const std::wstring_view> words) {
    std::wstring list;
    for (std::size_t i = 0; i < words.size(); ++i)
        list.append(i == 0 ? L"" : i + 1 == words.size() ? L" or " : L", ").append(words[i]);
    return list;
}

std::wstring WrittenAs(std::wstring_view path, const CopyForm& form) {
    if (path.empty()) return {};
    const std::wstring text = Spelled(path, form.form);
    const bool shell = IsShellForm(form.form);
    const bool holdsSeparator = text.find(kSeparators[static_cast<int>(form.separator)]) != text.npos;
    const bool quoted = form.quotes == Quotes::Always || holdsSeparator ||
                        (form.quotes == Quotes::Needed && (shell ? ShellNeedsQuotes(text) : WindowsNeedsQuotes(text)));
    if (!quoted) return text;
    return shell ? InSingleQuotes(text) : InDoubleQuotes(text, form.form);
}

std::wstring WrittenAs(const std::vector<std::wstring>& paths, const CopyForm& form) {
    const wchar_t separator = kSeparators[static_cast<int>(form.separator)];
    std::wstring text;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i > 0) text += separator == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, separator);
        text += WrittenAs(paths[i], form);
    }
    return text;
}

std::wstring OnNetworkRoot(std::wstring_view path, std::wstring_view driveUncPath) {
    const std::size_t prefix = path.starts_with(kLongPathPrefix) ? kLongPathPrefix.size() : 0;
    const std::wstring_view drivePath = path.substr(prefix);
    if (driveUncPath.empty() || !StartsWithDrive(drivePath) || drivePath.substr(2, 1) != L"\\")
        return std::wstring(path);
    std::wstring root(driveUncPath);
    if (root.ends_with(L'\\')) root.pop_back();
    // A long path keeps its prefix, in the form UNC paths take: \\?\UNC\server\share.
    if (prefix && root.starts_with(L"\\\\")) root.replace(0, 2, kLongUncPrefix);
    return root + std::wstring(drivePath.substr(2));
}

}  // namespace shortex
