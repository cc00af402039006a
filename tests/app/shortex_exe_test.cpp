// The real Shortex.exe under Wine, driven from outside as a person, a shortcut or Windows would.
#include "pathnames/path_names.h"
#include "support/win_support.h"

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

const std::wstring kExe = BuildPath(SHORTEX_EXE);

std::wstring ItemText(HWND window, int id) { return WindowText(::GetDlgItem(window, id)); }

class ShortexExe : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
};

TEST_F(ShortexExe, ASecondCopyIsRefusedWithAMessageAndTheFirstRunsOn) {
    RunningProcess first(kExe, L"");
    ASSERT_TRUE(WaitForWindow(first.id(), L"ShortexMainWindow"));
    RunningProcess second(kExe, L"");
    const HWND box = WaitForWindow(second.id(), L"#32770", L"Info");
    ASSERT_TRUE(box);
    EXPECT_EQ(BoxText(box), L"Shortex is already running...");
    ::SendMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(second.WaitForExit());
    EXPECT_FALSE(FindProcessWindow(second.id(), L"ShortexMainWindow"));
    EXPECT_FALSE(first.WaitForExit(0));
}

TEST_F(ShortexExe, OfTwoCopiesStartedTogetherExactlyOneOpensItsWindow) {
    RunningProcess a(kExe, L""), b(kExe, L"");
    const auto count = [&](const wchar_t* className, const wchar_t* title = nullptr) {
        return !!FindProcessWindow(a.id(), className, title) + !!FindProcessWindow(b.id(), className, title);
    };
    ASSERT_TRUE(PumpUntil([&] { return count(L"ShortexMainWindow") + count(L"#32770", L"Info") == 2; }));
    EXPECT_EQ(count(L"ShortexMainWindow"), 1);
}

TEST_F(ShortexExe, APathAndThePlaceAreRememberedFromOneRunToTheNextEvenWhenStartedMaximised) {
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
    EXPECT_EQ(ItemText(window, 100), path);
    EXPECT_EQ(ItemText(window, 104), ShortPath(files, path));
}

}  // namespace
}  // namespace shortex::testing
