#include "registry.h"

#include "common/unique_handle.h"
#include "key_path.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace shortex::registry {
namespace {

// The key the path names, opened (or made) with the access given; an empty handle when the path
// names no root key or the key cannot be opened.
UniqueHkey OpenKey(const KeyPath& path, REGSAM access, bool create = false) {
    UniqueHkey key;
    if (path.root == RootKey::kNone) return key;
    // The predefined handles are sign-extended, as the SDK defines them.
    const auto root = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(path.root)));
    if (create)
        ::RegCreateKeyExW(root, path.subKey.c_str(), 0, nullptr, 0, access, nullptr, key.put(), nullptr);
    else
        ::RegOpenKeyExW(root, path.subKey.c_str(), 0, access, key.put());
    return key;
}

// Only REG_SZ is read: the program writes nothing else. The data ends at its first NUL, or at its
// end when the writer left the terminator out; an odd last byte is half a character and dropped.
// A value that another program rewrites meanwhile is read again, a few times.
std::optional<std::wstring> ReadString(HKEY key, const std::wstring& name) {
    DWORD type = REG_NONE, bytes = 0;
    if (::RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return std::nullopt;
    for (int attempt = 0; attempt < 8 && type == REG_SZ; ++attempt) {
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        const auto capacity = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        bytes = capacity;
        const LSTATUS status =
            ::RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes);
        if (status == ERROR_SUCCESS && type == REG_SZ) {
            const auto end = buffer.begin() + std::min(bytes, capacity) / sizeof(wchar_t);
            return std::wstring(buffer.begin(), std::find(buffer.begin(), end, L'\0'));
        }
        if (status != ERROR_MORE_DATA || capacity > 0x7FFFFFFF) break;
        if (bytes <= capacity) bytes = capacity * 2;  // some sources answer no size at all
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::wstring> ReadRegValue(const KeyPath& key, const std::wstring& name) {
    const UniqueHkey open = OpenKey(key, KEY_READ);
    return open ? ReadString(open.get(), name) : std::nullopt;
}

void WriteRegValue(const KeyPath& key, const std::wstring& name, const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);  // with the terminating NUL
    const UniqueHkey open = OpenKey(key, KEY_WRITE);
    if (open && bytes <= MAXDWORD)
        ::RegSetValueExW(open.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(bytes));
}

void CreateRegKey(const KeyPath& key) {
    OpenKey(key, KEY_READ, true);  // closed as soon as it is made
}

}  // namespace shortex::registry
