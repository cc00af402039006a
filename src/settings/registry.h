// The settings store: string values under a registry key named by a parsed key path such as
// "HKEY_CURRENT_USER\Software\Tandril\Shortex". Registry failures are never reported to the user.
#pragma once

#include "key_path.h"

#include <optional>
#include <string>

namespace shortex::registry {

// The value's text, whole and exactly as stored; nothing when the path names no root key, the key
// cannot be opened for reading, or the value is missing, unreadable or no REG_SZ.
std::optional<std::wstring> ReadRegValue(const KeyPath& key, const std::wstring& name);

// Stores the text as a REG_SZ value in an existing key; a missing key is not created.
void WriteRegValue(const KeyPath& key, const std::wstring& name, const std::wstring& text);

// Creates the key and every missing key on its path; an existing key is left as it is.
void CreateRegKey(const KeyPath& key);

}  // namespace shortex::registry
