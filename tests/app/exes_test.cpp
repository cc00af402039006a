// The real exes under Wine, driven from outside: Shortex.exe as a person, a shortcut or Windows
// would, shortex-cli.exe as a script runs it (arguments, standard input, output bytes, exit codes).
#include "pathnames/path_names.h"
#include "shortex_version.h"
#include "support/win_support.h"
#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace shortex::testing {
namespace {

const std::wstring kCli = BuildPath(SHORTEX_CLI_EXE), kExe = BuildPath(SHORTEX_EXE);

TEST(ShortexExe, OfTwoCopiesStartedTogetherOneOpensItsWindowAndTheOtherSaysSoAndEnds) {
    ClearSettings();
    RunningProcess a(kExe, L""), b(kExe, L"");
    const auto box = [](RunningProcess& run) { return FindProcessWindow(run.id(), L"#32770", L"Info"); };
    const auto window = [](RunningProcess& run) { return FindProcessWindow(run.id(), L"ShortexMainWindow"); };
    ASSERT_TRUE(PumpUntil([&] { return (box(a) && window(b)) || (box(b) && window(a)); }));
    RunningProcess &refused = box(a) ? a : b, &running = box(a) ? b : a;
    EXPECT_EQ(Answer(refused.id(), L"Info", IDOK), L"Shortex is already running...");
    EXPECT_TRUE(refused.WaitForExit());
    EXPECT_FALSE(running.WaitForExit(0));
}

TEST(ShortexExe, APathAndThePlaceAreRememberedFromOneRunToTheNextEvenWhenStartedMaximised) {
    ClearSettings();
    TempFolder folder;
    SystemFileSystem files;
    const std::wstring path = folder.MakeFolder(L"Program Files");
    RECT placed{};
    {
        RunningProcess run(kExe, L"\"" + path + L"\"", SW_SHOWMAXIMIZED);  // as a "Maximized" shortcut
        const HWND window = WaitForWindow(run.id(), L"ShortexMainWindow");
        ASSERT_TRUE(window);
        EXPECT_FALSE(::IsZoomed(window));
        ::SetWindowPos(window, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::GetWindowRect(window, &placed);
        ::SendMessageW(window, WM_QUERYENDSESSION, TRUE, 0);  // Windows shutting down
        ::SendMessageW(window, WM_ENDSESSION, TRUE, 0);
        EXPECT_TRUE(run.WaitForExit());
    }
    EXPECT_EQ(Setting(L"PreviousPath"), path);
    RunningProcess again(kExe, L"");
    const HWND window = WaitForWindow(again.id(), L"ShortexMainWindow");
    ASSERT_TRUE(window);
    RECT now{};
    ::GetWindowRect(window, &now);
    EXPECT_EQ(std::pair(now.left, now.top), std::pair(placed.left, placed.top));
    EXPECT_EQ(WindowText(::GetDlgItem(window, main_window::txtPath)), path);
    EXPECT_EQ(WindowText(::GetDlgItem(window, main_window::txtShortex)), ShortPath(files, path));
}

std::string Utf8(const std::wstring& text) {
    const std::u8string bytes = std::filesystem::path(text).u8string();
    return std::string(bytes.begin(), bytes.end());
}

TEST(CliExe, AnswersAndExitCodes) {
    TempFolder folder;
    SystemFileSystem files;
    const std::wstring path = folder.MakeFolder(L"\u65e5\u672c \u0416\u0435\u043d\u044f \U0001F600");
    const std::string shortForm = Utf8(ShortPath(files, path));
    const struct {
        std::vector<std::wstring> arguments;
        unsigned long exitCode;
        std::string output;
    } cases[] = {
        {{path, L"C:\\no such folder", L"C:\\"}, 1, shortForm + "\r\n\r\nC:\\\r\n"},
        {{L"--long", ShortPath(files, path)}, 0, Utf8(path) + "\r\n"},
        {{L"--make-short", path}, 0, shortForm + "\r\n"},  // every component short: Wine needs no SetFileShortNameW
        {{L"--", L"--help"}, 1, "\r\n"},
        {{L"C:\\", L"/?"}, 0, "Usage"},
        {{L"--version"}, 0, "shortex-cli " SHORTEX_VERSION_TEXT "\r\n"},
        {{}, 2, ""},
        {{L"--long"}, 2, ""},
        {{L"C:\\", L"--long"}, 2, ""},  // --long only first
        {{L"--shrt", L"C:\\"}, 2, ""},
        {{L"--form", L"unix", L"C:\\"}, 2, ""},
        {{L"--dry-run", L"C:\\"}, 2, ""},
        {{L"--make-short", L"--long", L"C:\\"}, 2, ""},
        {{L"--tree", L""}, 2, ""},
        {{L"--tree", L"   "}, 2, ""},  // a blank folder would list the current one at every depth
    };
    for (const auto& c : cases) {
        const ProcessResult run = RunProcess(kCli, c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.size();
        EXPECT_EQ(run.output.substr(0, c.exitCode ? run.output.size() : c.output.size()), c.output);
        EXPECT_EQ(run.errors.find("Usage: shortex-cli") != std::string::npos, c.exitCode == 2);
    }
}

TEST(CliExe, PathsFromStandardInputOneAnswerALine) {
    TempFolder folder;
    SystemFileSystem files;
    const std::wstring path = folder.MakeFolder(L"a \u0416 folder");
    std::string input = "\xEF\xBB\xBF";  // a byte order mark, then CRLF and LF lines
    for (int i = 0; i < 5000; ++i) input += Utf8(path) + (i % 2 ? "\n" : "\r\nC:\\missing\r\n");
    const ProcessResult run = RunProcess(kCli, {L"-"}, input);
    EXPECT_EQ(run.exitCode, 1u);
    std::string expected;
    for (int i = 0; i < 5000; ++i) expected += Utf8(ShortPath(files, path)) + (i % 2 ? "\r\n" : "\r\n\r\n");
    EXPECT_EQ(run.output, expected);
}

std::vector<std::pair<std::wstring, std::wstring>> TreeLines(const std::wstring& folder) {
    const ProcessResult run = RunProcess(kCli, {L"--tree", folder});
    EXPECT_EQ(run.exitCode, 0u) << run.errors;
    const std::wstring text = std::filesystem::path(std::u8string(run.output.begin(), run.output.end())).wstring();
    std::vector<std::pair<std::wstring, std::wstring>> lines;
    for (std::size_t at = 0, tab, end; (tab = text.find(L'\t', at)) != text.npos; at = end + 2)
        lines.emplace_back(text.substr(at, tab - at), text.substr(tab + 1, (end = text.find(L"\r\n", tab)) - tab - 1));
    return lines;
}

TEST(CliExe, TreeListsEveryEntryWithTheShortFormTheSystemGivesFromOneListingPerFolderAndEntersNoLink) {
    TempFolder folder;
    SystemFileSystem files;
    std::wstring deep = L"Program Files";
    const std::wstring names[] = {
        L"a.b.c", L"\u0416\u0451\u043b\u0442\u044b\u0439", L"UPPER.TXT", L"C.txt", L"b.txt", L"A.txt", L"dot."};
    for (folder.MakeFolder(deep); deep.size() < 300;) folder.MakeFolder(deep += L"\\a long folder name");
    for (const std::wstring& name : names) folder.MakeFile(deep + L"\\" + name);
    folder.MakeFile(L"\u65e5\u672c \U0001F600.txt");
    folder.MakeFolder(L"empty");
    ::SetFileAttributesW(folder.MakeFile(L"hidden.sys").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const auto lines = TreeLines(folder.path());
    ASSERT_EQ(lines.size(), 4 + deep.size() / 19 + std::size(names));
    std::vector<std::wstring> order;
    for (const auto& [shortForm, longForm] : lines) {
        EXPECT_EQ(LongPath(files, shortForm), longForm);
        EXPECT_EQ(NoteOnShortForm(files, longForm, shortForm).text, L"");  // Wine's hashed names are 8.3 names
        if (longForm.ends_with(L".txt") || longForm.ends_with(L".TXT"))
            order.push_back(longForm.substr(longForm.rfind(L'\\') + 1));
        if (longForm.ends_with(L'.')) continue;            // no per-path call reaches it: its 8.3 name is its one path
        EXPECT_EQ(shortForm, ShortPath(files, longForm));  // GetShortPathNameW's
    }
    EXPECT_EQ(order,
              (std::vector<std::wstring>{L"A.txt", L"b.txt", L"C.txt", L"UPPER.TXT", L"\u65e5\u672c \U0001F600.txt"}));
    const auto link = TreeLines(BuildPath(SHORTEX_TREE_LINK));  // a link to its own folder: listed, not entered
    ASSERT_EQ(link.size(), 1u);
    EXPECT_TRUE(link[0].second.ends_with(L"\\loop"));
    EXPECT_EQ(RunProcess(kCli, {L"--tree", BuildPath(SHORTEX_TREE_LINK) + L"\\loop\\missing"}).exitCode, 2u);
}

}  // namespace
}  // namespace shortex::testing
