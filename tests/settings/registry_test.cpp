#include "settings/registry.h"
#include "settings/memory_registry.h"
#include "support/recording_message_boxes.h"

#include <gtest/gtest.h>

namespace shortex::registry {
namespace {

using testing::MemoryRegistry;
using testing::RecordingMessageBoxes;
using testing::RegistryValue;
using testing::StringValue;

const std::wstring kKeyPath = L"HKEY_CURRENT_USER\\Software\\Tandril\\Shortex";
const std::wstring kSubKey = L"Software\\Tandril\\Shortex";

// Digits in turn, so that a lost or doubled character shows.
std::wstring Digits(std::size_t length) {
    std::wstring text(length, L'0');
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<wchar_t>(L'0' + i % 10);
    return text;
}

class RegistryTest : public ::testing::Test {
protected:
    // A key left open stays counted, so one look at the end covers every operation of the test,
    // failed ones included.
    void TearDown() override { EXPECT_EQ(memory.openKeys(), 0) << "keys left open"; }

    void AddProgramKey() { memory.AddKey(RootKey::kCurrentUser, kSubKey); }
    void Store(const std::wstring& name, RegistryValue value) {
        memory.SetValue(RootKey::kCurrentUser, kSubKey, name, std::move(value));
    }
    std::optional<RegistryValue> Stored(const std::wstring& name) const {
        return memory.GetValue(RootKey::kCurrentUser, kSubKey, name);
    }

    MemoryRegistry memory;
    RecordingMessageBoxes boxes;
    Registry registry{memory, boxes};
};

TEST_F(RegistryTest, ReadsBackWhatWasWrittenWholeAndExactly) {
    AddProgramKey();
    for (const std::wstring& text : {std::wstring(), std::wstring(L"C:\\Temp"), std::wstring(L"  C:\\Temp"),
                                     std::wstring(L"C:\\Temp  "), std::wstring(L" "), Digits(254), Digits(255),
                                     Digits(256), Digits(300), Digits(40000),
                                     std::wstring(L"Привет, мир — 日本語のパス 😀")}) {
        SCOPED_TRACE(::testing::Message() << "length " << text.size());
        registry.WriteRegValue(kKeyPath, L"PreviousPath", text);
        EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"PreviousPath"), text);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryTest, WritesAStringValueWithItsTerminator) {
    AddProgramKey();
    registry.WriteRegValue(kKeyPath, L"Top", L"1200");
    const auto stored = Stored(L"Top");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, value_type::kString);
    EXPECT_EQ(stored->data, StringValue(L"1200", true).data);
}

TEST_F(RegistryTest, AMissingValueOrKeyReadsAsError) {
    AddProgramKey();
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Startup"), L"Error");
    EXPECT_EQ(registry.ReadRegValue(L"HKEY_CURRENT_USER\\Software\\Nobody", L"Startup"), L"Error");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryTest, AValueThatIsNotAStringReadsAsError) {
    AddProgramKey();
    Store(L"Dword", {value_type::kDword, {std::byte{0x2A}, {}, {}, {}}});
    Store(L"Binary", {value_type::kBinary, {std::byte{'a'}, {}, std::byte{'b'}, {}}});
    Store(L"Expand", {value_type::kExpandString, StringValue(L"%TEMP%").data});
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Dword"), L"Error");
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Binary"), L"Error");
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Expand"), L"Error");
}

TEST_F(RegistryTest, AKeyThatRefusesReadingReadsAsError) {
    AddProgramKey();
    Store(L"Top", StringValue(L"1200"));
    memory.Deny(RootKey::kCurrentUser, kSubKey, KeyAccess::kRead);
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Top"), L"Error");
}

TEST_F(RegistryTest, AKeyThatRefusesWritingKeepsItsValue) {
    AddProgramKey();
    Store(L"Top", StringValue(L"1200"));
    memory.Deny(RootKey::kCurrentUser, kSubKey, KeyAccess::kWrite);
    registry.WriteRegValue(kKeyPath, L"Top", L"0");
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Top"), L"1200");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryTest, WritingIntoAMissingKeyDoesNothingUntilTheKeyIsCreated) {
    registry.WriteRegValue(kKeyPath, L"Startup", L"1");
    EXPECT_FALSE(memory.HasKey(RootKey::kCurrentUser, kSubKey));

    registry.CreateRegKey(kKeyPath);
    registry.WriteRegValue(kKeyPath, L"Startup", L"1");
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Startup"), L"1");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryTest, CreatingMakesEveryMissingKeyAndKeepsAnExistingOne) {
    memory.AddKey(RootKey::kCurrentUser, L"Software");
    registry.CreateRegKey(kKeyPath);
    EXPECT_TRUE(memory.HasKey(RootKey::kCurrentUser, L"Software\\Tandril"));
    EXPECT_TRUE(memory.HasKey(RootKey::kCurrentUser, kSubKey));

    Store(L"Left", StringValue(L"300"));
    registry.CreateRegKey(kKeyPath);
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Left"), L"300");
}

