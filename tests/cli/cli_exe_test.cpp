// shortex-cli.exe as a script runs it: arguments, standard input, output bytes, exit codes.
#include "common/utf8.h"
#include "pathnames/hostile_corpus.h"
#include "pathnames/long_name.h"
#include "pathnames/path_names.h"
#include "pathnames/temp_folder.h"
#include "pathnames/windows_path_platform.h"
#include "support/child_process.h"

#include <gtest/gtest.h>

namespace shortex {
namespace {

using testing::OutputLines;
using testing::RunProcess;

const std::wstring& CliExe() {
    static const std::wstring path = testing::BuildPath(SHORTEX_CLI_EXE);
    return path;
}

TEST(CliExe, ShortThenLongFormOfProgramFiles) {
    const auto shortRun = RunProcess(CliExe(), {L"C:\\Program Files"});
    ASSERT_EQ(shortRun.exitCode, 0u) << shortRun.errors;
    const auto lines = OutputLines(shortRun.output);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0], "C:\\Program Files");
    EXPECT_EQ(lines[0].substr(0, 3), "C:\\");

    const auto longRun = RunProcess(CliExe(), {L"--long", Utf8ToWide(lines[0])});
    EXPECT_EQ(longRun.exitCode, 0u);
    EXPECT_EQ(longRun.output, "C:\\Program Files\r\n");
}

TEST(CliExe, EmptyLineAndExitCodeOneForAPathWithoutAnswer) {
    const auto run = RunProcess(CliExe(), {L"C:\\Windows", L"C:\\no such folder", L"C:\\"});
    EXPECT_EQ(run.exitCode, 1u);
    const auto lines = OutputLines(run.output);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FALSE(lines[0].empty());
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "C:\\");
}

TEST(CliExe, HelpAndUsageErrors) {
    const auto help = RunProcess(CliExe(), {L"--help"});
    EXPECT_EQ(help.exitCode, 0u);
    EXPECT_NE(help.output.find("Usage: shortex-cli"), std::string::npos);

    const auto none = RunProcess(CliExe(), {});
    EXPECT_EQ(none.exitCode, 2u);
    EXPECT_EQ(none.output, "");
    EXPECT_NE(none.errors.find("Usage: shortex-cli"), std::string::npos);
}

TEST(CliExe, UnicodePathsAsUtf8BothWays) {
    WindowsPathPlatform platform;
    testing::TempFolder temp;
    const std::wstring folder = temp.MakeFolder(L"\u65e5\u672c \u0416\u0435\u043d\u044f \U0001F600");
    const auto byArgument = RunProcess(CliExe(), {folder});
    ASSERT_EQ(byArgument.exitCode, 0u);
    EXPECT_EQ(byArgument.output, WideToUtf8(GetShortPath(platform, folder)) + "\r\n");

    const std::string bom = "\xEF\xBB\xBF";
    const auto byInput = RunProcess(CliExe(), {L"--long", L"-"}, bom + WideToUtf8(GetShortPath(platform, folder)) + "\r\n");
    ASSERT_EQ(byInput.exitCode, 0u);
    EXPECT_EQ(byInput.output, WideToUtf8(folder) + "\r\n");
}

TEST(CliExe, TenThousandPathsFromStandardInput) {
    std::string input;
    for (int i = 0; i < 10000; ++i) input += (i % 2 ? "C:\\Windows\n" : "C:\\Program Files\r\n");
    const auto run = RunProcess(CliExe(), {L"-"}, input);
    ASSERT_EQ(run.exitCode, 0u);
    const auto lines = OutputLines(run.output);
    ASSERT_EQ(lines.size(), 10000u);
    WindowsPathPlatform platform;
    EXPECT_EQ(lines[0], WideToUtf8(GetShortPath(platform, L"C:\\Program Files")));
    EXPECT_EQ(lines[1], WideToUtf8(GetShortPath(platform, L"C:\\Windows")));
    EXPECT_EQ(lines[9998], lines[0]);
    EXPECT_EQ(lines[9999], lines[1]);
}

TEST(CliExe, AnswersAgreeWithTheFunctionsForEveryHostileText) {
    WindowsPathPlatform platform;
    std::string input;
    std::vector<std::wstring> sent;
    for (const std::wstring& text : testing::HostileTexts()) {
        // One path a line: texts holding line ends or NULs cannot travel this way.
        if (text.find_first_of(std::wstring(L"\r\n\0", 3)) != std::wstring::npos) continue;
        sent.push_back(Utf8ToWide(WideToUtf8(text)));  // unpaired surrogates arrive as U+FFFD
        input += WideToUtf8(text) + "\n";
    }
    for (const bool longForm : {false, true}) {
        const auto run = RunProcess(CliExe(), longForm ? std::vector<std::wstring>{L"--long", L"-"}
                                                        : std::vector<std::wstring>{L"-"},
                                    input);
        ASSERT_FALSE(run.timedOut);
        EXPECT_LE(run.exitCode, 1u);
        const auto lines = OutputLines(run.output);
        ASSERT_EQ(lines.size(), sent.size());
        for (std::size_t i = 0; i < sent.size(); ++i) {
            const std::wstring expected = longForm ? GetLongFilename(platform, sent[i]) : GetShortPath(platform, sent[i]);
            EXPECT_EQ(lines[i], WideToUtf8(expected)) << "line " << i;
        }
    }
}

}  // namespace
}  // namespace shortex
