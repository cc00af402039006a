// The registry services that the settings store asks its questions through.
// Windows answers them with the real API; unit tests answer them from an in-memory registry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace shortex::registry {

// The predefined root keys, numbered as the registry API numbers their handles.
enum class RootKey : std::uint32_t {
    kNone = 0,
    kClassesRoot = 0x80000000,
    kCurrentUser = 0x80000001,
    kLocalMachine = 0x80000002,
    kUsers = 0x80000003,
    kPerformanceData = 0x80000004,
    kCurrentConfig = 0x80000005,
    kDynData = 0x80000006,
};

enum class KeyAccess { kRead, kWrite };

// Status codes as the registry API answers them (the Win32 error numbers).
using Status = std::int32_t;
namespace status {
inline constexpr Status kSuccess = 0;
inline constexpr Status kFileNotFound = 2;
inline constexpr Status kAccessDenied = 5;
inline constexpr Status kMoreData = 234;
}  // namespace status

// Value types (the values of REG_*).
namespace value_type {
inline constexpr std::uint32_t kString = 1;        // REG_SZ
inline constexpr std::uint32_t kExpandString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t kBinary = 3;        // REG_BINARY
inline constexpr std::uint32_t kDword = 4;         // REG_DWORD
}  // namespace value_type

// An open key. Destroying it closes it.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // RegQueryValueExW's contract. Answers the value's type and size in bytes. With data, also
    // copies the value's bytes there when size (in: the buffer's capacity in bytes) holds them;
    // when it does not, answers kMoreData with the size needed. Without data, answers the size only.
    virtual Status QueryValue(const std::wstring& name, std::uint32_t& type, std::byte* data,
                              std::uint32_t& size) = 0;

    // RegSetValueExW's contract for a REG_SZ value: stores size bytes of data as the value's data.
    virtual Status SetStringValue(const std::wstring& name, const std::byte* data, std::uint32_t size) = 0;

protected:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = default;
    RegistryKey& operator=(const RegistryKey&) = default;
};

class RegistryPlatform {
public:
    virtual ~RegistryPlatform() = default;

    // Opens an existing key below root (the root itself for an empty sub key path); null when it
    // cannot be opened with that access.
    virtual std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::wstring& subKey, KeyAccess access) = 0;

    // Creates the key and every missing key on its path, or opens it when it exists, for reading;
    // null when that fails.
    virtual std::unique_ptr<RegistryKey> CreateKey(RootKey root, const std::wstring& subKey) = 0;

protected:
    RegistryPlatform() = default;
    RegistryPlatform(const RegistryPlatform&) = default;
    RegistryPlatform& operator=(const RegistryPlatform&) = default;
};

}  // namespace shortex::registry
