#include "long_name.h"

#include "path_names.h"

namespace shortex {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// Position just past the component that starts at `from` (the next separator or the end).
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

bool StartsWithIgnoringCase(const std::wstring& path, std::size_t at, std::wstring_view prefix) {
    if (path.size() - at < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        wchar_t c = path[at + i];
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool IsDotComponent(std::wstring_view component) { return component == L"." || component == L".."; }

}  // namespace

std::size_t RootLength(const std::wstring& path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // \\?\ and \\.\ name devices and extended-length paths: keep the prefix and the volume.
        if (path.size() >= 4 && (path[2] == L'?' || path[2] == L'.') && IsSeparator(path[3])) {
            if (StartsWithIgnoringCase(path, 4, L"UNC") && path.size() > 7 && IsSeparator(path[7]))
                return SkipComponents(path, 7, 2);
            return EndOfComponent(path, 4);
        }
        return SkipComponents(path, 1, 2);  // \\server\share
    }
    if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == L':') return 2;
    return 0;
}

std::wstring GetLongFilename(PathPlatform& platform, const std::wstring& sShortName) {
    if (sShortName.empty() || sShortName.size() > kMaxPathText - 2) return {};
    if (sShortName.find(L'\0') != std::wstring::npos) return {};

    std::size_t position = RootLength(sShortName);
    std::wstring longName = sShortName.substr(0, position);
    while (position < sShortName.size()) {
        if (IsSeparator(sShortName[position])) {
            longName += sShortName[position++];
            continue;
        }
        const std::size_t end = EndOfComponent(sShortName, position);
        const std::wstring_view component(sShortName.data() + position, end - position);
        if (IsDotComponent(component)) {
            longName += component;
        } else {
            // Every lookup names the entry by the input's own text up to this component.
            const std::wstring found = platform.FindFirstEntry(sShortName.substr(0, end), entry_filter::kEverything);
            if (found.empty()) return {};
            longName += found;
        }
        position = end;
    }
    return longName;
}

}  // namespace shortex
