// An environment variable's ";" list with every entry in short form, and each change in words.
#pragma once

#include "path_names.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace shortex {

// The value's entries, cut at each ";" outside double quotes; an entry in quotes keeps them, and a
// quote left open runs to the end. Joined with ";" again they give the value back byte for byte.
std::vector<std::wstring> ListEntries(std::wstring_view value);

struct ShortenedValue {
    std::wstring value;               // every entry in short form where it has one, the rest as it was
    std::vector<std::wstring> notes;  // a line for each entry that changed ("before -> after") or could not
};

// References (%NAME%, as expand expands them) stay and only the literal text after the last one is
// shortened, so the value means the same here; with expandReferences an entry whose references
// expand to a text with a blank is written fully expanded instead.
ShortenedValue ShortenedEntries(FileSystem& files, std::wstring_view value, bool expandReferences,
                                const std::function<std::wstring(const std::wstring&)>& expand);

// Windows only. ExpandEnvironmentStringsW's answer: a reference to no variable stays as it is.
std::wstring ExpandedReferences(const std::wstring& text);

// The value's length against setx's, the Environment Variables dialog's, cmd's and a variable's limits.
std::wstring LengthAgainstLimits(std::size_t length);

}  // namespace shortex
