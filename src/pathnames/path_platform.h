// The four file-system services that the path operations ask their questions through.
// Windows answers them with the real API; unit tests answer them from an in-memory volume.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace shortex {

// Attribute marks that the path operations look at (the values of FILE_ATTRIBUTE_*).
namespace attributes {
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kFolder = 0x10;
}  // namespace attributes

// Entry filters for FindFirstEntry: the marks among hidden, system and folder that may be set
// on an admitted entry. An entry with none of the three is always admitted.
namespace entry_filter {
inline constexpr std::uint32_t kFolders = attributes::kFolder;
inline constexpr std::uint32_t kEverything = attributes::kHidden | attributes::kSystem | attributes::kFolder;

constexpr bool Admits(std::uint32_t filter, std::uint32_t entryAttributes) {
    return (entryAttributes & kEverything & ~filter) == 0;
}
}  // namespace entry_filter

class PathPlatform {
public:
    virtual ~PathPlatform() = default;

    // GetShortPathNameW's contract. Writes the short form of longPath and a terminator into buffer
    // and answers its length when it fits in capacity (terminator included); answers the capacity
    // it needs when it does not (buffer content then undefined); answers 0 when there is none.
    virtual std::size_t ShortPathName(const std::wstring& longPath, wchar_t* buffer, std::size_t capacity) = 0;

    // PathUnquoteSpacesW's contract: when the NUL-terminated text both starts and ends with a double
    // quote, removes the two in place by moving the rest forward and ending it with a NUL.
    virtual void UnquoteSpaces(wchar_t* text) = 0;

    // The attribute word of the entry the path names, or nothing when it cannot be queried.
    virtual std::optional<std::uint32_t> GetPathAttributes(const std::wstring& path) = 0;

    // The long name, as stored, of the first entry of the pattern's folder that matches its last
    // component (wildcards * and ?, by long or short name, any letter case) and that the filter
    // admits; empty when there is none or the lookup fails. "." and ".." are never answered.
    virtual std::wstring FindFirstEntry(const std::wstring& pattern, std::uint32_t filter) = 0;

protected:
    PathPlatform() = default;
    PathPlatform(const PathPlatform&) = default;
    PathPlatform& operator=(const PathPlatform&) = default;
};

}  // namespace shortex
