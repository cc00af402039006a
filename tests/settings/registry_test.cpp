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
    std::optional<std::wstring> Read(const wchar_t* name) { return ReadRegValue(HKEY_CURRENT_USER, kSub, name); }
    LSTATUS Write(const std::wstring& text) { return WriteRegValue(HKEY_CURRENT_USER, kSub, L"v", text); }

    static constexpr const wchar_t* kSub = L"Software\\ShortexRegistryTest";
};

TEST_F(RegistryTest, WritesNeedTheKeyAndReadsGiveBackTheTextStored) {
    EXPECT_EQ(Read(L"v"), std::nullopt);
    EXPECT_NE(Write(L"lost"), ERROR_SUCCESS);
    EXPECT_EQ(CreateRegKey(HKEY_CURRENT_USER, kSub), ERROR_SUCCESS);
    EXPECT_EQ(Read(L"v"), std::nullopt);
    for (const std::wstring& text : {std::wstring(L"  C:\\Temp  "), std::wstring(), std::wstring(70000, L'\u0416')}) {
        EXPECT_EQ(Write(text), ERROR_SUCCESS);
        EXPECT_EQ(Read(L"v"), text);
    }
    CreateRegKey(HKEY_CURRENT_USER, kSub);  // an existing key keeps its values
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

}  // namespace
}  // namespace shortex::registry
