#include "windows_path_platform.h"

#include "../common/system_function.h"
#include "../common/unique_handle.h"
#include "strip_quotes.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace shortex {
namespace {

constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view kExtendedUncPrefix = L"\\\\?\\UNC\\";

// Below this the classic API takes a path whatever the system's long-path setting is.
constexpr std::size_t kClassicPathLimit = MAX_PATH - 1;

DWORD ToDword(std::size_t value) { return static_cast<DWORD>(std::min<std::size_t>(value, MAXDWORD)); }

bool IsDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// GetShortPathNameW on the extended-length form of a long path, answered without the prefix and
// under the same contract as the plain call.
std::size_t ShortPathNameOfLongPath(const std::wstring& extended, wchar_t* buffer, std::size_t capacity) {
    const DWORD needed = ::GetShortPathNameW(extended.c_str(), nullptr, 0);
    if (needed == 0) return 0;
    std::wstring answer(needed, L'\0');
    const DWORD length = ::GetShortPathNameW(extended.c_str(), answer.data(), needed);
    if (length == 0 || length >= needed) return 0;
    answer.resize(length);
    if (answer.starts_with(kExtendedUncPrefix)) {
        answer.replace(0, kExtendedUncPrefix.size(), L"\\\\");
    } else if (answer.starts_with(kExtendedPrefix)) {
        answer.erase(0, kExtendedPrefix.size());
    }
    if (answer.size() + 1 > capacity) return answer.size() + 1;
    std::copy(answer.begin(), answer.end(), buffer);
    buffer[answer.size()] = L'\0';
    return answer.size();
}

// The path in the extended-length form (\\?\C:\..., \\?\UNC\server\share\...) when it is too long
// for the classic API and can be written that way; otherwise empty.
std::wstring ExtendedLengthForm(const std::wstring& path) {
    if (path.size() < kClassicPathLimit) return {};
    if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) return {};
    const DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return {};
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return {};
    full.resize(length);
    if (full.starts_with(L"\\\\")) return std::wstring(kExtendedUncPrefix) + full.substr(2);
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return std::wstring(kExtendedPrefix) + full;
    return {};
}

}  // namespace

std::size_t WindowsPathPlatform::ShortPathName(const std::wstring& longPath, wchar_t* buffer, std::size_t capacity) {
    const DWORD count = ::GetShortPathNameW(longPath.c_str(), buffer, ToDword(capacity));
    if (count != 0) return count;
    const std::wstring extended = ExtendedLengthForm(longPath);
    if (extended.empty()) return 0;
    return ShortPathNameOfLongPath(extended, buffer, capacity);
}

// shlwapi is bound on first use: importing it would load user32 and gdi32 into every process
// at start, which costs the console companion more than all its path work.
void WindowsPathPlatform::UnquoteSpaces(wchar_t* text) {
    using UnquoteFunction = BOOL(WINAPI*)(LPWSTR);
    static const auto unquote = BindSystemFunction<UnquoteFunction>(L"shlwapi.dll", "PathUnquoteSpacesW");
    if (unquote) {
        unquote(text);
    } else {
        stripQuotes::UnquoteSpacesInPlace(text);
    }
}

std::optional<std::uint32_t> WindowsPathPlatform::GetPathAttributes(const std::wstring& path) {
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const std::wstring extended = ExtendedLengthForm(path);
        if (!extended.empty()) attributes = ::GetFileAttributesW(extended.c_str());
    }
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

std::wstring WindowsPathPlatform::FindFirstEntry(const std::wstring& pattern, std::uint32_t filter) {
    std::wstring searched = ExtendedLengthForm(pattern);
    if (searched.empty()) searched = pattern;
    WIN32_FIND_DATAW entry{};
    UniqueFindHandle search(
        ::FindFirstFileExW(searched.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0));
    if (!search) return {};
    do {
        if (!IsDotEntry(entry.cFileName) && entry_filter::Admits(filter, entry.dwFileAttributes))
            return entry.cFileName;
    } while (::FindNextFileW(search.get(), &entry));
    return {};
}

}  // namespace shortex
