#include "memory_registry.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <stdexcept>

namespace shortex::testing {
namespace {

using registry::KeyAccess;
using registry::RootKey;
using registry::Status;
namespace status = registry::status;

std::wstring Folded(std::wstring_view text) {
    std::wstring folded(text);
    for (auto& c : folded) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return folded;
}

constexpr RootKey kRoots[] = {RootKey::kClassesRoot,      RootKey::kCurrentUser,   RootKey::kLocalMachine,
                              RootKey::kUsers,            RootKey::kPerformanceData, RootKey::kCurrentConfig,
                              RootKey::kDynData};

}  // namespace

RegistryValue StringValue(std::wstring_view text, bool terminated) {
    const std::size_t characters = text.size() + (terminated ? 1 : 0);
    RegistryValue value{registry::value_type::kString, std::vector<std::byte>(characters * sizeof(wchar_t))};
    if (!text.empty()) std::memcpy(value.data.data(), text.data(), text.size() * sizeof(wchar_t));
    return value;
}

// A key handed out to the code under test; it keeps the registry's count of open keys.
class MemoryRegistry::OpenedKey final : public registry::RegistryKey {
public:
    OpenedKey(MemoryRegistry& registry, KeyName name, bool canRead, bool canWrite)
        : registry_(registry), name_(std::move(name)), canRead_(canRead), canWrite_(canWrite) {
        ++registry_.openKeys_;
    }
    ~OpenedKey() override { --registry_.openKeys_; }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    Status QueryValue(const std::wstring& name, std::uint32_t& type, std::byte* data, std::uint32_t& size) override {
        const Status result = Answer(name, type, data, size);
        if (auto change = std::exchange(registry_.afterNextQuery_, {})) change();
        return result;
    }

    Status SetStringValue(const std::wstring& name, const std::byte* data, std::uint32_t size) override {
        if (!canWrite_) return status::kAccessDenied;
        Key* key = registry_.Find(name_);
        if (!key) return status::kFileNotFound;
        key->values[Folded(name)] = {registry::value_type::kString, std::vector<std::byte>(data, data + size)};
        return status::kSuccess;
    }

private:
    Status Answer(const std::wstring& name, std::uint32_t& type, std::byte* data, std::uint32_t& size) const {
        if (!canRead_) return status::kAccessDenied;
        const Key* key = registry_.Find(name_);
        if (!key) return status::kFileNotFound;
        const auto found = key->values.find(Folded(name));
        if (found == key->values.end()) return status::kFileNotFound;
        const auto& value = found->second;
        type = value.type;
        const auto needed = static_cast<std::uint32_t>(value.data.size());
        const bool fits = size >= needed;
        size = needed;
        if (!data) return status::kSuccess;
        if (!fits) return status::kMoreData;
        std::copy(value.data.begin(), value.data.end(), data);
        return status::kSuccess;
    }

    MemoryRegistry& registry_;
    KeyName name_;
    bool canRead_;
    bool canWrite_;
};

MemoryRegistry::MemoryRegistry() {
    for (RootKey root : kRoots) keys_[{root, L""}];
}

std::optional<MemoryRegistry::KeyName> MemoryRegistry::NameOf(RootKey root, const std::wstring& subKey) {
    if (subKey.starts_with(L'\\') || subKey.ends_with(L'\\') || subKey.find(L"\\\\") != std::wstring::npos)
        return std::nullopt;
    return KeyName{root, Folded(subKey)};
}

MemoryRegistry::Key* MemoryRegistry::Find(const KeyName& name) {
    const auto found = keys_.find(name);
    return found == keys_.end() ? nullptr : &found->second;
}

MemoryRegistry::Key& MemoryRegistry::At(RootKey root, const std::wstring& subKey) {
    const auto name = NameOf(root, subKey);
    Key* key = name ? Find(*name) : nullptr;
    if (!key) throw std::invalid_argument("no such key in the memory registry");
    return *key;
}

MemoryRegistry& MemoryRegistry::AddKey(RootKey root, const std::wstring& subKey) {
    if (!CreateKey(root, subKey)) throw std::invalid_argument("key cannot be added to the memory registry");
    --calls_;  // setting up is not a call of the code under test
    return *this;
}

MemoryRegistry& MemoryRegistry::SetValue(RootKey root, const std::wstring& subKey, const std::wstring& name,
                                         RegistryValue value) {
    At(root, subKey).values[Folded(name)] = std::move(value);
    return *this;
}

MemoryRegistry& MemoryRegistry::RemoveValue(RootKey root, const std::wstring& subKey, const std::wstring& name) {
    At(root, subKey).values.erase(Folded(name));
    return *this;
}

MemoryRegistry& MemoryRegistry::Deny(RootKey root, const std::wstring& subKey, KeyAccess access) {
    Key& key = At(root, subKey);
    (access == KeyAccess::kRead ? key.readable : key.writable) = false;
    return *this;
}

MemoryRegistry& MemoryRegistry::AfterNextQuery(std::function<void()> change) {
    afterNextQuery_ = std::move(change);
    return *this;
}

bool MemoryRegistry::HasKey(RootKey root, const std::wstring& subKey) const {
    const auto name = NameOf(root, subKey);
    return name && keys_.contains(*name);
}

std::optional<RegistryValue> MemoryRegistry::GetValue(RootKey root, const std::wstring& subKey,
                                                      const std::wstring& name) const {
    const auto key = NameOf(root, subKey);
    if (!key || !keys_.contains(*key)) return std::nullopt;
    const auto& values = keys_.at(*key).values;
    const auto found = values.find(Folded(name));
    if (found == values.end()) return std::nullopt;
    return found->second;
}

std::unique_ptr<registry::RegistryKey> MemoryRegistry::Open(const KeyName& name, bool canRead, bool canWrite) {
    return std::make_unique<OpenedKey>(*this, name, canRead, canWrite);
}

std::unique_ptr<registry::RegistryKey> MemoryRegistry::OpenKey(RootKey root, const std::wstring& subKey,
                                                               KeyAccess access) {
    ++calls_;
    const auto name = NameOf(root, subKey);
    const Key* key = name ? Find(*name) : nullptr;
    if (!key) return nullptr;
    const bool reading = access == KeyAccess::kRead;
    if (!(reading ? key->readable : key->writable)) return nullptr;
    return Open(*name, reading, !reading);
}

std::unique_ptr<registry::RegistryKey> MemoryRegistry::CreateKey(RootKey root, const std::wstring& subKey) {
    ++calls_;
    const auto name = NameOf(root, subKey);
    if (!name || !Find({root, L""})) return nullptr;
    // Walk down from the root: the first missing key needs a writable parent, and everything
    // below it is new.
    const Key* parent = Find({root, L""});
    std::size_t end = 0;
    while (end < name->second.size()) {
        end = name->second.find(L'\\', end + 1);
        if (end == std::wstring::npos) end = name->second.size();
        const KeyName step{root, name->second.substr(0, end)};
        if (const Key* existing = Find(step)) {
            parent = existing;
            continue;
        }
        if (!parent->writable) return nullptr;
        parent = &keys_[step];
    }
    if (!parent->readable) return nullptr;
    return Open(*name, true, false);
}

}  // namespace shortex::testing
