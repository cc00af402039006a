// Shortex.exe started as a user starts it, driven from outside the process as a person would.
#include "support/child_process.h"
#include "support/gui_driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

namespace shortex {
namespace {

using namespace shortex::testing;

constexpr wchar_t kMainWindowClass[] = L"ShortexMainWindow";
constexpr wchar_t kDialogClass[] = L"#32770";

const std::wstring& ShortexExe() {
    static const std::wstring path = BuildPath(SHORTEX_EXE);
    return path;
}

HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(processId, className, title)) != nullptr; });
    return found;
}

// The text of a message box: the static control with id 65535.
std::wstring MessageBoxText(HWND box) { return WindowText(::GetDlgItem(box, 0xFFFF)); }

int CountMainWindows(DWORD first, DWORD second) {
    return (FindProcessWindow(first, kMainWindowClass) ? 1 : 0) + (FindProcessWindow(second, kMainWindowClass) ? 1 : 0);
}

TEST(ShortexExe, ASecondCopyIsRefusedWhileTheFirstRuns) {
    RunningProcess first(ShortexExe(), {});
    const HWND window = WaitForWindow(first.id(), kMainWindowClass);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowText(window), L"Shortex");

    RunningProcess second(ShortexExe(), {});
    const HWND info = WaitForWindow(second.id(), kDialogClass, L"Info");
    ASSERT_TRUE(info);
    EXPECT_EQ(MessageBoxText(info), L"Shortex is already running...");
    EXPECT_FALSE(FindProcessWindow(second.id(), kMainWindowClass));
    ::SendMessageW(::GetDlgItem(info, IDOK), BM_CLICK, 0, 0);
    unsigned long exitCode = 1;
    ASSERT_TRUE(second.WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(::IsWindow(window));  // the first copy is not disturbed

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.WaitForExit(10000));
}

TEST(ShortexExe, TwoCopiesStartedTogetherOpenExactlyOneWindow) {
    auto a = std::make_unique<RunningProcess>(ShortexExe(), std::vector<std::wstring>{});
    auto b = std::make_unique<RunningProcess>(ShortexExe(), std::vector<std::wstring>{});
    HWND info = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        info = FindProcessWindow(a->id(), kDialogClass, L"Info");
        if (!info) info = FindProcessWindow(b->id(), kDialogClass, L"Info");
        return info && CountMainWindows(a->id(), b->id()) == 1;
    }));
    ::PostMessageW(::GetDlgItem(info, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return a->WaitForExit(0) || b->WaitForExit(0); }));
    EXPECT_EQ(CountMainWindows(a->id(), b->id()), 1);
    for (DWORD id : {a->id(), b->id()})
        if (HWND window = FindProcessWindow(id, kMainWindowClass)) ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(a->WaitForExit(10000));
    EXPECT_TRUE(b->WaitForExit(10000));
}

}  // namespace
}  // namespace shortex
