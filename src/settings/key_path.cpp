#include "key_path.h"

#include "common/message_box.h"

#include <array>
#include <utility>

namespace shortex::registry {
namespace {

constexpr std::array<std::pair<std::wstring_view, RootKey>, 7> kRootNames{{
    {L"HKEY_CLASSES_ROOT", RootKey::kClassesRoot},
    {L"HKEY_CURRENT_USER", RootKey::kCurrentUser},
    {L"HKEY_LOCAL_MACHINE", RootKey::kLocalMachine},
    {L"HKEY_USERS", RootKey::kUsers},
    {L"HKEY_PERFORMANCE_DATA", RootKey::kPerformanceData},
    {L"HKEY_CURRENT_CONFIG", RootKey::kCurrentConfig},
    {L"HKEY_DYN_DATA", RootKey::kDynData},
}};

bool IsMalformed(std::wstring_view keyPath) {
    return !keyPath.starts_with(L"HKEY_") || keyPath.ends_with(L'\\');
}

}  // namespace

RootKey RootKeyFromName(std::wstring_view name) {
    for (const auto& [rootName, root] : kRootNames)
        if (name == rootName) return root;
    return RootKey::kNone;
}

KeyPath ParseKeyPath(const std::wstring& keyPath, MessageBoxes& boxes) {
    if (IsMalformed(keyPath)) {
        MessageBoxRequest box;
        box.text = L"Incorrect Format:\n\n" + keyPath;
        box.title = L"Shortex";
        box.style = box_style::kOk;
        boxes.Show(box);
        return {};
    }
    const auto backslash = keyPath.find(L'\\');
    if (backslash == std::wstring::npos) return {RootKeyFromName(keyPath), {}};
    return {RootKeyFromName(std::wstring_view(keyPath).substr(0, backslash)), keyPath.substr(backslash + 1)};
}

}  // namespace shortex::registry
