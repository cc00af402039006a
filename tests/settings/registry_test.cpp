// The settings store on the real registry under Wine, in a key of its own.
#include "settings/registry.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace shortex::registry {
namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSub); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSub); }
    void Raw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kSub, name, type, data, bytes);
    }
    std::optional<std::wstring> Read(const wchar_t* name) { return ReadRegValue(key, name); }

    static constexpr const wchar_t* kSub = L"Software\\ShortexRegistryTest";
    const KeyPath key = ParseKeyPath(L"HKEY_CURRENT_USER\\Software\\ShortexRegistryTest");
};

TEST_F(RegistryTest, WritesNeedTheKeyAndReadsGiveBackTheTextStored) {
    EXPECT_EQ(Read(L"v"), std::nullopt);
    EXPECT_EQ(ReadRegValue(ParseKeyPath(L"HKEY_CURRENT_USER"), L"no such value"), std::nullopt);  // the root itself
    WriteRegValue(key, L"v", L"lost");
    CreateRegKey(key);
    EXPECT_EQ(Read(L"v"), std::nullopt);
    for (const std::wstring& text : {std::wstring(L"  C:\\Temp  "), std::wstring(), std::wstring(70000, L'\u0416')}) {
        WriteRegValue(key, L"v", text);
        EXPECT_EQ(Read(L"v"), text);
    }
    CreateRegKey(key);  // an existing key keeps its values
    EXPECT_EQ(Read(L"v")->size(), 70000u);
    const wchar_t text[] = L"abc";  // odd data reads as text, other types as nothing
    const DWORD number = 7;
    Raw(L"odd", REG_SZ, text, 7);  // three and a half characters, no terminator
    Raw(L"unterminated", REG_SZ, text, 6);
    Raw(L"dword", REG_DWORD, &number, 4);
    Raw(L"expand", REG_EXPAND_SZ, L"%TEMP%", 14);
    EXPECT_EQ(Read(L"odd"), L"abc");
    EXPECT_EQ(Read(L"unterminated"), L"abc");
    EXPECT_EQ(Read(L"dword"), std::nullopt);
    EXPECT_EQ(Read(L"expand"), std::nullopt);
}

TEST_F(RegistryTest, AKeyPathWithoutARootKeyTouchesNothing) {
    for (const wchar_t* path : {L"hkey_current_user\\Software\\ShortexRegistryTest", L"HKEY_Current_User\\Software",
                                L"HKEY_CURRENT_USER\\Software\\ShortexRegistryTest\\", L"HKEY"}) {
        const KeyPath parsed = ParseKeyPath(path);
        EXPECT_EQ(parsed.malformed, !std::wstring_view(path).starts_with(L"HKEY_Current_User")) << path;
        CreateRegKey(parsed);
        EXPECT_EQ(ReadRegValue(parsed, L"v"), std::nullopt);
    }
    EXPECT_NE(::RegDeleteKeyW(HKEY_CURRENT_USER, kSub), ERROR_SUCCESS);  // nothing was made
}

}  // namespace
}  // namespace shortex::registry
