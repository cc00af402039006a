// An environment variable's value with every entry of its ";" list in short form, and what that
// changed, entry by entry, for a person to read before it is written back.
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

// References (%NAME%) stay as written and only the literal text after the last one is shortened,
// so the value means the same here; with expandReferences an entry whose references expand to a
// text with a blank is written fully expanded instead. expand: the text's references expanded, a
// reference to a variable that does not exist left as it is.
ShortenedValue ShortenedEntries(FileSystem& files, std::wstring_view value, bool expandReferences,
                                const std::function<std::wstring(const std::wstring&)>& expand);

// Windows only. The text's references expanded as ExpandEnvironmentStringsW expands them: from
// this process's environment, a reference to a variable that does not exist left as it is.
std::wstring ExpandedReferences(const std::wstring& text);

// The value's length against the limits it meets: setx's 1,024, the Environment Variables
// dialog's 2,047, cmd's command line of 8,191 and a variable's 32,767 characters.
std::wstring LengthAgainstLimits(std::size_t length);

}  // namespace shortex
