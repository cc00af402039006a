// The test double must answer as Windows does, or the tests built on it prove nothing.
#include "pathnames/memory_volume.h"

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

TEST(MemoryVolumeMatching, DosWildcards) {
    EXPECT_TRUE(MatchesPattern(L"*.*", L"README"));
    EXPECT_TRUE(MatchesPattern(L"*", L"a.b.c"));
    EXPECT_TRUE(MatchesPattern(L"read*", L"ReadMe.txt"));
    EXPECT_TRUE(MatchesPattern(L"r?adme.TXT", L"ReadMe.txt"));
    EXPECT_FALSE(MatchesPattern(L"r?adme", L"ReadMe.txt"));
    EXPECT_TRUE(MatchesPattern(L"*e*e*", L"ReadMe.txt"));
    EXPECT_FALSE(MatchesPattern(L"*.doc", L"ReadMe.txt"));
}

TEST(MemoryVolumeLookups, FirstAdmittedEntryInListingOrder) {
    MemoryVolume volume;
    volume.AddFile(L"C:\\hidden.txt", L"", attributes::kHidden)
        .AddFolder(L"C:\\folder")
        .AddFile(L"C:\\plain.txt");
    EXPECT_EQ(volume.FindFirstEntry(L"C:\\*.*", 0), L"plain.txt");
    EXPECT_EQ(volume.FindFirstEntry(L"C:\\*.*", entry_filter::kFolders), L"folder");
    EXPECT_EQ(volume.FindFirstEntry(L"C:\\*.*", entry_filter::kEverything), L"hidden.txt");
    EXPECT_EQ(volume.FindFirstEntry(L"C:\\", entry_filter::kEverything), L"");
}

TEST(MemoryVolumeShortNames, CountContractOfGetShortPathName) {
    MemoryVolume volume;
    volume.AddFolder(L"C:\\Long Folder", L"LONGFO~1");
    wchar_t buffer[32];
    EXPECT_EQ(volume.ShortPathName(L"C:\\long folder", buffer, 32), 11u);
    EXPECT_EQ(std::wstring(buffer), L"C:\\LONGFO~1");
    EXPECT_EQ(volume.ShortPathName(L"C:\\long folder", buffer, 11), 12u);  // terminator counted
    EXPECT_EQ(volume.ShortPathName(L"C:\\nothing", buffer, 32), 0u);
    EXPECT_EQ(volume.ShortPathName(L"c:\\longfo~1\\", buffer, 32), 12u);
    EXPECT_EQ(std::wstring(buffer), L"c:\\longfo~1\\");
}

}  // namespace
}  // namespace shortex::testing