TEST_F(RegistryTest, CreatingBelowAKeyThatRefusesWritingMakesNothing) {
    memory.AddKey(RootKey::kCurrentUser, L"Software").Deny(RootKey::kCurrentUser, L"Software", KeyAccess::kWrite);
    registry.CreateRegKey(kKeyPath);
    EXPECT_FALSE(memory.HasKey(RootKey::kCurrentUser, L"Software\\Tandril"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryTest, APathWithoutARootKeyReachesNoRegistry) {
    AddProgramKey();
    for (const std::wstring keyPath : {L"hkey_current_user\\Software\\Tandril\\Shortex",
                                       L"HKEY_CURRENT_USER\\Software\\Tandril\\Shortex\\",
                                       L"HKEY_Current_User\\Software\\Tandril\\Shortex"}) {
        SCOPED_TRACE(::testing::Message() << "key path " << ::testing::PrintToString(keyPath));
        EXPECT_EQ(registry.ReadRegValue(keyPath, L"Top"), L"");
        registry.WriteRegValue(keyPath, L"Top", L"1");
        registry.CreateRegKey(keyPath);
    }
    EXPECT_EQ(memory.calls(), 0);
    EXPECT_FALSE(Stored(L"Top"));
    // Three boxes for each malformed path; none for the one whose root merely names nothing.
    ASSERT_EQ(boxes.shown.size(), 6u);
    EXPECT_EQ(boxes.shown[0].text, L"Incorrect Format:\n\nhkey_current_user\\Software\\Tandril\\Shortex");
    EXPECT_EQ(boxes.shown[3].text, L"Incorrect Format:\n\nHKEY_CURRENT_USER\\Software\\Tandril\\Shortex\\");
}

TEST_F(RegistryTest, ARootNameAloneAddressesTheRootKey) {
    registry.CreateRegKey(L"HKEY_CURRENT_USER");
    registry.WriteRegValue(L"HKEY_CURRENT_USER", L"Startup", L"1");
    EXPECT_EQ(memory.GetValue(RootKey::kCurrentUser, L"", L"Startup").value().data, StringValue(L"1").data);
    EXPECT_EQ(registry.ReadRegValue(L"HKEY_CURRENT_USER", L"Startup"), L"1");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryTest, StringDataIsReadUpToItsTerminatorOrItsEnd) {
    AddProgramKey();
    Store(L"Unterminated", StringValue(L"C:\\Temp", false));
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Unterminated"), L"C:\\Temp");

    RegistryValue odd = StringValue(L"C:\\Temp", false);
    odd.data.push_back(std::byte{'x'});  // half a character
    Store(L"Odd", odd);
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Odd"), L"C:\\Temp");

    Store(L"Trailing", StringValue(std::wstring(L"C:\\Temp\0junk", 12)));
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Trailing"), L"C:\\Temp");

    Store(L"Empty", {value_type::kString, {}});
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Empty"), L"");
}

TEST_F(RegistryTest, AValueThatGrowsWhileBeingReadIsReadWhole) {
    AddProgramKey();
    Store(L"PreviousPath", StringValue(L"C:\\"));
    const std::wstring longer = Digits(5000);
    memory.AfterNextQuery([&] {
        EXPECT_EQ(memory.openKeys(), 1);
        Store(L"PreviousPath", StringValue(longer));
    });
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"PreviousPath"), longer);
}

TEST_F(RegistryTest, AValueThatChangesTypeOrGoesWhileBeingReadReadsAsError) {
    AddProgramKey();
    Store(L"Top", StringValue(L"1200"));
    memory.AfterNextQuery([&] { Store(L"Top", {value_type::kDword, {std::byte{1}, {}, {}, {}}}); });
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Top"), L"Error");

    Store(L"Left", StringValue(L"300"));
    memory.AfterNextQuery([&] { memory.RemoveValue(RootKey::kCurrentUser, kSubKey, L"Left"); });
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"Left"), L"Error");
}

TEST_F(RegistryTest, AValueThatKeepsGrowingEndsTheReadWithError) {
    AddProgramKey();
    std::wstring text = L"C:\\";
    std::function<void()> grow = [&] {
        text += text;
        Store(L"PreviousPath", StringValue(text));
        memory.AfterNextQuery(grow);
    };
    Store(L"PreviousPath", StringValue(text));
    memory.AfterNextQuery(grow);
    EXPECT_EQ(registry.ReadRegValue(kKeyPath, L"PreviousPath"), L"Error");
    memory.AfterNextQuery({});
}

}  // namespace
}  // namespace shortex::registry
