#include "app/startup.h"
#include "support/recording_message_boxes.h"

#include <gtest/gtest.h>

namespace shortex::startup {
namespace {

struct FakeHost final : StartupHost {
    bool previousInstance = false;
    std::optional<Failure> failure;
    std::vector<std::string> calls;
    void InitCommonControls() override { calls.push_back("init"); }
    bool PreviousInstanceRunning() override {
        calls.push_back("query");
        return previousInstance;
    }
    std::optional<Failure> CreateAndShowMainWindow() override {
        calls.push_back("window");
        return failure;
    }
    void EndProgram() override { calls.push_back("end"); }
};

TEST(StartupMain, OpensTheWindowWhenNoOtherCopyRuns) {
    FakeHost host;
    testing::RecordingMessageBoxes boxes;
    Main(host, boxes);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"init", "query", "window"}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(StartupMain, ASecondCopySaysSoAndEndsWithoutAWindow) {
    FakeHost host;
    host.previousInstance = true;
    testing::RecordingMessageBoxes boxes;
    Main(host, boxes);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"init", "query", "end"}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"Shortex is already running...");
    EXPECT_EQ(boxes.shown[0].title, L"Info");
    EXPECT_EQ(boxes.shown[0].style, 0x40u);
}

TEST(StartupMain, AWindowThatFailsIsReportedOnce) {
    FakeHost host;
    host.failure = Failure{339, L"Component missing", L"help.hlp", 7};
    testing::RecordingMessageBoxes boxes;
    Main(host, boxes);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"Error");
    EXPECT_EQ(boxes.shown[0].style, 0u);
    EXPECT_EQ(boxes.shown[0].helpFile, L"help.hlp");
    EXPECT_EQ(boxes.shown[0].helpContext, 7u);
    EXPECT_EQ(host.calls.back(), "window");  // no explicit end: the program ends without a window
}

TEST(StartupReport, ComponentMissingHasTheShortLayout) {
    EXPECT_EQ(StartupReportText({339, L"Class not registered", L"", 0}),
              L"An Error was generated:\r\nDescription: Error 339 - Class not registered\r\n\r\n"
              L"Re-install the program to fix this.");
}

TEST(StartupReport, WindowLoadFailureAdvisesTheRuntimes) {
    EXPECT_EQ(StartupReportText({50003, L"Unexpected error", L"", 0}),
              L"An Error was generated:\r\nDescription: Error 50003 - Unexpected error\r\n\r\n"
              L"Re-install the program to fix this, or get the latest vbruntimes at Tandril.");
}

TEST(StartupReport, AnyOtherNumberNamesTheProcedure) {
    EXPECT_EQ(StartupReportText({5, L"Invalid procedure call", L"", 0}),
              L"An Error was generated:\r\n\r\nDescription:\r\nError 5 - Invalid procedure call\r\n"
              L"Mod Startup - Main procedure\r\n\r\nPlease inform the author with the error description above.");
    EXPECT_NE(StartupReportText({0, L"", L"", 0}).find(L"\r\nError 0 - \r\n"), std::wstring::npos);
}

TEST(StartupReport, NegativeNumbersKeepTheirSignNextToError) {
    const std::wstring text = StartupReportText({-2147024894, L"File not found", L"", 0});
    EXPECT_NE(text.find(L"\r\nError-2147024894 - File not found\r\n"), std::wstring::npos);
    EXPECT_NE(StartupReportText({-339, L"x", L"", 0}).find(L"Error-339 - x"), std::wstring::npos);
}

}  // namespace
}  // namespace shortex::startup
