// The About box in this process under Wine, opened modally and driven with real keys.
#include "support/win_support.h"
#include "ui/about/about_text.h"
#include "ui/about/frm_about.h"
#include "ui/main/frm_main.h"

#include <gtest/gtest.h>

#include <functional>

namespace shortex::about {
namespace {

using namespace shortex::testing;

std::function<void(HWND)> pendingAction;
std::vector<std::wstring> opened;

// Opens the box modally over owner and, once it shows, runs act on it.
void WithBox(HWND owner, std::function<void(HWND)> act) {
    pendingAction = std::move(act);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        if (const HWND box = FindProcessWindow(::GetCurrentProcessId(), L"ShortexAboutBox"); box && pendingAction)
            std::exchange(pendingAction, nullptr)(box);
    });
    frmabout::ShowModal(owner, [](HWND, const wchar_t* address) { opened.push_back(address); });
    ::KillTimer(nullptr, timer);
}

// Only OK closes the box from the keyboard (Enter or Alt+O, never Esc), and the link opens the
// home page, minimising the window the box belongs to.
TEST(AboutBox, OpensModalAndOnlyOkClosesItTheLinkShowsAHandAndOpensTheHomePageMinimisingTheOwner) {
    const HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 200,
                                         nullptr, nullptr, nullptr, nullptr);
    WithBox(owner, [&](HWND box) {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        EXPECT_FALSE(::IsWindowEnabled(owner));
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(box, cmdok));
        EXPECT_TRUE(ControlText(::GetDlgItem(box, lblcopyright)).ends_with(L" - " + std::to_wstring(now.wYear)));
        ::SendMessageW(box, WM_COMMAND, IDCANCEL, 0);  // what Esc sends
        EXPECT_TRUE(::IsWindowVisible(box));
        PressKeys(box, ::GetDlgItem(box, lblurl), {VK_MENU, 'O'});
    });
    EXPECT_TRUE(::IsWindowEnabled(owner));
    WithBox(owner, [](HWND box) { PressKeys(box, ::GetDlgItem(box, cmdok), {VK_RETURN}); });
    WithBox(owner, [](HWND box) {
        const HWND link = ::GetDlgItem(box, lblurl);
        EXPECT_TRUE(
            ::SendMessageW(box, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
        PressKeys(box, link, {VK_SPACE});
    });
    EXPECT_EQ(opened, std::vector<std::wstring>{std::wstring(HomePageAddress())});  // each box shown, once opened
    EXPECT_TRUE(::IsIconic(owner));
    ::DestroyWindow(owner);
}

TEST(AboutBox, ClosingTheMainWindowWithTheBoxOpenClosesBothAndEndsTheProgram) {
    ClearSettings();
    RecordedBoxes boxes;
    main_window::SystemPickers pickers;
    main_window::frmMain window(std::make_shared<SystemFileSystem>(), boxes, pickers, L"");
    ASSERT_FALSE(window.Create());
    WithBox(window.hwnd(), [&](HWND) { ::PostMessageW(window.hwnd(), WM_CLOSE, 0, 0); });
    EXPECT_FALSE(window.hwnd());
    MSG quit;
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace shortex::about
