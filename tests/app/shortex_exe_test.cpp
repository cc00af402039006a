// The real Shortex.exe under Wine, driven from outside as a person, a shortcut or Windows would.
#include "pathnames/path_names.h"
#include "support/win_support.h"
#include "ui/main/main_layout.h"

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
    EXPECT_EQ(ItemText(window, main_window::txtPath), path);
    EXPECT_EQ(ItemText(window, main_window::txtShortex), ShortPath(files, path));
}

TEST_F(ShortexExe, CopyPutsEveryShortFormOnTheClipboardOrSaysWhyNothingWasCopied) {
    TempFolder folder;
    SystemFileSystem files;
    const std::wstring a = folder.MakeFolder(L"a folder"), b = folder.MakeFile(L"b file.txt");
    const HWND holder =
        ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const struct {
        std::wstring arguments;
        bool clipboardHeld;
        std::wstring copied, box;
    } cases[] = {
        // box: how it begins
        {L"--copy \"" + a + L"\" \"" + b + L"\" C:\\", false,
         ShortPath(files, a) + L"\r\n" + ShortPath(files, b) + L"\r\nC:\\", L""},
        {L"--copy", false, L"<none>", L"Give the paths"},
        {L"--copy \"" + a + L"\"", true, L"<none>", L"Another program holds the clipboard"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(::OpenClipboard(holder));
        ::EmptyClipboard();
        if (!c.clipboardHeld) ::CloseClipboard();
        RunningProcess copy(kExe, c.arguments);
        HWND box = nullptr;
        PumpUntil([&] { return copy.WaitForExit(0) || (box = FindProcessWindow(copy.id(), L"#32770", L"Shortex")); });
        EXPECT_EQ(box ? BoxText(box).substr(0, c.box.size()) : L"", c.box) << c.arguments;
        if (box) ::SendMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        EXPECT_TRUE(copy.WaitForExit());
        EXPECT_EQ(copy.ExitCode(), c.box.empty() ? 0u : 1u);
        if (c.clipboardHeld) ::CloseClipboard();
        EXPECT_EQ(ClipboardText(), c.copied) << c.arguments;
    }
    ::DestroyWindow(holder);
}

}  // namespace
}  // namespace shortex::testing
