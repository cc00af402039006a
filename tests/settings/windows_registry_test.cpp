// The settings store over the real registry, under a throw-away key of the current user.
#include "common/unique_handle.h"
#include "support/recording_message_boxes.h"
#include "settings/registry.h"
#include "settings/windows_registry_platform.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace shortex::registry {
namespace {

using testing::RecordingMessageBoxes;

const std::wstring kTestRoot = L"Software\\ShortexTest";

std::wstring Digits(std::size_t length) {
    std::wstring text(length, L'0');
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<wchar_t>(L'0' + i % 10);
    return text;
}

class RealRegistry : public ::testing::Test {
protected:
    RealRegistry()
        : subKey(kTestRoot + L"\\" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                 std::to_wstring(::GetTickCount64())),
          keyPath(L"HKEY_CURRENT_USER\\" + subKey) {}

    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, subKey.c_str());
        registry.CreateRegKey(keyPath);
        ASSERT_TRUE(OpenRaw(subKey)) << "the test key could not be made";
    }

    void TearDown() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, subKey.c_str());
        ::RegDeleteKeyW(HKEY_CURRENT_USER, kTestRoot.c_str());  // only once no other run uses it
        EXPECT_TRUE(boxes.shown.empty());
    }

    static UniqueHkey OpenRaw(const std::wstring& path, REGSAM access = KEY_READ) {
        UniqueHkey key;
        ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, key.put());
        return key;
    }

    void SetRaw(const std::wstring& name, DWORD type, const void* data, DWORD bytes) {
        const UniqueHkey key = OpenRaw(subKey, KEY_WRITE);
        ASSERT_EQ(::RegSetValueExW(key.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes),
                  ERROR_SUCCESS);
    }

    const std::wstring subKey;
    const std::wstring keyPath;
    WindowsRegistryPlatform platform;
    RecordingMessageBoxes boxes;
    Registry registry{platform, boxes};
};

class RealRegistryLengths : public RealRegistry, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(RealRegistryLengths, AValueOfAnyLengthReadsBackWholeAndIsStoredTerminated) {
    const std::wstring text = Digits(GetParam());
    registry.WriteRegValue(keyPath, L"PreviousPath", text);
    EXPECT_EQ(registry.ReadRegValue(keyPath, L"PreviousPath"), text);

    DWORD type = REG_NONE, bytes = 0;
    const UniqueHkey key = OpenRaw(subKey);
    ASSERT_EQ(::RegQueryValueExW(key.get(), L"PreviousPath", nullptr, &type, nullptr, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, (text.size() + 1) * sizeof(wchar_t));
}

INSTANTIATE_TEST_SUITE_P(Lengths, RealRegistryLengths, ::testing::Values(0u, 254u, 255u, 300u, 40000u));

TEST_F(RealRegistry, SpacesAndNonAsciiTextReadBackExactly) {
    for (const std::wstring text : {L"  C:\\Temp", L"C:\\Temp  ", L"Привет, мир — 日本語のパス 😀"}) {
        SCOPED_TRACE(::testing::Message() << "length " << text.size());
        registry.WriteRegValue(keyPath, L"PreviousPath", text);
        EXPECT_EQ(registry.ReadRegValue(keyPath, L"PreviousPath"), text);
    }
}

TEST_F(RealRegistry, MissingValuesMissingKeysAndNumbersReadAsError) {
    EXPECT_EQ(registry.ReadRegValue(keyPath, L"Startup"), L"Error");
    EXPECT_EQ(registry.ReadRegValue(keyPath + L"\\Missing", L"Startup"), L"Error");
    const DWORD number = 1200;
    SetRaw(L"Top", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(registry.ReadRegValue(keyPath, L"Top"), L"Error");
}

TEST_F(RealRegistry, StringDataWithoutTerminatorOrOfOddLengthReadsAsItsWholeCharacters) {
    // No NUL follows the counted characters, so the registry has none to add to them.
    const wchar_t unterminated[] = L"C:\\Tempx";
    SetRaw(L"Even", REG_SZ, unterminated, 7 * sizeof(wchar_t));
    SetRaw(L"Odd", REG_SZ, unterminated, 7 * sizeof(wchar_t) + 1);
    EXPECT_EQ(registry.ReadRegValue(keyPath, L"Even"), L"C:\\Temp");
    EXPECT_EQ(registry.ReadRegValue(keyPath, L"Odd"), L"C:\\Temp");
}

TEST_F(RealRegistry, WritingBeforeTheKeyExistsDoesNothingUntilItIsCreated) {
    const std::wstring later = keyPath + L"\\Later";
    registry.WriteRegValue(later, L"Startup", L"1");
    EXPECT_FALSE(OpenRaw(subKey + L"\\Later"));

    registry.CreateRegKey(later);
    registry.WriteRegValue(later, L"Startup", L"1");
    EXPECT_EQ(registry.ReadRegValue(later, L"Startup"), L"1");
}

TEST_F(RealRegistry, CreatingMakesNestedMissingKeys) {
    registry.CreateRegKey(keyPath + L"\\A\\B\\C");
    EXPECT_TRUE(OpenRaw(subKey + L"\\A\\B\\C"));
}

TEST_F(RealRegistry, ARootNameAloneOpensTheRootAndLeavesItUsable) {
    registry.CreateRegKey(L"HKEY_CURRENT_USER");
    EXPECT_EQ(registry.ReadRegValue(L"HKEY_CURRENT_USER", L"ShortexTestNoSuchValue"), L"Error");
    registry.WriteRegValue(keyPath, L"Startup", L"1");
    EXPECT_EQ(registry.ReadRegValue(keyPath, L"Startup"), L"1");
}

TEST_F(RealRegistry, ASmallBufferGetsMoreDataAndTheSizeNeeded) {
    registry.WriteRegValue(keyPath, L"Left", L"12345");
    const auto key = platform.OpenKey(RootKey::kCurrentUser, subKey, KeyAccess::kRead);
    ASSERT_TRUE(key);
    wchar_t buffer[2] = {};
    std::uint32_t type = 0, size = sizeof buffer;
    EXPECT_EQ(key->QueryValue(L"Left", type, reinterpret_cast<std::byte*>(buffer), size), status::kMoreData);
    EXPECT_EQ(size, 6 * sizeof(wchar_t));
    EXPECT_EQ(type, static_cast<std::uint32_t>(REG_SZ));
}

TEST(RootKeyHandles, AreThePredefinedHandlesAndAreNeverClosed) {
    const std::pair<RootKey, HKEY> roots[] = {
        {RootKey::kClassesRoot, HKEY_CLASSES_ROOT},         {RootKey::kCurrentUser, HKEY_CURRENT_USER},
        {RootKey::kLocalMachine, HKEY_LOCAL_MACHINE},       {RootKey::kUsers, HKEY_USERS},
        {RootKey::kPerformanceData, HKEY_PERFORMANCE_DATA}, {RootKey::kCurrentConfig, HKEY_CURRENT_CONFIG},
        {RootKey::kDynData, HKEY_DYN_DATA}};
    for (const auto& [root, handle] : roots) {
        EXPECT_EQ(ToHkey(root), handle);
        EXPECT_TRUE(IsPredefinedKey(handle));
    }
    UniqueHkey software;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, software.put()), ERROR_SUCCESS);
    EXPECT_FALSE(IsPredefinedKey(software.get()));
}

}  // namespace
}  // namespace shortex::registry
