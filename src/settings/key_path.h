// Key paths: a root name such as HKEY_CURRENT_USER, a backslash and a sub key path.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace shortex::registry {

// The predefined root keys, numbered as the registry API numbers their handles; 0 for none.
enum class RootKey : std::uint32_t {
    kNone = 0,
    kClassesRoot = 0x80000000,
    kCurrentUser,
    kLocalMachine,
    kUsers,
    kPerformanceData,
    kCurrentConfig,
    kDynData,
};

struct KeyPath {
    bool malformed = false;  // not "HKEY_..." or ending in a backslash: the user is told
    RootKey root = RootKey::kNone;
    std::wstring subKey;  // empty for the root itself
};

// The root key a root name stands for: the whole name, letter case included.
RootKey RootKeyFromName(std::wstring_view name);

// Splits a key path at its first backslash. A well-formed path whose root name is unknown has no
// root key, and is not malformed.
KeyPath ParseKeyPath(std::wstring_view keyPath);

// What the user is told of a malformed key path.
std::wstring IncorrectFormatText(std::wstring_view keyPath);

}  // namespace shortex::registry
