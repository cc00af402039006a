// The settings store: string values under registry keys named by full key paths such as
// "HKEY_CURRENT_USER\Software\Tandril\Shortex". Registry failures are never reported to the user;
// only a malformed key path is (see ParseKeyPath).
#pragma once

#include "key_path.h"
#include "registry_platform.h"

#include <string>

namespace shortex::registry {

class Registry {
public:
    Registry(RegistryPlatform& platform, MessageBoxes& boxes) : platform_(platform), boxes_(boxes) {}

    // The value's text, whole and exactly as stored. "Error" when the key cannot be opened for
    // reading, the value cannot be read or is not a REG_SZ; empty when the path has no root key.
    std::wstring ReadRegValue(const std::wstring& keyPath, const std::wstring& valueName) const;

    // Stores the text as a REG_SZ value in an existing key; a missing key is not created and the
    // write then does nothing.
    void WriteRegValue(const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& text) const;

    // Creates the key and every missing key on its path; an existing key is left as it is.
    void CreateRegKey(const std::wstring& keyPath) const;

private:
    RegistryPlatform& platform_;
    MessageBoxes& boxes_;
};

}  // namespace shortex::registry
