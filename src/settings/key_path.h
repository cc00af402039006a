// Key paths: a root name such as HKEY_CURRENT_USER, a backslash and a sub key path.
#pragma once

#include "registry_platform.h"

#include <string>
#include <string_view>

namespace shortex {
class MessageBoxes;
}

namespace shortex::registry {

struct KeyPath {
    RootKey root = RootKey::kNone;
    std::wstring subKey;  // may hold further backslashes; empty for the root itself
};

// The root key a root name stands for: the whole name must match exactly, letter case included.
RootKey RootKeyFromName(std::wstring_view name);

// Splits a key path at its first backslash. A path that does not start with "HKEY_" or that ends
// in a backslash is malformed: the user is shown an "Incorrect Format:" box and the answer has no
// root key. A well-formed path whose root name is unknown has no root key either, silently.
KeyPath ParseKeyPath(const std::wstring& keyPath, MessageBoxes& boxes);

}  // namespace shortex::registry
