#include "cli/cli_request.h"
#include "pathnames/memory_volume.h"

#include <gtest/gtest.h>

namespace shortex::cli {
namespace {

using Action = CliRequest::Action;

TEST(CliArguments, PathsInOrderWithStandardInputWhereAsked) {
    const auto request = ParseArguments({L"C:\\a", L"-", L"b c"});
    EXPECT_EQ(request.action, Action::Convert);
    EXPECT_FALSE(request.longForm);
    EXPECT_EQ(request.paths, (std::vector<std::wstring>{L"C:\\a", L"-", L"b c"}));
}

TEST(CliArguments, LongOnlyAsTheFirstArgument) {
    EXPECT_TRUE(ParseArguments({L"--long", L"C:\\PROGRA~1"}).longForm);
    const auto late = ParseArguments({L"C:\\x", L"--long"});
    EXPECT_EQ(late.action, Action::UsageError);
    EXPECT_NE(late.error.find(L"first"), std::wstring::npos);
}

TEST(CliArguments, HelpWinsOverEverythingBeforeADoubleDash) {
    EXPECT_EQ(ParseArguments({L"--help"}).action, Action::ShowHelp);
    EXPECT_EQ(ParseArguments({L"C:\\x", L"/?"}).action, Action::ShowHelp);
    const auto literal = ParseArguments({L"--", L"--help", L"-h"});
    EXPECT_EQ(literal.action, Action::Convert);
    EXPECT_EQ(literal.paths, (std::vector<std::wstring>{L"--help", L"-h"}));
}

TEST(CliArguments, NothingToDoOrUnknownOptionsAreUsageErrors) {
    EXPECT_EQ(ParseArguments({}).action, Action::UsageError);
    EXPECT_EQ(ParseArguments({L"--long"}).action, Action::UsageError);
    EXPECT_EQ(ParseArguments({L"--shrt", L"C:\\"}).action, Action::UsageError);
}

TEST(CliConvert, ShortOrLongFormThroughThePathServices) {
    testing::MemoryVolume volume;
    volume.AddFolder(L"C:\\Program Files", L"PROGRA~1");
    EXPECT_EQ(ConvertPath(volume, false, L"C:\\Program Files"), L"C:\\PROGRA~1");
    EXPECT_EQ(ConvertPath(volume, true, L"c:\\progra~1"), L"c:\\Program Files");
    EXPECT_EQ(ConvertPath(volume, false, L"C:\\Missing"), L"");
}

std::vector<std::string> SplitBytes(const std::vector<std::string_view>& chunks) {
    LineSplitter<char> splitter;
    std::vector<std::string> lines;
    auto collect = [&lines](const std::string& line) { lines.push_back(line); };
    for (auto chunk : chunks) splitter.Feed(chunk, collect);
    splitter.Finish(collect);
    return lines;
}

TEST(LineSplitter, LinesAcrossChunksWithEitherEnding) {
    EXPECT_EQ(SplitBytes({"C:\\a\r\nC:\\", "b\nC:\\c"}), (std::vector<std::string>{"C:\\a", "C:\\b", "C:\\c"}));
    EXPECT_EQ(SplitBytes({"one\r", "\ntwo\n"}), (std::vector<std::string>{"one", "two"}));
}

TEST(LineSplitter, KeepsEmptyLinesButNoPhantomLastLine) {
    EXPECT_EQ(SplitBytes({"a\n\nb\n"}), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitBytes({""}), std::vector<std::string>{});
    EXPECT_EQ(SplitBytes({"\n"}), std::vector<std::string>{""});
}

TEST(LineSplitter, DropsAByteOrderMarkOnlyAtTheStart) {
    EXPECT_EQ(SplitBytes({"\xEF\xBB", "\xBF" "C:\\a\n\xEF\xBB\xBFx"}),
              (std::vector<std::string>{"C:\\a", "\xEF\xBB\xBFx"}));
    LineSplitter<wchar_t> wide;
    std::vector<std::wstring> lines;
    wide.Feed(L"\uFEFF" L"C:\\a\r\n", [&](const std::wstring& line) { lines.push_back(line); });
    EXPECT_EQ(lines, std::vector<std::wstring>{L"C:\\a"});
}

}  // namespace
}  // namespace shortex::cli
