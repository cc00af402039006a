// The real main window in this process, driven with real keys and messages under Wine.
#include "pathnames/path_names.h"
#include "pathnames/temp_folder.h"
#include "pathnames/windows_path_platform.h"
#include "settings/memory_registry.h"
#include "support/gui_driver.h"
#include "support/recording_exit.h"
#include "support/recording_message_boxes.h"
#include "ui/main/frm_main.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace shortex::main_window {
namespace {

using namespace shortex::testing;

int ExpectedDpi() {
    const char* dpi = std::getenv("SHORTEX_EXPECT_DPI");
    return dpi ? std::atoi(dpi) : 96;
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!::OpenClipboard(nullptr)) return L"<clipboard busy>";
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = chars;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

class FrmMainTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto failure = window.Create(::GetModuleHandleW(nullptr));
        ASSERT_FALSE(failure) << "failure " << failure->number;
        window.Show(SW_SHOWNORMAL);
        Pump();
    }

    void Pump(DWORD ms = 50) { PumpMessages(ms, window.hwnd()); }
    HWND Child(Control control) const { return window.ControlWindow(control); }
    void Keys(Control focus, std::initializer_list<WORD> keys) {
        FocusForKeys(window.hwnd(), Child(focus));
        PressKeys(keys);
        Pump(100);
    }
    int Dpi() const { return static_cast<int>(::GetDpiForWindow(window.hwnd())); }
    SIZE OuterSize() const {
        RECT rect{};
        ::GetWindowRect(window.hwnd(), &rect);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    SIZE ClientSize() const {
        RECT rect{};
        ::GetClientRect(window.hwnd(), &rect);
        return {rect.right, rect.bottom};
    }

    WindowsPathPlatform paths;
    RecordingMessageBoxes boxes;
    RecordingExit exit;
    MemoryRegistry registryStore;
    registry::Registry registry{registryStore, boxes};
    frmMain window{{paths, boxes, exit, registry, L""}};
};

// Runs at 96 DPI, and again with Wine's LogPixels at 144 (SHORTEX_EXPECT_DPI=144).
TEST_F(FrmMainTest, ControlsStandWhereTheLayoutPutsThemInTwips) {
    ASSERT_EQ(Dpi(), ExpectedDpi());
    EXPECT_EQ(ClientSize().cy, TwipsToPixels(kDesignClientHeight, Dpi()));
    EXPECT_EQ(ClientSize().cx, TwipsToPixels(kMinClientWidth, Dpi()));
    const auto rects = LayoutForClientWidth(PixelsToTwips(ClientSize().cx, Dpi()));
    for (const auto& design : MainControls()) {
        SCOPED_TRACE(std::string(design.name.begin(), design.name.end()));
        const RECT actual = ChildRect(Child(design.control));
        const RectTwips& expected = rects[static_cast<std::size_t>(design.control)];
        EXPECT_EQ(actual.left, TwipsToPixels(expected.left, Dpi()));
        EXPECT_EQ(actual.top, TwipsToPixels(expected.top, Dpi()));
        EXPECT_EQ(actual.right, TwipsToPixels(expected.left + expected.width, Dpi()));
        EXPECT_EQ(actual.bottom, TwipsToPixels(expected.top + expected.height, Dpi()));
        // In twips, within the pixel that the display can show.
        EXPECT_NEAR(PixelsToTwips(actual.left, Dpi()), expected.left, kTwipsPerInch / Dpi());
        EXPECT_NEAR(PixelsToTwips(actual.right - actual.left, Dpi()), expected.width, kTwipsPerInch / Dpi());
        EXPECT_EQ(::IsWindowVisible(Child(design.control)) != FALSE, design.visible);
        EXPECT_EQ(WindowText(Child(design.control)), design.text);
    }
    // The design's own numbers at the minimum width: cmdGetShortex at 3835 twips, boxes 5185 wide.
    EXPECT_NEAR(PixelsToTwips(ChildRect(Child(Control::cmdGetShortex)).left, Dpi()), 3835, kTwipsPerInch / Dpi());
    const RECT box = ChildRect(Child(Control::txtPath));
    EXPECT_NEAR(PixelsToTwips(box.right - box.left, Dpi()), 5185, kTwipsPerInch / Dpi());
}

