#include "key_path.h"

#include <array>

namespace shortex::registry {

RootKey RootKeyFromName(std::wstring_view name) {
    static constexpr std::array<std::wstring_view, 7> kNames{
        L"HKEY_CLASSES_ROOT",     L"HKEY_CURRENT_USER",   L"HKEY_LOCAL_MACHINE", L"HKEY_USERS",
        L"HKEY_PERFORMANCE_DATA", L"HKEY_CURRENT_CONFIG", L"HKEY_DYN_DATA"};
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (name == kNames[i]) return static_cast<RootKey>(static_cast<std::uint32_t>(RootKey::kClassesRoot) + i);
    return RootKey::kNone;
}

KeyPath ParseKeyPath(std::wstring_view keyPath) {
    if (!keyPath.starts_with(L"HKEY_") || keyPath.ends_with(L'\\')) return {true, RootKey::kNone, {}};
    const auto backslash = keyPath.find(L'\\');
    if (backslash == std::wstring_view::npos) return {false, RootKeyFromName(keyPath), {}};
    return {false, RootKeyFromName(keyPath.substr(0, backslash)), std::wstring(keyPath.substr(backslash + 1))};
}

std::wstring IncorrectFormatText(std::wstring_view keyPath) { return L"Incorrect Format:\n\n" + std::wstring(keyPath); }

}  // namespace shortex::registry
