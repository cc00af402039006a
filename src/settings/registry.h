// The settings store: string values under registry keys named by full key paths such as
// "HKEY_CURRENT_USER\Software\Tandril\Shortex". Registry failures are never reported to the
// user; only a malformed key path is, with the "Incorrect Format:" box.
#pragma once

#include "common/message_boxes.h"

#include <string>

namespace shortex::registry {

// The value's text, whole and exactly as stored. "Error" when the key cannot be opened for
// reading or the value cannot be read or is not a REG_SZ; empty when the path has no root key.
std::wstring ReadRegValue(MessageBoxes& boxes, const std::wstring& keyPath, const std::wstring& name);

// Stores the text as a REG_SZ value in an existing key; a missing key is not created.
void WriteRegValue(MessageBoxes& boxes, const std::wstring& keyPath, const std::wstring& name,
                   const std::wstring& text);

// Creates the key and every missing key on its path; an existing key is left as it is.
void CreateRegKey(MessageBoxes& boxes, const std::wstring& keyPath);

}  // namespace shortex::registry
