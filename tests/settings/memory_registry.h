// An in-memory registry that answers the settings store as Windows does, for unit tests: keys
// below the seven roots (names compared without regard to letter case), values of any type with
// raw data, keys that refuse reading or writing, and a count of the keys left open.
// String data is held in wchar_t units, UTF-16 on Windows and wider on other hosts.
#pragma once

#include "settings/registry_platform.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace shortex::testing {

struct RegistryValue {
    std::uint32_t type = registry::value_type::kString;
    std::vector<std::byte> data;
};

// REG_SZ data for the text, with its terminating NUL or, as careless writers store it, without.
RegistryValue StringValue(std::wstring_view text, bool terminated = true);

class MemoryRegistry final : public registry::RegistryPlatform {
public:
    using RootKey = registry::RootKey;

    MemoryRegistry();

    // Adds the key and every missing key on its path.
    MemoryRegistry& AddKey(RootKey root, const std::wstring& subKey);
    // Stores a value in an existing key, replacing one of the same name.
    MemoryRegistry& SetValue(RootKey root, const std::wstring& subKey, const std::wstring& name, RegistryValue value);
    MemoryRegistry& RemoveValue(RootKey root, const std::wstring& subKey, const std::wstring& name);
    // Opening the key with that access is refused; refusing writes also refuses new keys below it.
    MemoryRegistry& Deny(RootKey root, const std::wstring& subKey, registry::KeyAccess access);
    // Runs once, just after the next value query has taken its answer: a change that another
    // process makes between the calls of one read.
    MemoryRegistry& AfterNextQuery(std::function<void()> change);

    bool HasKey(RootKey root, const std::wstring& subKey) const;
    std::optional<RegistryValue> GetValue(RootKey root, const std::wstring& subKey, const std::wstring& name) const;
    int openKeys() const { return openKeys_; }
    int calls() const { return calls_; }  // OpenKey and CreateKey calls so far

    std::unique_ptr<registry::RegistryKey> OpenKey(RootKey root, const std::wstring& subKey,
                                                   registry::KeyAccess access) override;
    std::unique_ptr<registry::RegistryKey> CreateKey(RootKey root, const std::wstring& subKey) override;

private:
    using KeyName = std::pair<RootKey, std::wstring>;  // the sub key path in upper case
    struct Key {
        std::map<std::wstring, RegistryValue> values;  // by name in upper case
        bool readable = true;
        bool writable = true;
    };
    class OpenedKey;

    static std::optional<KeyName> NameOf(RootKey root, const std::wstring& subKey);
    Key* Find(const KeyName& name);
    Key& At(RootKey root, const std::wstring& subKey);
    std::unique_ptr<registry::RegistryKey> Open(const KeyName& name, bool canRead, bool canWrite);

    std::map<KeyName, Key> keys_;
    std::function<void()> afterNextQuery_;
    int openKeys_ = 0;
    int calls_ = 0;
};

}  // namespace shortex::testing
