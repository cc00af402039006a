// The real Shortex.exe under Wine, driven from outside as a person, a shortcut or Windows would.
#include "pathnames/path_names.h"
#include "support/win_support.h"
#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

const std::wstring kExe = BuildPath(SHORTEX_EXE);

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

}  // namespace
}  // namespace shortex::testing
