#include "settings/key_path.h"
#include "support/recording_message_boxes.h"

#include <gtest/gtest.h>

namespace shortex::registry {
namespace {

using testing::RecordingMessageBoxes;

TEST(RootKeyFromName, KnowsTheSevenRootsByTheirExactNames) {
    EXPECT_EQ(RootKeyFromName(L"HKEY_CLASSES_ROOT"), RootKey::kClassesRoot);
    EXPECT_EQ(RootKeyFromName(L"HKEY_CURRENT_USER"), RootKey::kCurrentUser);
    EXPECT_EQ(RootKeyFromName(L"HKEY_LOCAL_MACHINE"), RootKey::kLocalMachine);
    EXPECT_EQ(RootKeyFromName(L"HKEY_USERS"), RootKey::kUsers);
    EXPECT_EQ(RootKeyFromName(L"HKEY_PERFORMANCE_DATA"), RootKey::kPerformanceData);
    EXPECT_EQ(RootKeyFromName(L"HKEY_CURRENT_CONFIG"), RootKey::kCurrentConfig);
    EXPECT_EQ(RootKeyFromName(L"HKEY_DYN_DATA"), RootKey::kDynData);
    EXPECT_EQ(static_cast<std::uint32_t>(RootKey::kCurrentUser), 0x80000001u);
    EXPECT_EQ(static_cast<std::uint32_t>(RootKey::kDynData), 0x80000006u);
}

TEST(RootKeyFromName, NamesNothingUnlessTheWholeNameMatchesInItsCase) {
    for (const wchar_t* name : {L"hkey_current_user", L"HKEY_Current_User", L"HKCU", L"HKEY_CURRENT_USER ",
                                L" HKEY_CURRENT_USER", L"HKEY_CURRENT_USERS", L"HKEY_CURRENT", L"HKEY_", L""}) {
        SCOPED_TRACE(::testing::Message() << "name " << ::testing::PrintToString(std::wstring(name)));
        EXPECT_EQ(RootKeyFromName(name), RootKey::kNone);
    }
}

TEST(ParseKeyPath, SplitsAtTheFirstBackslash) {
    RecordingMessageBoxes boxes;
    const KeyPath path = ParseKeyPath(L"HKEY_CURRENT_USER\\Software\\Tandril\\Shortex", boxes);
    EXPECT_EQ(path.root, RootKey::kCurrentUser);
    EXPECT_EQ(path.subKey, L"Software\\Tandril\\Shortex");

    const KeyPath machine = ParseKeyPath(L"HKEY_LOCAL_MACHINE\\Software", boxes);
    EXPECT_EQ(machine.root, RootKey::kLocalMachine);
    EXPECT_EQ(machine.subKey, L"Software");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(ParseKeyPath, ARootNameAloneIsTheRootWithAnEmptySubKey) {
    RecordingMessageBoxes boxes;
    const KeyPath path = ParseKeyPath(L"HKEY_CURRENT_USER", boxes);
    EXPECT_EQ(path.root, RootKey::kCurrentUser);
    EXPECT_EQ(path.subKey, L"");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(ParseKeyPath, AnUnknownRootOfTheRightShapeNamesNothingSilently) {
    RecordingMessageBoxes boxes;
    EXPECT_EQ(ParseKeyPath(L"HKEY_Current_User\\Software", boxes).root, RootKey::kNone);
    EXPECT_EQ(ParseKeyPath(L"HKEY_NOWHERE", boxes).root, RootKey::kNone);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(ParseKeyPath, AMalformedPathIsShownInAnIncorrectFormatBox) {
    for (const std::wstring keyPath : {L"hkey_current_user\\Software", L"HKEY_CURRENT_USER\\Software\\",
                                       L"HKEY_CURRENT_USER\\", L"Software\\HKEY_CURRENT_USER", L"HKEY", L""}) {
        SCOPED_TRACE(::testing::Message() << "key path " << ::testing::PrintToString(keyPath));
        RecordingMessageBoxes boxes;
        EXPECT_EQ(ParseKeyPath(keyPath, boxes).root, RootKey::kNone);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, L"Incorrect Format:\n\n" + keyPath);
        EXPECT_EQ(boxes.shown[0].title, L"Shortex");
        EXPECT_EQ(boxes.shown[0].style, box_style::kOk);
    }
}

}  // namespace
}  // namespace shortex::registry
