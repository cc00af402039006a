#include "windows_registry_platform.h"

#include "common/unique_handle.h"

#include <utility>

namespace shortex::registry {
namespace {

class WindowsKey final : public RegistryKey {
public:
    explicit WindowsKey(UniqueHkey key) : key_(std::move(key)) {}

    Status QueryValue(const std::wstring& name, std::uint32_t& type, std::byte* data, std::uint32_t& size) override {
        DWORD valueType = REG_NONE;
        DWORD bytes = size;
        const LSTATUS result =
            ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &valueType, reinterpret_cast<BYTE*>(data), &bytes);
        type = valueType;
        size = bytes;
        return result;
    }

    Status SetStringValue(const std::wstring& name, const std::byte* data, std::uint32_t size) override {
        return ::RegSetValueExW(key_.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data), size);
    }

private:
    UniqueHkey key_;
};

}  // namespace

HKEY ToHkey(RootKey root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

std::unique_ptr<RegistryKey> WindowsRegistryPlatform::OpenKey(RootKey root, const std::wstring& subKey,
                                                              KeyAccess access) {
    const REGSAM rights = access == KeyAccess::kRead ? KEY_READ : KEY_WRITE;
    UniqueHkey key;
    if (::RegOpenKeyExW(ToHkey(root), subKey.c_str(), 0, rights, key.put()) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<WindowsKey>(std::move(key));
}

std::unique_ptr<RegistryKey> WindowsRegistryPlatform::CreateKey(RootKey root, const std::wstring& subKey) {
    UniqueHkey key;
    // Reading is the least access that still lets an existing key be opened.
    if (::RegCreateKeyExW(ToHkey(root), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ, nullptr,
                          key.put(), nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<WindowsKey>(std::move(key));
}

}  // namespace shortex::registry
