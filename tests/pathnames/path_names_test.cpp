#include "pathnames/path_names.h"
#include "pathnames/strip_quotes.h"
#include "pathnames/memory_volume.h"

#include <gtest/gtest.h>

namespace shortex {
namespace {

using testing::MemoryVolume;

// A small drive C: with the kinds of entries the path questions meet.
class PathNamesTest : public ::testing::Test {
protected:
    PathNamesTest() {
        volume.AddFolder(L"C:\\Program Files", L"PROGRA~1")
            .AddFolder(L"C:\\Program Files\\Common Files", L"COMMON~1")
            .AddFile(L"C:\\Program Files\\Common Files\\Read Me.txt", L"README~1.TXT")
            .AddFolder(L"C:\\Windows")
            .AddFile(L"C:\\hidden.sys", L"", attributes::kHidden | attributes::kSystem)
            .AddFile(L"C:\\locked.txt", L"", attributes::kReadOnly)
            .AddFolder(L"C:\\Empty")
            .AddFolder(L"C:\\OnlyHidden")
            .AddFile(L"C:\\OnlyHidden\\secret.dat", L"", attributes::kHidden)
            .AddFile(L"C:\\cloud.docx", L"", 0x400000 | 0x80000 | 0x20)
            .AddDrive(L'E')
            .AddDrive(L'F')
            .SetDriveReady(L'F', false);
    }
    MemoryVolume volume;
};

TEST(FixDriveRoot, AppendsBackslashOnlyAfterAColon) {
    EXPECT_EQ(FixDriveRoot(L"C:"), L"C:\\");
    EXPECT_EQ(FixDriveRoot(L"data:"), L"data:\\");
    EXPECT_EQ(FixDriveRoot(L"C:\\"), L"C:\\");
    EXPECT_EQ(FixDriveRoot(L"C:\\dir"), L"C:\\dir");
    EXPECT_EQ(FixDriveRoot(L""), L"");
}

TEST(GetPath, AnswersTheFolderPartWithItsClosingBackslash) {
    EXPECT_EQ(GetPath(L"C:\\dir\\file.txt"), L"C:\\dir\\");
    EXPECT_EQ(GetPath(L"C:\\dir\\"), L"C:\\dir\\");
    EXPECT_EQ(GetPath(L"C:\\"), L"C:\\");
    EXPECT_EQ(GetPath(L"file.txt"), L"file.txt");
    EXPECT_EQ(GetPath(L"c:/forward/slashes"), L"c:/forward/slashes");
    EXPECT_EQ(GetPath(L""), L"");
}

TEST_F(PathNamesTest, FileExistsForFilesOfEveryAttributeButNotForFolders) {
    EXPECT_TRUE(FileExists(volume, L"C:\\locked.txt"));
    EXPECT_TRUE(FileExists(volume, L"C:\\hidden.sys"));
    EXPECT_TRUE(FileExists(volume, L"c:\\progra~1\\common~1\\readme~1.txt"));
    EXPECT_FALSE(FileExists(volume, L"C:\\Windows"));
    EXPECT_FALSE(FileExists(volume, L"C:\\"));
    EXPECT_FALSE(FileExists(volume, L"C:"));
    EXPECT_FALSE(FileExists(volume, L"C:\\missing.txt"));
    EXPECT_FALSE(FileExists(volume, L""));
    EXPECT_FALSE(FileExists(volume, L"C:\\bad|name"));
    EXPECT_FALSE(FileExists(volume, L"F:\\anything"));
}

TEST_F(PathNamesTest, FileExistsReadsTheWholeAttributeWord) {
    // Cloud placeholders carry marks above 0x7FFF; they are files all the same.
    EXPECT_TRUE(FileExists(volume, L"C:\\cloud.docx"));
}

TEST_F(PathNamesTest, DirExistsForEveryExistingFolder) {
    EXPECT_TRUE(DirExists(volume, L"C:\\Windows"));
    EXPECT_TRUE(DirExists(volume, L"C:\\Windows\\"));
    EXPECT_TRUE(DirExists(volume, L"C:"));
    EXPECT_TRUE(DirExists(volume, L"c:\\PROGRA~1"));
    EXPECT_TRUE(DirExists(volume, L"C:\\Empty"));
    EXPECT_TRUE(DirExists(volume, L"C:\\OnlyHidden"));
    EXPECT_TRUE(DirExists(volume, L"E:\\"));  // an empty drive
    EXPECT_TRUE(DirExists(volume, L""));      // the root of the current drive
}

TEST_F(PathNamesTest, DirExistsIsFalseForFilesMissingPathsAndUnreadableDrives) {
    EXPECT_FALSE(DirExists(volume, L"C:\\locked.txt"));
    EXPECT_FALSE(DirExists(volume, L"C:\\Nowhere"));
    EXPECT_FALSE(DirExists(volume, L"Q:"));
    EXPECT_FALSE(DirExists(volume, L"F:"));
    EXPECT_FALSE(DirExists(volume, L"C:\\Win*"));
}

TEST_F(PathNamesTest, GetShortPathAnswersWhatTheFileSystemReports) {
    EXPECT_EQ(GetShortPath(volume, L"C:\\Program Files\\Common Files"), L"C:\\PROGRA~1\\COMMON~1");
    EXPECT_EQ(GetShortPath(volume, L"C:\\Program Files\\"), L"C:\\PROGRA~1\\");
    EXPECT_EQ(GetShortPath(volume, L"C:\\Windows"), L"C:\\Windows");
    EXPECT_EQ(GetShortPath(volume, L"C:\\Program Files\\Common Files\\Read Me.txt"),
              L"C:\\PROGRA~1\\COMMON~1\\README~1.TXT");
    EXPECT_EQ(GetShortFileName(volume, L"C:\\Program Files"), L"C:\\PROGRA~1");
}

TEST_F(PathNamesTest, GetShortPathIsEmptyWithoutAnAnswer) {
    EXPECT_EQ(GetShortPath(volume, L""), L"");
    EXPECT_EQ(GetShortPath(volume, L"C:\\Program Files\\Missing"), L"");
    EXPECT_EQ(GetShortPath(volume, L"F:\\"), L"");
    // The platform would see only the text before a NUL and answer for another path.
    EXPECT_EQ(GetShortPath(volume, std::wstring(L"C:\\Windows\0\\x", 13)), L"");
}

TEST_F(PathNamesTest, GetShortPathAnswersShortFormsOfAnyLength) {
    // A chain of folders whose short form is far past 164 characters, and past 260.
    std::wstring path = L"C:";
    std::wstring expected = L"C:";
    for (int i = 0; i < 40; ++i) {
        const std::wstring longName = L"Folder with a long name " + std::to_wstring(i);
        const std::wstring shortName = L"FOLDER~" + std::to_wstring(i % 10);
        path += L"\\" + longName;
        expected += L"\\" + shortName;
        volume.AddFolder(path, shortName);
    }
    ASSERT_GT(expected.size(), 300u);
    EXPECT_EQ(GetShortPath(volume, path), expected);
}

TEST_F(PathNamesTest, GetShortPathAsksAgainWhenTheAnswerGrowsBetweenCalls) {
    // A platform whose answer is one character longer at every call, as when the entry is renamed.
    struct Growing final : PathPlatform {
        std::size_t calls = 0;
        std::size_t ShortPathName(const std::wstring&, wchar_t* buffer, std::size_t capacity) override {
            const std::wstring answer(300 + calls++, L'A');
            if (answer.size() + 1 > capacity) return answer.size() + 1;
            answer.copy(buffer, answer.size());
            buffer[answer.size()] = L'\0';
            return answer.size();
        }
        void UnquoteSpaces(wchar_t*) override {}
        std::optional<std::uint32_t> GetPathAttributes(const std::wstring&) override { return std::nullopt; }
        std::wstring FindFirstEntry(const std::wstring&, std::uint32_t) override { return {}; }
    } growing;
    EXPECT_EQ(GetShortPath(growing, L"C:\\x"), L"");
    EXPECT_EQ(growing.calls, 4u);  // gives up instead of looping forever
}

TEST_F(PathNamesTest, UnquotePathRemovesOnePairOfEnclosingQuotes) {
    using stripQuotes::UnquotePath;
    EXPECT_EQ(UnquotePath(volume, L"\"C:\\Program Files\""), L"C:\\Program Files");
    EXPECT_EQ(UnquotePath(volume, L"\"\"C:\\x\"\""), L"\"C:\\x\"");
    EXPECT_EQ(UnquotePath(volume, L"\"C:\\Program Files"), L"\"C:\\Program Files");
    EXPECT_EQ(UnquotePath(volume, L"C:\\Program Files\""), L"C:\\Program Files\"");
    EXPECT_EQ(UnquotePath(volume, L"C:\\Program Files"), L"C:\\Program Files");
    EXPECT_EQ(UnquotePath(volume, L"\"\""), L"");
    EXPECT_EQ(UnquotePath(volume, L""), L"");
}

TEST(CutAtNul, AnswersTheTextBeforeTheFirstNul) {
    using stripQuotes::CutAtNul;
    EXPECT_EQ(CutAtNul(std::wstring(L"abc\0def", 7)), L"abc");
    EXPECT_EQ(CutAtNul(std::wstring(L"\0abc", 4)), L"");
    EXPECT_EQ(CutAtNul(L"abc"), L"abc");
    EXPECT_EQ(CutAtNul(L""), L"");
}

}  // namespace
}  // namespace shortex
