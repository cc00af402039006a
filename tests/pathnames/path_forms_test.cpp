// Paths written for where they are pasted, and read back by bash as the same paths.
#include "pathnames/path_forms.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace shortex {
namespace {

using enum PathForm;
using enum Quotes;

TEST(PathForms, EachFormWritesTheSamePathAndQuotesOnlyWhatWouldBreak) {
    const struct {
        const wchar_t* path;
        CopyForm form;
        const wchar_t* written;
    } cases[] = {
        {L"C:\\PROGRA~1\\GIT", {Windows, Needed}, L"C:\\PROGRA~1\\GIT"},
        {L"C:\\PROGRA~1\\GIT", {Forward, Needed}, L"C:/PROGRA~1/GIT"},
        {L"C:\\PROGRA~1\\GIT", {Escaped, Needed}, L"C:\\\\PROGRA~1\\\\GIT"},
        {L"C:\\PROGRA~1\\GIT", {Msys, Needed}, L"/c/PROGRA~1/GIT"},
        {L"C:\\PROGRA~1\\GIT", {Cygwin, Needed}, L"/cygdrive/c/PROGRA~1/GIT"},
        {L"C:\\AT&T", {Windows, Needed}, L"\"C:\\AT&T\""},
        {L"C:\\AT&T", {Msys, Needed}, L"'/c/AT&T'"},
        {L"C:\\AT&T", {Msys, Never}, L"/c/AT&T"},
        {L"C:\\A=B", {Forward, Needed}, L"\"C:/A=B\""},
        {L"C:\\IT'S", {Windows, Needed}, L"C:\\IT'S"},
        {L"C:\\IT'S", {Cygwin, Needed}, L"'/cygdrive/c/IT'\\''S'"},
        {L"C:\\A$B", {Windows, Needed}, L"C:\\A$B"},
        {L"C:\\A$B", {Msys, Needed}, L"'/c/A$B'"},
        {L"C:\\PROGRA~1", {Msys, Always}, L"'/c/PROGRA~1'"},
        {L"C:\\Big Folder\\", {Windows, Always}, L"\"C:\\Big Folder\\\\\""},
        {L"C:\\Big Folder\\", {Escaped, Needed}, L"\"C:\\\\Big Folder\\\\\""},
        {L"C:\\Big Folder\\", {Forward, Needed}, L"\"C:/Big Folder/\""},
        {L"D:", {Msys, Never}, L"/d/"},
        {L"..\\DIR", {Msys, Never}, L"../DIR"},
        {L"~DIR\\X", {Msys, Needed}, L"'~DIR/X'"},
        {L"\\\\server\\share\\DIR", {Msys, Needed}, L"//server/share/DIR"},
        {L"\\\\server\\share\\DIR", {Cygwin, Never}, L"//server/share/DIR"},
        {L"\\\\?\\C:\\LONG", {Windows, Never}, L"\\\\?\\C:\\LONG"},
        {L"\\\\?\\C:\\LONG", {Forward, Never}, L"C:/LONG"},
        {L"\\\\?\\UNC\\server\\share\\LONG", {Msys, Never}, L"//server/share/LONG"},
        {L"C:\\A;B", {Windows, Never, false, Separator::Semicolon}, L"\"C:\\A;B\""},
        {L"C:\\A,B", {Msys, Needed, false, Separator::Comma}, L"'/c/A,B'"},
        {L"C:\\A,B", {Msys, Needed, false, Separator::Semicolon}, L"/c/A,B"},
        {L"", {Windows, Always}, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(WrittenAs(c.path, c.form), c.written) << c.path;
}

TEST(PathForms, SeveralPathsHaveTheSeparatorBetweenThem) {
    const std::vector<std::wstring> paths = {L"C:\\A", L"D:\\B"};
    EXPECT_EQ(WrittenAs(paths, {}), L"C:\\A\r\nD:\\B");
    EXPECT_EQ(WrittenAs(paths, {Forward, Always, false, Separator::Semicolon}), L"\"C:/A\";\"D:/B\"");
}

TEST(PathForms, AMappedDrivesPathGoesOnItsUncPathAndTheRestIsKept) {
    const struct {
        const wchar_t* path;
        const wchar_t* driveUncPath;
        const wchar_t* onNetwork;
    } cases[] = {
        {L"Z:\\PROGRA~1\\GIT", L"\\\\server\\share", L"\\\\server\\share\\PROGRA~1\\GIT"},
        {L"Z:\\", L"\\\\server\\share\\sub\\", L"\\\\server\\share\\sub\\"},
        {L"\\\\?\\Z:\\LONG", L"\\\\server\\share", L"\\\\?\\UNC\\server\\share\\LONG"},
        {L"Z:DIR", L"\\\\server\\share", L"Z:DIR"},
        {L"C:\\DIR", L"", L"C:\\DIR"},
    };
    for (const auto& c : cases) EXPECT_EQ(OnNetworkRoot(c.path, c.driveUncPath), c.onNetwork) << c.path;
}

// What bash makes of the text as the words of a command: one line each.
std::string BashWords(const std::string& text) {
    char script[] = "/tmp/shortex-words-XXXXXX";
    const int file = ::mkstemp(script);
    const std::string command = "printf '%s\\n' " + text;
    EXPECT_EQ(::write(file, command.data(), command.size()), static_cast<ssize_t>(command.size()));
    ::close(file);
    // The script's text is handed to bash -c as it is: "$(cat ...)" is one word, unexpanded.
    FILE* bash = ::popen(("bash -c \"$(cat " + std::string(script) + ")\"").c_str(), "r");
    std::string words;
    for (int c; (c = std::fgetc(bash)) != EOF;) words += static_cast<char>(c);
    ::pclose(bash);
    ::unlink(script);
    return words;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

TEST(PathForms, BashReadsEveryShellFormBackAsTheSamePaths) {
    const std::vector<std::wstring> paths = {
        L"C:\\PROGRA~1\\GIT", L"C:\\AT&T\\A B", L"C:\\IT'S",   L"C:\\$HOME",        L"C:\\A(1)\\B;C",
        L"C:\\{A,B}\\[X]*",   L"~ROOT\\#X",     L"C:\\A`B`!C", L"C:\\A\\B\"C|D<E>", L"\\\\server\\share\\A B"};
    for (const PathForm form : {Msys, Cygwin}) {
        std::string expected;
        for (const std::wstring& path : paths) expected += Narrow(WrittenAs(path, {form, Never})) + "\n";
        for (const Quotes quotes : {Needed, Always}) {
            const CopyForm copyForm{form, quotes, false, Separator::Space};
            EXPECT_EQ(BashWords(Narrow(WrittenAs(paths, copyForm))), expected) << static_cast<int>(quotes);
        }
    }
}

}  // namespace
}  // namespace shortex
