// String values in the registry: the program's settings, and the Explorer menu's keys.
#pragma once

#include "pathnames/path_forms.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace shortex::registry {

// The program's settings key, under HKEY_CURRENT_USER.
inline constexpr wchar_t kSettingsKey[] = L"Software\\Tandril\\Shortex";

// A value exactly as stored: its type and its bytes.
struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
};
std::optional<StoredValue> ReadStoredValue(HKEY root, const wchar_t* subKey, const wchar_t* name);
LSTATUS WriteStoredValue(HKEY root, const wchar_t* subKey, const wchar_t* name, const StoredValue& value);

// The text of a string value's bytes: up to the first NUL, the whole when it has none; and back.
std::wstring TextOf(const StoredValue& value);
StoredValue StoredText(DWORD type, const std::wstring& text);

// The value's text, whole and exactly as stored; nothing when the key cannot be opened for
// reading, or the value is missing, unreadable or no REG_SZ.
std::optional<std::wstring> ReadRegValue(HKEY root, const wchar_t* subKey, const wchar_t* name);

// Stores the text as a REG_SZ value in an existing key (a missing key is not created); the status.
LSTATUS WriteRegValue(HKEY root, const wchar_t* subKey, const wchar_t* name, const std::wstring& text);

// Creates the key and every missing key on its path; an existing key is left as it is.
LSTATUS CreateRegKey(HKEY root, const wchar_t* subKey);

// The form the window's Copy, Explorer's verb, Send To and --copy copy paths in, as the Copy menu
// left it. A value missing or unknown gives that part as it always was (Windows, no quotes, ...).
CopyForm ReadCopyForm();
void WriteCopyForm(const CopyForm& form);

}  // namespace shortex::registry
