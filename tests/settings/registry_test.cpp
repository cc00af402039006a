// The settings store on the real registry under Wine, in a key of its own.
#include "settings/registry.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace shortex::registry {
namespace {

TEST(Registry, WritesNeedTheKeyAndReadsGiveBackTheTextStored) {
    const HKEY user = HKEY_CURRENT_USER;
    const wchar_t* const sub = L"Software\\ShortexRegistryTest";
    ::RegDeleteTreeW(user, sub);
    EXPECT_EQ(ReadRegValue(user, sub, L"v"), std::nullopt);
    EXPECT_NE(WriteRegValue(user, sub, L"v", L"lost"), ERROR_SUCCESS);
    EXPECT_EQ(CreateRegKey(user, sub), ERROR_SUCCESS);
    EXPECT_EQ(ReadRegValue(user, sub, L"v"), std::nullopt);
    for (const std::wstring& text : {std::wstring(L"  C:\\Temp  "), std::wstring(), std::wstring(70000, L'\u0416')}) {
        EXPECT_EQ(WriteRegValue(user, sub, L"v", text), ERROR_SUCCESS);
        EXPECT_EQ(ReadRegValue(user, sub, L"v"), text);
    }
    CreateRegKey(user, sub);  // an existing key keeps its values
    EXPECT_EQ(ReadRegValue(user, sub, L"v")->size(), 70000u);
    const struct {
        const wchar_t* name;
        DWORD type, bytes;
        std::optional<std::wstring> read;
    } raw[] = {{L"odd", REG_SZ, 7, L"abc"},  // three and a half characters, no terminator
               {L"unterminated", REG_SZ, 6, L"abc"},
               {L"dword", REG_DWORD, 4, std::nullopt},
               {L"expand", REG_EXPAND_SZ, 8, std::nullopt}};
    for (const auto& r : raw) {
        ::RegSetKeyValueW(user, sub, r.name, r.type, L"abc", r.bytes);
        EXPECT_EQ(ReadRegValue(user, sub, r.name), r.read) << r.name;
    }
    ::RegDeleteTreeW(user, sub);
}

}  // namespace
}  // namespace shortex::registry
