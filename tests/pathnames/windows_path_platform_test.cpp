// The path operations over the real Win32 API, on real files made for the test.
#include "pathnames/hostile_corpus.h"
#include "pathnames/long_name.h"
#include "pathnames/path_names.h"
#include "pathnames/strip_quotes.h"
#include "pathnames/temp_folder.h"
#include "pathnames/windows_path_platform.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cwctype>

namespace shortex {
namespace {

using testing::TempFolder;

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

// A valid 8.3 name: base of 1 to 8 characters, optional extension of 1 to 3, no spaces, no second
// dot, only characters a short name may hold.
bool IsEightDotThree(const std::wstring& name) {
    if (name == L"." || name == L"..") return true;
    const auto dot = name.find(L'.');
    const std::wstring base = name.substr(0, dot);
    const std::wstring extension = dot == std::wstring::npos ? L"" : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || extension.size() > 3) return false;
    if (dot != std::wstring::npos && extension.empty()) return false;
    for (wchar_t c : base + extension)
        if (c <= L' ' || c >= 0x7F || std::wstring_view(L".\"*+,/:;<=>?[\\]|").find(c) != std::wstring_view::npos)
            return false;
    return true;
}

std::vector<std::wstring> Components(const std::wstring& path) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find(L'\\', start);
        if (end == std::wstring::npos) end = path.size();
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

bool EqualApartFromDriveLetterCase(std::wstring a, std::wstring b) {
    if (a.size() >= 2 && b.size() >= 2 && a[1] == L':' && b[1] == L':') {
        a[0] = static_cast<wchar_t>(std::towupper(a[0]));
        b[0] = static_cast<wchar_t>(std::towupper(b[0]));
    }
    return a == b;
}

class RealFiles : public ::testing::Test {
protected:
    WindowsPathPlatform platform;
    TempFolder temp;
};

TEST_F(RealFiles, ShortFormsAreEightDotThreeAndExpandBackToTheLongPath) {
    std::vector<std::wstring> folders = {
        temp.MakeFolder(L"Folder With Spaces"),
        temp.MakeFolder(L"several.dots.in.name"),
        temp.MakeFolder(L".leading-dot"),
        temp.MakeFolder(L"\u0416\u0435\u043d\u044f \u043f\u0430\u043f\u043a\u0430"),       // Cyrillic
        temp.MakeFolder(L"\u65e5\u672c\u8a9e\u306e\u30d5\u30a9\u30eb\u30c0"),               // Japanese
        temp.MakeFolder(L"smile \U0001F600 folder"),                                       // emoji
        temp.MakeFolder(L"Hidden Folder"),
        temp.MakeFolder(L"SHORT"),
    };
    ::SetFileAttributesW(folders[6].c_str(), FILE_ATTRIBUTE_HIDDEN);
    std::vector<std::wstring> files = {
        temp.MakeFile(L"Folder With Spaces\\read me.first.txt"),
        temp.MakeFile(L"Hidden Folder\\inside hidden.txt"),
        temp.MakeFile(L"\u0416\u0435\u043d\u044f \u043f\u0430\u043f\u043a\u0430\\\u0444\u0430\u0439\u043b.txt"),
        temp.MakeFile(L"Read Only File.txt"),
    };
    ::SetFileAttributesW(files[3].c_str(), FILE_ATTRIBUTE_READONLY);

    std::wstring deepRelative = L"a rather long folder name";
    std::wstring deep = temp.MakeFolder(deepRelative);
    while (deep.size() < 300) {
        deepRelative += L"\\a rather long folder name";
        deep = temp.MakeFolder(deepRelative);
    }
    folders.push_back(deep);
    files.push_back(temp.MakeFile(deepRelative + L"\\deep file.txt"));
    ASSERT_GT(files.back().size(), 260u);

    auto check = [&](const std::wstring& path, bool isFolder) {
        SCOPED_TRACE(Narrow(path));
        const std::wstring shortForm = GetShortPath(platform, path);
        ASSERT_FALSE(shortForm.empty());
        const auto longParts = Components(path);
        const auto shortParts = Components(shortForm);
        ASSERT_EQ(shortParts.size(), longParts.size());
        for (std::size_t i = 1; i < shortParts.size(); ++i)
            EXPECT_TRUE(IsEightDotThree(shortParts[i]) || shortParts[i] == longParts[i]) << Narrow(shortParts[i]);
        EXPECT_TRUE(EqualApartFromDriveLetterCase(GetLongFilename(platform, shortForm), path))
            << Narrow(GetLongFilename(platform, shortForm));
        EXPECT_EQ(FileExists(platform, path), !isFolder);
        EXPECT_EQ(DirExists(platform, path), isFolder);
        EXPECT_EQ(FileExists(platform, shortForm), !isFolder);
        EXPECT_EQ(DirExists(platform, shortForm), isFolder);
    };
    for (const auto& folder : folders) check(folder, true);
    for (const auto& file : files) check(file, false);
}

TEST_F(RealFiles, AnswersForWhatDoesNotExist) {
    const std::wstring missing = temp.path() + L"\\missing";
    EXPECT_EQ(GetShortPath(platform, missing), L"");
    EXPECT_EQ(GetLongFilename(platform, missing), L"");
    EXPECT_EQ(GetLongFilename(platform, missing + L"\\below"), L"");
    EXPECT_FALSE(FileExists(platform, missing));
    EXPECT_FALSE(DirExists(platform, missing));
}

TEST_F(RealFiles, EmptyFoldersAndDriveRootsExist) {
    const std::wstring empty = temp.MakeFolder(L"empty");
    EXPECT_TRUE(DirExists(platform, empty));
    EXPECT_TRUE(DirExists(platform, empty + L"\\"));
    EXPECT_TRUE(DirExists(platform, L"C:"));
    EXPECT_TRUE(DirExists(platform, L"C:\\"));
    EXPECT_TRUE(DirExists(platform, L""));
    EXPECT_FALSE(FileExists(platform, L"C:\\"));
}

TEST_F(RealFiles, HiddenAndSystemEntriesOnlyStillMakeAFolder) {
    const std::wstring folder = temp.MakeFolder(L"only hidden");
    const std::wstring secret = temp.MakeFile(L"only hidden\\secret.dat");
    ::SetFileAttributesW(secret.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(DirExists(platform, folder));
    EXPECT_TRUE(FileExists(platform, secret));
}

TEST_F(RealFiles, LongFormKeepsEmptyComponentsAndTakesStoredCase) {
    temp.MakeFolder(L"MixedCase Folder");
    const std::wstring lower = temp.path() + L"\\mixedcase folder\\";
    const std::wstring expected = temp.path() + L"\\MixedCase Folder\\";
    EXPECT_TRUE(EqualApartFromDriveLetterCase(GetLongFilename(platform, lower), expected))
        << Narrow(GetLongFilename(platform, lower));
    EXPECT_EQ(GetLongFilename(platform, L"C:\\"), L"C:\\");
    EXPECT_EQ(GetLongFilename(platform, L"c:"), L"c:");
}

TEST(RealApi, ProgramFilesHasAShortFormThatExpandsBack) {
    WindowsPathPlatform platform;
    const std::wstring shortForm = GetShortPath(platform, L"C:\\Program Files");
    ASSERT_FALSE(shortForm.empty());
    EXPECT_TRUE(IsEightDotThree(shortForm.substr(3))) << Narrow(shortForm);
    EXPECT_EQ(GetLongFilename(platform, shortForm), L"C:\\Program Files");
}

TEST(RealApi, UnquoteUsesTheShellRules) {
    WindowsPathPlatform platform;
    EXPECT_EQ(stripQuotes::UnquotePath(platform, L"\"C:\\Program Files\""), L"C:\\Program Files");
    EXPECT_EQ(stripQuotes::UnquotePath(platform, L"\"C:\\Program Files"), L"\"C:\\Program Files");
    EXPECT_EQ(stripQuotes::UnquotePath(platform, L"C:\\x"), L"C:\\x");
}

TEST(RealApi, EveryHostileTextGetsAnAnswer) {
    WindowsPathPlatform platform;
    for (const std::wstring& text : testing::HostileTexts()) {
        SCOPED_TRACE(::testing::Message() << "text of " << text.size() << " characters: " << Narrow(text.substr(0, 40)));
        const bool isFile = FileExists(platform, text);
        const bool isFolder = DirExists(platform, text);
        EXPECT_FALSE(isFile && isFolder);
        const std::wstring shortForm = GetShortPath(platform, text);
        EXPECT_EQ(shortForm.find(L'\0'), std::wstring::npos);
        EXPECT_EQ(GetLongFilename(platform, text).find(L'\0'), std::wstring::npos);
        EXPECT_EQ(stripQuotes::UnquotePath(platform, text).find(L'\0'), std::wstring::npos);
    }
}

}  // namespace
}  // namespace shortex