TEST_F(FrmMainTest, TheWindowHasCaptionAndFrameButNoMaximiseBox) {
    EXPECT_EQ(WindowText(window.hwnd()), L"Shortex");
    const LONG_PTR style = ::GetWindowLongPtrW(window.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    ::SendMessageW(window.hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    Pump();
    EXPECT_FALSE(::IsZoomed(window.hwnd()));
}

TEST_F(FrmMainTest, HeightSpringsBackAndWidthStaysAboveTheMinimum) {
    const SIZE designed = OuterSize();
    ::SetWindowPos(window.hwnd(), nullptr, 0, 0, designed.cx + 100, designed.cy + 80, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    EXPECT_EQ(OuterSize().cy, designed.cy);
    EXPECT_EQ(OuterSize().cx, designed.cx + 100);
    const RECT box = ChildRect(Child(Control::txtPath));
    EXPECT_EQ(box.right, TwipsToPixels(PixelsToTwips(ClientSize().cx, Dpi()) - 275, Dpi()));

    ::SetWindowPos(window.hwnd(), nullptr, 0, 0, 50, 20, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    EXPECT_EQ(OuterSize().cx, designed.cx);
    EXPECT_EQ(OuterSize().cy, designed.cy);
}

TEST_F(FrmMainTest, MinimisingAndRestoringKeepsTheLayout) {
    const RECT before = ChildRect(Child(Control::cmdGetShortex));
    ::ShowWindow(window.hwnd(), SW_MINIMIZE);
    Pump();
    ::ShowWindow(window.hwnd(), SW_RESTORE);
    Pump();
    const RECT after = ChildRect(Child(Control::cmdGetShortex));
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.right, before.right);
}

TEST_F(FrmMainTest, EnterInThePathBoxShowsTheShortFormOfARealFolder) {
    TempFolder temp;
    const std::wstring folder = temp.MakeFolder(L"A Folder With A Long Name");
    ::SetWindowTextW(Child(Control::txtPath), (L"  " + folder + L" ").c_str());
    Keys(Control::txtPath, {VK_RETURN});
    const std::wstring shown = WindowText(Child(Control::txtShortex));
    EXPECT_EQ(shown, GetShortPath(paths, folder));
    EXPECT_NE(shown, folder);
    EXPECT_EQ(::GetFocus(), Child(Control::txtPath));
}

TEST_F(FrmMainTest, AltCCopiesTheResultToTheClipboard) {
    ::SetWindowTextW(Child(Control::txtShortex), L"C:\\PROG~FBU \u0416");
    Keys(Control::txtPath, {VK_MENU, 'C'});
    EXPECT_EQ(ClipboardText(), L"C:\\PROG~FBU \u0416");
}

TEST_F(FrmMainTest, ACopyWhileAnotherProgramHoldsTheClipboardGivesUpQuietlyWithinHalfASecond) {
    ::SetWindowTextW(Child(Control::txtShortex), L"first");
    Keys(Control::txtPath, {VK_MENU, 'C'});
    ASSERT_EQ(ClipboardText(), L"first");

    std::atomic<bool> holding = false, release = false;
    std::thread holder([&] {
        const HWND owner = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        if (::OpenClipboard(owner)) {
            holding = true;
            while (!release) ::Sleep(10);
            ::CloseClipboard();
        }
        ::DestroyWindow(owner);
    });
    ASSERT_TRUE(WaitUntil([&] { return holding.load(); }, 5000));
    ::SetWindowTextW(Child(Control::txtShortex), L"second");
    const ULONGLONG start = ::GetTickCount64();
    ::SendMessageW(Child(Control::cmdCopy), BM_CLICK, 0, 0);
    const ULONGLONG waited = ::GetTickCount64() - start;
    release = true;
    holder.join();
    EXPECT_LE(waited, 700u);
    EXPECT_TRUE(::IsWindow(window.hwnd()));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(ClipboardText(), L"first");
}

TEST_F(FrmMainTest, EnterOnAnotherButtonPressesThatButton) {
    ::SetWindowTextW(Child(Control::txtPath), L"C:\\");
    ::SetWindowTextW(Child(Control::txtShortex), L"copied, not recomputed");
    FocusForKeys(window.hwnd(), Child(Control::txtShortex));
    PressKeys({VK_TAB});  // to Get Shortex
    PressKeys({VK_TAB});  // to Copy
    Pump();
    ASSERT_EQ(::GetFocus(), Child(Control::cmdCopy));
    PressKeys({VK_RETURN});
    Pump(100);
    EXPECT_EQ(ClipboardText(), L"copied, not recomputed");
    EXPECT_EQ(WindowText(Child(Control::txtShortex)), L"copied, not recomputed");
}

TEST_F(FrmMainTest, EscapeEndsTheProgram) {
    Keys(Control::txtShortex, {VK_ESCAPE});
    EXPECT_FALSE(::IsWindow(window.hwnd()));
    EXPECT_EQ(exit.ends, 1);
}

TEST_F(FrmMainTest, AltXEndsTheProgram) {
    Keys(Control::cmdCopy, {VK_MENU, 'X'});
    EXPECT_FALSE(::IsWindow(window.hwnd()));
    EXPECT_EQ(exit.ends, 1);
}

TEST_F(FrmMainTest, TabVisitsTheControlsInOrderAndSkipsTheHiddenButton) {
    const Control order[] = {Control::txtPath,       Control::cmdOpenFolder, Control::cmdOpenFile,
                             Control::txtShortex,    Control::cmdGetShortex, Control::cmdCopy,
                             Control::cmdAbout,      Control::cmdExit,       Control::txtPath};
    FocusForKeys(window.hwnd(), Child(order[0]));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        PressKeys({VK_TAB});
        Pump(60);
        EXPECT_EQ(::GetFocus(), Child(order[i])) << "after tab " << i;
    }
}

std::wstring TipText(HWND tooltip, HWND owner, HWND tool) {
    wchar_t buffer[1024] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = buffer;
    ::SendMessageW(tooltip, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&info));
    return buffer;
}

TEST_F(FrmMainTest, TooltipsFollowTheTextAfterAMouseMove) {
    const HWND path = Child(Control::txtPath);
    EXPECT_EQ(TipText(window.TooltipWindow(), window.hwnd(), path), L" Enter path... ");
    EXPECT_EQ(TipText(window.TooltipWindow(), window.hwnd(), Child(Control::cmdCopy)), L" Copy to Clipboard ");
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'x') + L"\\\u65e5\u672c";
    ::SetWindowTextW(path, longPath.c_str());
    ::SendMessageW(path, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(TipText(window.TooltipWindow(), window.hwnd(), path), longPath);
    ::SetWindowTextW(path, L"");
    ::SendMessageW(path, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_EQ(TipText(window.TooltipWindow(), window.hwnd(), path), longPath);
}

TEST_F(FrmMainTest, ANewDpiRescalesTheWindowAndItsLayout) {
    const int before = Dpi();
    const int after = before * 3 / 2;
    RECT outer{};
    ::GetWindowRect(window.hwnd(), &outer);
    RECT suggested{outer.left, outer.top, outer.left + (outer.right - outer.left) * 3 / 2,
                   outer.top + (outer.bottom - outer.top) * 3 / 2};
    ::SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(after, after), reinterpret_cast<LPARAM>(&suggested));
    Pump();
    // Only the controls and fonts: Wine keeps the frame of the DPI the window really has.
    const auto rects = LayoutForClientWidth(PixelsToTwips(ClientSize().cx, after));
    const RECT button = ChildRect(Child(Control::cmdGetShortex));
    const RectTwips& expected = rects[static_cast<std::size_t>(Control::cmdGetShortex)];
    EXPECT_EQ(button.left, TwipsToPixels(expected.left, after));
    EXPECT_EQ(button.bottom, TwipsToPixels(expected.top + expected.height, after));
    // The text grows with the DPI too.
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(Child(Control::txtPath), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_NEAR(std::abs(font.lfHeight), 11.0 * after / 96, 3.0 * after / 96);
}

TEST_F(FrmMainTest, EveryWayOfClosingRemembersTheState) {
    ::SetWindowTextW(Child(Control::txtPath), L" C:\\typed path ");
    ::SendMessageW(window.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);  // Alt+F4 and the close box
    Pump();
    EXPECT_FALSE(::IsWindow(window.hwnd()));
    EXPECT_EQ(registry.ReadRegValue(L"HKEY_CURRENT_USER\\Software\\Tandril\\Shortex", L"PreviousPath"), L" C:\\typed path ");
    EXPECT_EQ(registry.ReadRegValue(L"HKEY_CURRENT_USER\\Software\\Tandril\\Shortex", L"Startup"), L"True");
    EXPECT_EQ(exit.ends, 1);
}

TEST_F(FrmMainTest, WindowsEndingTheSessionRemembersTheStateOnce) {
    ::SetWindowTextW(Child(Control::txtPath), L"C:\\before the end");
    EXPECT_EQ(::SendMessageW(window.hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    ::SendMessageW(window.hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(registry.ReadRegValue(L"HKEY_CURRENT_USER\\Software\\Tandril\\Shortex", L"PreviousPath"), L"C:\\before the end");
    ::SetWindowTextW(Child(Control::txtPath), L"C:\\after");
    ::SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(registry.ReadRegValue(L"HKEY_CURRENT_USER\\Software\\Tandril\\Shortex", L"PreviousPath"), L"C:\\before the end");
}

TEST_F(FrmMainTest, TextBoxesTakeTextsLongerThanTheDefaultLimit) {
    const std::wstring longText(40000, L'a');
    ::SetWindowTextW(Child(Control::txtPath), longText.c_str());
    EXPECT_EQ(WindowText(Child(Control::txtPath)).size(), longText.size());
    FocusForKeys(window.hwnd(), Child(Control::txtPath));
    ::SendMessageW(Child(Control::txtPath), EM_SETSEL, 0, 0);
    PressKeys({VK_END});
    PressKeys({'B'});
    Pump();
    EXPECT_EQ(WindowText(Child(Control::txtPath)).size(), longText.size() + 1);
}

}  // namespace
}  // namespace shortex::main_window

namespace shortex::main_window {
namespace {

// The real pickers, opened by the real buttons and answered from another thread as a person would.
class FrmMainPickersTest : public FrmMainTest {
protected:
    void SetUp() override {
        FrmMainTest::SetUp();
        registryStore.AddKey(registry::RootKey::kCurrentUser, kKey);
    }
    void Remember(const std::wstring& path) {
        registryStore.SetValue(registry::RootKey::kCurrentUser, kKey, L"PreviousPath", StringValue(path));
    }
    std::wstring Remembered() { return registry.ReadRegValue(L"HKEY_CURRENT_USER\\Software\\Tandril\\Shortex", L"PreviousPath"); }

    // Clicks the button; meanwhile waits for the dialog with that title and lets answer handle it.
    bool ClickAndAnswer(Control button, const wchar_t* title, const std::function<void(HWND)>& answer) {
        std::atomic<bool> answered = false;
        std::thread person([&] {
            HWND dialog = nullptr;
            if (WaitUntil([&] { return (dialog = FindProcessWindow(::GetCurrentProcessId(), L"#32770", title)) != nullptr; })) {
                answer(dialog);
                answered = true;
            } else {
                // Never leave the test hanging in a modal loop.
                for (HWND open; (open = FindProcessWindow(::GetCurrentProcessId(), L"#32770"));)
                    ::PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
            }
        });
        ::SendMessageW(Child(button), BM_CLICK, 0, 0);
        person.join();
        Pump();
        return answered;
    }

    static constexpr wchar_t kKey[] = L"Software\\Tandril\\Shortex";
};

void Cancel(HWND dialog) { ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); }

void Choose(HWND dialog, const std::wstring& path) {
    ::SendMessageW(::GetDlgItem(dialog, 1152), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    ::PostMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

TEST_F(FrmMainPickersTest, TheFileDialogOpensAndCancellingKeepsTheRememberedPath) {
    TempFolder temp;
    Remember(temp.path());
    ::SetWindowTextW(Child(Control::txtPath), L"typed");
    ASSERT_TRUE(ClickAndAnswer(Control::cmdOpenFile, L"Open", Cancel));
    EXPECT_EQ(WindowText(Child(Control::txtPath)), temp.path());
    EXPECT_EQ(Remembered(), temp.path());
    EXPECT_EQ(::GetFocus(), Child(Control::cmdGetShortex));
}

TEST_F(FrmMainPickersTest, AFileChosenInTheDialogIsShownShortenedAndRemembered) {
    TempFolder temp;
    const std::wstring file = temp.MakeFile(L"A Document With A Long Name.txt");
    Remember(temp.path());
    ASSERT_TRUE(ClickAndAnswer(Control::cmdOpenFile, L"Open", [&](HWND dialog) { Choose(dialog, file); }));
    EXPECT_EQ(WindowText(Child(Control::txtPath)), file);
    EXPECT_EQ(WindowText(Child(Control::txtShortex)), GetShortPath(paths, file));
    EXPECT_EQ(Remembered(), file);
    EXPECT_EQ(::GetFocus(), Child(Control::cmdGetShortex));
}

TEST_F(FrmMainPickersTest, TheFolderChooserOpensWithItsTitleAndCanBeCancelled) {
    Remember(L"C:\\windows");
    ASSERT_TRUE(ClickAndAnswer(Control::cmdOpenFolder, L"Browse for folder", Cancel));
    EXPECT_EQ(WindowText(Child(Control::txtPath)), L"C:\\windows");
    EXPECT_EQ(Remembered(), L"C:\\windows");
    EXPECT_EQ(::GetFocus(), Child(Control::cmdGetShortex));
}

TEST_F(FrmMainPickersTest, AFolderChosenIsShownInLowerCaseAndRemembered) {
    TempFolder temp;
    const std::wstring folder = temp.MakeFolder(L"Chosen Folder");
    Remember(temp.path());
    ASSERT_TRUE(ClickAndAnswer(Control::cmdOpenFolder, L"Browse for folder", [&](HWND dialog) { Choose(dialog, folder); }));
    std::wstring lower = folder;
    ::CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
    EXPECT_EQ(WindowText(Child(Control::txtPath)), lower);
    EXPECT_EQ(WindowText(Child(Control::txtShortex)), GetShortPath(paths, lower));
    EXPECT_EQ(Remembered(), lower);
}

}  // namespace
}  // namespace shortex::main_window
