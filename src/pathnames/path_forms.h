// A path written as the place it is pasted into reads it: slashes either way, escaped, as MSYS or
// Cygwin name it; quoted never, where it would break without, or always; a separator between several.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shortex {

enum class PathForm { Windows, Forward, Escaped, Msys, Cygwin };
enum class Quotes { Never, Needed, Always };
enum class Separator { NewLine, Space, Tab, Comma, Semicolon };

struct CopyForm {
    PathForm form = PathForm::Windows;
    Quotes quotes = Quotes::Never;
    bool unc = false;  // a path on a mapped network drive by its UNC path
    Separator separator = Separator::NewLine;
};

// The words for each choice, in the order of its enumeration: shortex-cli's and the settings'.
inline constexpr std::wstring_view kFormWords[] = {L"windows", L"forward", L"escaped", L"msys", L"cygwin"};
inline constexpr std::wstring_view kQuoteWords[] = {L"never", L"needed", L"always"};
inline constexpr std::wstring_view kSeparatorWords[] = {L"newline", L"space", L"tab", L"comma", L"semicolon"};

// The position of the word among the words, in any letter case: the choice it names. Nothing
// for a word not there.
std::optional<int> WordPosition(std::span<const std::wstring_view> words, std::wstring_view word);

// The words for a message: "never, needed or always".
std::wstring WordList(std::span<const std::wstring_view> words);

// The path in the form, quoted as chosen. An item that holds the separator is quoted whatever the
// choice, or the list would read as other paths. The empty text stays empty: there is no path.
std::wstring WrittenAs(std::wstring_view path, const CopyForm& form);

// The paths each written in the form, the separator between them.
std::wstring WrittenAs(const std::vector<std::wstring>& paths, const CopyForm& form);

// The path with its drive ("Z:\") on that drive's UNC path ("\\server\share"); as it is otherwise.
std::wstring OnNetworkRoot(std::wstring_view path, std::wstring_view driveUncPath);

// Windows only. Writes paths in the form for pasting, each on its UNC path when chosen: a mapped
// drive's (WNetGetUniversalNameW) is asked once, for the drive's root alone, so the rest keeps its
// short names. A local or SUBST drive, or one the network cannot name, stays as it is.
struct PastingForm {
    std::wstring operator()(const std::vector<std::wstring>& paths);
    CopyForm form;
    std::map<std::wstring, std::wstring> uncPaths{};  // by drive root ("Z:\"); empty: the drive stays
};

}  // namespace shortex
