// The settings store on the real registry under Wine, in a key of its own.
#include "settings/registry.h"
#include "support/win_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace shortex::registry {
namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSub); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSub); }
    void Raw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kSub, name, type, data, bytes);
    }
    std::wstring Read(const wchar_t* name) { return ReadRegValue(boxes, kPath, name); }

    static constexpr const wchar_t* kSub = L"Software\\ShortexRegistryTest";
    static constexpr const wchar_t* kPath = L"HKEY_CURRENT_USER\\Software\\ShortexRegistryTest";
    testing::RecordedBoxes boxes;
};

TEST_F(RegistryTest, WritesNeedTheKeyAndReadsGiveBackExactlyWhatWasWritten) {
    EXPECT_EQ(Read(L"v"), L"Error");
    EXPECT_EQ(ReadRegValue(boxes, L"HKEY_CURRENT_USER", L"no such value"), L"Error");  // the root itself
    WriteRegValue(boxes, kPath, L"v", L"lost");
    CreateRegKey(boxes, kPath);
    EXPECT_EQ(Read(L"v"), L"Error");
    for (const std::wstring& text : {std::wstring(L"  C:\\Temp  "), std::wstring(), std::wstring(70000, L'\u0416')}) {
        WriteRegValue(boxes, kPath, L"v", text);
        EXPECT_EQ(Read(L"v"), text);
    }
    CreateRegKey(boxes, kPath);  // an existing key keeps its values
    EXPECT_EQ(Read(L"v").size(), 70000u);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryTest, OddDataAndOtherTypesReadAsTextOrError) {
    CreateRegKey(boxes, kPath);
    const wchar_t text[] = L"abc";
    const DWORD number = 7;
    Raw(L"odd", REG_SZ, text, 7);            // three and a half characters, no terminator
    Raw(L"unterminated", REG_SZ, text, 6);
    Raw(L"dword", REG_DWORD, &number, 4);
    Raw(L"expand", REG_EXPAND_SZ, L"%TEMP%", 14);
    EXPECT_EQ(Read(L"odd"), L"abc");
    EXPECT_EQ(Read(L"unterminated"), L"abc");
    EXPECT_EQ(Read(L"dword"), L"Error");
    EXPECT_EQ(Read(L"expand"), L"Error");
}

TEST_F(RegistryTest, AValueRewrittenWhileItIsReadComesBackWhole) {
    CreateRegKey(boxes, kPath);
    std::atomic<bool> done = false;
    std::thread writer([&] {
        for (std::size_t length = 1; !done; length = length % 5000 + 97)
            Raw(L"v", REG_SZ, std::wstring(length, L'x').c_str(), static_cast<DWORD>((length + 1) * 2));
    });
    for (int i = 0; i < 200; ++i) {
        const std::wstring value = Read(L"v");
        EXPECT_TRUE(value == L"Error" || value.find_first_not_of(L'x') == value.npos) << value.size();
    }
    done = true;
    writer.join();
}

TEST_F(RegistryTest, OnlyAMalformedKeyPathIsShownAndNothingIsTouched) {
    for (const std::wstring path : {L"hkey_current_user\\Software\\ShortexRegistryTest", L"HKEY_Current_User\\Software",
                                    L"HKEY_CURRENT_USER\\Software\\ShortexRegistryTest\\", L"HKEY"}) {
        CreateRegKey(boxes, path);
        EXPECT_EQ(ReadRegValue(boxes, path, L"v"), L"");
    }
    ASSERT_EQ(boxes.shown.size(), 6u);  // the well-formed path with an unknown root is silent
    EXPECT_EQ(boxes.shown[0].text, L"Incorrect Format:\n\nhkey_current_user\\Software\\ShortexRegistryTest");
    EXPECT_EQ(boxes.shown[0].title, L"Shortex");
    EXPECT_NE(::RegDeleteKeyW(HKEY_CURRENT_USER, kSub), ERROR_SUCCESS);  // nothing was made
}

}  // namespace
}  // namespace shortex::registry
