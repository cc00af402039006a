// Paths written for where they are pasted, and read back by bash as the same paths.
#include "pathnames/path_forms.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace shortex {
namespace {

using enum PathForm;
using enum Quotes;

TEST(PathForms, EachFormWritesTheSamePathAndQuotesOnlyWhatWouldBreak) {
    const std::tuple<const wchar_t*, CopyForm, const wchar_t*> cases[] = {
        // the path, the form, the path written
        {L"C:\\PROGRA~1\\GIT", {Windows, Needed}, L"C:\\PROGRA~1\\GIT"},
        {L"C:\\PROGRA~1\\GIT", {Forward, Needed}, L"C:/PROGRA~1/GIT"},
        {L"C:\\PROGRA~1\\GIT", {Escaped, Needed}, L"C:\\\\PROGRA~1\\\\GIT"},
        {L"C:\\PROGRA~1\\GIT", {Msys, Needed}, L"/c/PROGRA~1/GIT"},
        {L"C:\\PROGRA~1\\GIT", {Cygwin, Needed}, L"/cygdrive/c/PROGRA~1/GIT"},
        {L"C:\\AT&T", {Msys, Never}, L"/c/AT&T"},
        {L"C:\\IT'S", {Windows, Needed}, L"C:\\IT'S"},
        {L"C:\\A$B", {Windows, Needed}, L"C:\\A$B"},
        {L"C:\\Big Folder\\", {Escaped, Needed}, L"\"C:\\\\Big Folder\\\\\""},
        {L"D:", {Msys, Never}, L"/d/"},
        {L"..\\DIR", {Msys, Never}, L"../DIR"},
        {L"\\\\?\\C:\\LONG", {Forward, Never}, L"C:/LONG"},
        {L"\\\\?\\UNC\\server\\share\\LONG", {Msys, Never}, L"//server/share/LONG"},
        {L"C:\\A;B", {Windows, Never, false, Separator::Semicolon}, L"\"C:\\A;B\""},
        {L"C:\\A,B", {Msys, Needed, false, Separator::Comma}, L"'/c/A,B'"},
        {L"", {Windows, Always}, L""},
    };
    for (const auto& [path, form, written] : cases) EXPECT_EQ(WrittenAs(path, form), written) << path;
}

TEST(PathForms, SeveralPathsHaveTheSeparatorBetweenThem) {
    const std::vector<std::wstring> paths = {L"C:\\A", L"D:\\B"};
    EXPECT_EQ(WrittenAs(paths, {}), L"C:\\A\r\nD:\\B");
    EXPECT_EQ(WrittenAs(paths, {Forward, Always, false, Separator::Semicolon}), L"\"C:/A\";\"D:/B\"");
}

TEST(PathForms, AMappedDrivesPathGoesOnItsUncPathAndTheRestIsKept) {
    EXPECT_EQ(OnNetworkRoot(L"Z:\\", L"\\\\server\\share\\sub\\"), L"\\\\server\\share\\sub\\");
    EXPECT_EQ(OnNetworkRoot(L"\\\\?\\Z:\\LONG", L"\\\\server\\share"), L"\\\\?\\UNC\\server\\share\\LONG");
    EXPECT_EQ(OnNetworkRoot(L"Z:DIR", L"\\\\server\\share"), L"Z:DIR");  // drive-relative: no root to replace
}

// What bash makes of the text as the words of a command: one line each. The command reaches
// bash -c as it is: the shell popen runs expands "$SHORTEX_COMMAND" into one word, and no further.
std::string BashWords(const std::string& text) {
    ::setenv("SHORTEX_COMMAND", ("printf '%s\\n' " + text).c_str(), 1);
    FILE* bash = ::popen("bash -c \"$SHORTEX_COMMAND\"", "r");
    std::string words;
    for (int c; (c = std::fgetc(bash)) != EOF;) words += static_cast<char>(c);
    ::pclose(bash);
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
