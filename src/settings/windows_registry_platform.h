// The settings store's registry services over the real Win32 API.
#pragma once

#include "registry_platform.h"

#include <windows.h>

namespace shortex::registry {

class WindowsRegistryPlatform final : public RegistryPlatform {
public:
    std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::wstring& subKey, KeyAccess access) override;
    std::unique_ptr<RegistryKey> CreateKey(RootKey root, const std::wstring& subKey) override;
};

// The predefined handle a root key stands for (sign-extended, as the SDK defines them).
HKEY ToHkey(RootKey root);

}  // namespace shortex::registry
