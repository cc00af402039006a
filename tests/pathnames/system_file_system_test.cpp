// The path operations on real files under Wine: hidden and empty entries, long paths, hostile texts.
#include "pathnames/hostile_corpus.h"
#include "support/win_support.h"

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

TEST(SystemFileSystem, ShortFormsOfRealEntriesComeBackToTheirLongForms) {
    TempFolder folder;
    SystemFileSystem files;
    std::wstring deep = L"deep";
    for (folder.MakeFolder(deep); deep.size() < 300;) folder.MakeFolder(deep += L"\\a folder of some length");
    const std::wstring entries[] = {
        folder.MakeFolder(L"Program Files"),
        folder.MakeFile(L"Program Files\\read me.txt"),
        folder.MakeFolder(L"empty"),
        folder.path() + L"\\" + deep,
    };
    ::SetFileAttributesW(folder.MakeFile(L"hidden.sys").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    for (const std::wstring& path : entries) {
        const bool folderEntry = (::GetFileAttributesW((L"\\\\?\\" + path).c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0;
        EXPECT_EQ(DirExists(files, path), folderEntry) << path.size();
        EXPECT_EQ(FileExists(files, path), !folderEntry) << path.size();
        const std::wstring shortForm = ShortPath(files, path);
        ASSERT_FALSE(shortForm.empty()) << path.size();
        EXPECT_EQ(NoteOnShortForm(files, path, shortForm).text, L"");
        EXPECT_EQ(LongPath(files, shortForm), path);
    }
    EXPECT_TRUE(FileExists(files, folder.path() + L"\\hidden.sys"));
    EXPECT_EQ(LongPath(files, folder.path() + L"\\HIDDEN.SYS"), folder.path() + L"\\hidden.sys");
    EXPECT_EQ(ShortPath(files, folder.path() + L"\\missing"), L"");
}

TEST(SystemFileSystem, TheVolumeIsTheOneThePathLiesOnAndOnlyAFullPathIsListed) {
    SystemFileSystem files;
    const VolumeFacts system =
        files.Volume(L"\\\\?\\C:\\windows\\system32");  // local, though it starts with two backslashes
    EXPECT_EQ(std::tuple(system.name, system.network, system.systemVolume, system.fileSystem.empty()),
              std::tuple(L"C:", false, true, false));
    EXPECT_FALSE(files.Volume(L"Z:\\tmp").systemVolume);
    std::vector<FolderEntry> entries;  // a pattern of "*" alone would list the current folder
    for (const wchar_t* folder : {L"", L" ", L"\\", L"windows"})
        EXPECT_TRUE(files.ListFolder(folder, entries) != 0 && entries.empty()) << folder;
}

TEST(SystemFileSystem, EveryHostileTextKeepsTheInvariants) {
    SystemFileSystem files;
    for (const std::wstring& text : HostileTexts())
        EXPECT_EQ(BrokenPathInvariant(files, text), "") << ::testing::PrintToString(text.substr(0, 60));
}

}  // namespace
}  // namespace shortex::testing
