#include "registry.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace shortex::registry {
namespace {

constexpr std::wstring_view kReadError = L"Error";

constexpr std::uint32_t kMaxBytes = std::numeric_limits<std::uint32_t>::max() - sizeof(wchar_t);

// A value another process keeps rewriting could otherwise keep the read going for ever.
constexpr int kReadAttempts = 8;

// The text of REG_SZ data: it ends at the first NUL, or at the end of the data when the writer left
// the terminator out. An odd last byte is half a character and is dropped.
std::wstring TextOf(const std::vector<wchar_t>& buffer, std::uint32_t bytes) {
    const auto end = buffer.begin() + bytes / sizeof(wchar_t);
    return std::wstring(buffer.begin(), std::find(buffer.begin(), end, L'\0'));
}

// Only REG_SZ is read: the program writes nothing else, and a REG_EXPAND_SZ would want its
// %variables% expanded, which no caller expects.
std::optional<std::wstring> ReadString(RegistryKey& key, const std::wstring& name) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (key.QueryValue(name, type, nullptr, size) != status::kSuccess) return std::nullopt;
    std::uint64_t needed = size;
    for (int attempt = 0; attempt < kReadAttempts && type == value_type::kString && needed <= kMaxBytes; ++attempt) {
        // Whole characters, with room for a last odd byte.
        std::vector<wchar_t> buffer(needed / sizeof(wchar_t) + 1, L'\0');
        const auto capacity = static_cast<std::uint32_t>(buffer.size() * sizeof(wchar_t));
        std::uint32_t bytes = capacity;
        const Status result = key.QueryValue(name, type, reinterpret_cast<std::byte*>(buffer.data()), bytes);
        if (result == status::kSuccess) {
            if (type != value_type::kString) break;
            return TextOf(buffer, std::min(bytes, capacity));
        }
        if (result != status::kMoreData) break;
        // The value grew since it was measured; some sources answer no size at all.
        needed = bytes > capacity ? bytes : std::uint64_t{capacity} * 2;
    }
    return std::nullopt;
}

}  // namespace

std::wstring Registry::ReadRegValue(const std::wstring& keyPath, const std::wstring& valueName) const {
    const KeyPath path = ParseKeyPath(keyPath, boxes_);
    if (path.root == RootKey::kNone) return {};
    const auto key = platform_.OpenKey(path.root, path.subKey, KeyAccess::kRead);
    if (!key) return std::wstring(kReadError);
    return ReadString(*key, valueName).value_or(std::wstring(kReadError));
}

void Registry::WriteRegValue(const std::wstring& keyPath, const std::wstring& valueName,
                             const std::wstring& text) const {
    const KeyPath path = ParseKeyPath(keyPath, boxes_);
    if (path.root == RootKey::kNone) return;
    // REG_SZ data carries its terminating NUL, which c_str() provides.
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (bytes > kMaxBytes) return;
    const auto key = platform_.OpenKey(path.root, path.subKey, KeyAccess::kWrite);
    if (!key) return;
    key->SetStringValue(valueName, reinterpret_cast<const std::byte*>(text.c_str()), static_cast<std::uint32_t>(bytes));
}

void Registry::CreateRegKey(const std::wstring& keyPath) const {
    const KeyPath path = ParseKeyPath(keyPath, boxes_);
    if (path.root == RootKey::kNone) return;
    platform_.CreateKey(path.root, path.subKey);  // the key is closed as soon as it is made
}

}  // namespace shortex::registry
