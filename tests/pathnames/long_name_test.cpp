#include "pathnames/long_name.h"
#include "pathnames/memory_volume.h"

#include <gtest/gtest.h>

namespace shortex {
namespace {

using testing::MemoryVolume;

class LongNameTest : public ::testing::Test {
protected:
    LongNameTest() {
        volume.AddFolder(L"C:\\Program Files", L"PROGRA~1")
            .AddFolder(L"C:\\Program Files\\Common Files", L"COMMON~1")
            .AddFile(L"C:\\Program Files\\Common Files\\Read Me.txt", L"README~1.TXT")
            .AddFolder(L"C:\\Windows")
            .AddFolder(L"C:\\Windows\\System32")
            .AddFolder(L"C:\\$Recycle.Bin", L"$RECYC~1", attributes::kHidden | attributes::kSystem)
            .AddFile(L"C:\\$Recycle.Bin\\desktop.ini", L"", attributes::kHidden | attributes::kSystem)
            .AddFolder(L"C:\\Users")
            .AddFolder(L"C:\\Users\\\u0416\u0435\u043d\u044f", L"96F3~1")  // Женя
            .SetDriveReady(L'C', true)
            .AddDrive(L'F')
            .SetDriveReady(L'F', false);
    }
    MemoryVolume volume;
};

TEST_F(LongNameTest, ExpandsEveryShortComponent) {
    EXPECT_EQ(GetLongFilename(volume, L"C:\\PROGRA~1\\COMMON~1"), L"C:\\Program Files\\Common Files");
    EXPECT_EQ(GetLongFilename(volume, L"C:\\PROGRA~1\\COMMON~1\\README~1.TXT"),
              L"C:\\Program Files\\Common Files\\Read Me.txt");
    EXPECT_EQ(GetLongFilename(volume, L"C:\\Users\\96F3~1"), L"C:\\Users\\\u0416\u0435\u043d\u044f");
}

TEST_F(LongNameTest, TakesTheStoredCaseForComponentsAndKeepsTheDriveAsTyped) {
    EXPECT_EQ(GetLongFilename(volume, L"c:\\program files"), L"c:\\Program Files");
    EXPECT_EQ(GetLongFilename(volume, L"C:\\WINDOWS\\system32"), L"C:\\Windows\\System32");
}

TEST_F(LongNameTest, FindsHiddenAndSystemComponents) {
    EXPECT_EQ(GetLongFilename(volume, L"C:\\$RECYC~1\\DESKTOP.INI"), L"C:\\$Recycle.Bin\\desktop.ini");
}

TEST_F(LongNameTest, IsEmptyWhenAnyComponentIsMissing) {
    EXPECT_EQ(GetLongFilename(volume, L"C:\\Nowhere\\Windows"), L"");
    EXPECT_EQ(GetLongFilename(volume, L"C:\\Windows\\Nowhere"), L"");
    EXPECT_EQ(GetLongFilename(volume, L"C:\\PROGRA~1\\COMMON~1\\README~1.TXT\\below-a-file"), L"");
}

TEST_F(LongNameTest, KeepsEmptyComponentsWithoutLookingThemUp) {
    EXPECT_EQ(GetLongFilename(volume, L"C:"), L"C:");
    EXPECT_EQ(GetLongFilename(volume, L"C:\\"), L"C:\\");
    EXPECT_EQ(GetLongFilename(volume, L"c:\\windows\\"), L"c:\\Windows\\");
    EXPECT_EQ(GetLongFilename(volume, L"C:\\windows\\\\system32"), L"C:\\Windows\\\\System32");
    EXPECT_EQ(volume.lookups(), 1 + 2);
}

TEST_F(LongNameTest, EmptyTextGivesEmptyText) { EXPECT_EQ(GetLongFilename(volume, L""), L""); }

TEST_F(LongNameTest, LooksUpEachComponentOnceOnTheFullPrefix) {
    struct Recording final : PathPlatform {
        std::vector<std::wstring> patterns;
        std::size_t ShortPathName(const std::wstring&, wchar_t*, std::size_t) override { return 0; }
        void UnquoteSpaces(wchar_t*) override {}
        std::optional<std::uint32_t> GetPathAttributes(const std::wstring&) override { return std::nullopt; }
        std::wstring FindFirstEntry(const std::wstring& pattern, std::uint32_t filter) override {
            EXPECT_EQ(filter, entry_filter::kEverything);
            patterns.push_back(pattern);
            return L"X";
        }
    } recording;
    EXPECT_EQ(GetLongFilename(recording, L"D:\\A~1\\B~2\\c"), L"D:\\X\\X\\X");
    EXPECT_EQ(recording.patterns, (std::vector<std::wstring>{L"D:\\A~1", L"D:\\A~1\\B~2", L"D:\\A~1\\B~2\\c"}));
}

TEST_F(LongNameTest, FailedLookupsGiveEmptyText) {
    EXPECT_EQ(GetLongFilename(volume, L"F:\\anything"), L"");   // drive not ready
    EXPECT_EQ(GetLongFilename(volume, L"C:\\bad<name"), L"");   // malformed component
}

TEST_F(LongNameTest, WildcardsTakeTheFirstMatchingEntry) {
    EXPECT_EQ(GetLongFilename(volume, L"C:\\Prog*"), L"C:\\Program Files");
    // Later lookups still name the earlier components as typed, and a folder part with
    // wildcards names nothing.
    EXPECT_EQ(GetLongFilename(volume, L"C:\\Prog*\\Com*"), L"");
    EXPECT_EQ(GetLongFilename(volume, L"C:\\W?NDOWS"), L"C:\\Windows");
}

TEST_F(LongNameTest, RelativeAndRootedPathsKeepTheirShape) {
    volume.SetCurrentFolder(L"C:\\Program Files");
    EXPECT_EQ(GetLongFilename(volume, L"COMMON~1\\README~1.TXT"), L"Common Files\\Read Me.txt");
    EXPECT_EQ(GetLongFilename(volume, L"\\PROGRA~1"), L"\\Program Files");
    EXPECT_EQ(GetLongFilename(volume, L"C:COMMON~1"), L"C:Common Files");
    EXPECT_EQ(GetLongFilename(volume, L"C:\\PROGRA~1\\..\\WINDOWS"), L"C:\\Program Files\\..\\Windows");
}

TEST_F(LongNameTest, NetworkAndDevicePathsKeepTheirRoot) {
    struct Echo final : PathPlatform {
        std::vector<std::wstring> patterns;
        std::size_t ShortPathName(const std::wstring&, wchar_t*, std::size_t) override { return 0; }
        void UnquoteSpaces(wchar_t*) override {}
        std::optional<std::uint32_t> GetPathAttributes(const std::wstring&) override { return std::nullopt; }
        std::wstring FindFirstEntry(const std::wstring& pattern, std::uint32_t) override {
            patterns.push_back(pattern);
            return L"Long";
        }
    } echo;
    EXPECT_EQ(GetLongFilename(echo, L"\\\\server\\share\\DOCUME~1"), L"\\\\server\\share\\Long");
    EXPECT_EQ(GetLongFilename(echo, L"\\\\server\\share"), L"\\\\server\\share");
    EXPECT_EQ(GetLongFilename(echo, L"\\\\?\\C:\\PROGRA~1"), L"\\\\?\\C:\\Long");
    EXPECT_EQ(GetLongFilename(echo, L"\\\\?\\UNC\\server\\share\\A~1"), L"\\\\?\\UNC\\server\\share\\Long");
    EXPECT_EQ(GetLongFilename(echo, L"\\\\.\\COM1"), L"\\\\.\\COM1");
    EXPECT_EQ(echo.patterns, (std::vector<std::wstring>{L"\\\\server\\share\\DOCUME~1", L"\\\\?\\C:\\PROGRA~1",
                                                        L"\\\\?\\UNC\\server\\share\\A~1"}));
}

TEST(RootLength, CoversEveryKindOfRoot) {
    EXPECT_EQ(RootLength(L"C:\\x"), 2u);
    EXPECT_EQ(RootLength(L"C:"), 2u);
    EXPECT_EQ(RootLength(L"\\x"), 0u);
    EXPECT_EQ(RootLength(L"x\\y"), 0u);
    EXPECT_EQ(RootLength(L"\\\\srv\\share\\x"), 11u);
    EXPECT_EQ(RootLength(L"//srv/share/x"), 11u);
    EXPECT_EQ(RootLength(L"\\\\srv"), 5u);
    EXPECT_EQ(RootLength(L"\\\\"), 2u);
    EXPECT_EQ(RootLength(L"\\\\?\\C:\\x"), 6u);
    EXPECT_EQ(RootLength(L"\\\\?\\unc\\srv\\share\\x"), 17u);
    EXPECT_EQ(RootLength(L"1:\\x"), 0u);
}

}  // namespace
}  // namespace shortex
