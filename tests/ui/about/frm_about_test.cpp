// The About box as a window: opened modally over an owner made here and driven from a timer that
// its own message loop dispatches. A watchdog destroys a box that stays open too long, so a test
// that fails to close it fails instead of hanging.
#include "ui/about/about_box.h"
#include "ui/about/frm_about.h"
#include "ui/about/module_version.h"
#include "ui/dpi.h"

#include "support/fake_clock.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace shortex::about {
namespace {

using testing::FakeClock;

class RecordingShell final : public Shell {
public:
    explicit RecordingShell(std::vector<std::wstring>& events) : events_(events) {}
    void Execute(const ShellExecuteRequest& request) override {
        events_.push_back(L"shell");
        requests.push_back(request);
    }
    std::vector<ShellExecuteRequest> requests;

private:
    std::vector<std::wstring>& events_;
};

std::vector<HWND> AboutBoxesOfThisThread() {
    std::vector<HWND> boxes;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[64]{};
            ::GetClassNameW(window, name, 64);
            if (std::wstring(name) == kAboutWindowClass) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

std::wstring Text(HWND window) {
    wchar_t text[256]{};
    ::GetWindowTextW(window, text, 256);
    return text;
}

RECT ClientRectIn(HWND child, HWND parent) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE TextExtent(HWND control) {
    const WindowDc dc(control);
    const SelectedObject font(dc.get(), reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    const std::wstring text = Text(control);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

INPUT Key(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    return input;
}

// Presses the keys in order and lets them go in reverse, as a person types a chord.
void PressKeys(std::initializer_list<WORD> chord) {
    std::vector<INPUT> inputs;
    for (WORD key : chord) inputs.push_back(Key(key, 0));
    for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) inputs.push_back(Key(*key, KEYEVENTF_KEYUP));
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND FocusOfThisThread() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetCurrentThreadId(), &info);
    return info.hwndFocus;
}

constexpr wchar_t kOwnerClass[] = L"ShortexAboutTestOwner";
constexpr UINT kTickMilliseconds = 40;
constexpr ULONGLONG kWatchdogMilliseconds = 5000;

class AboutBoxTest : public ::testing::Test {
protected:
    using Step = std::function<void(HWND box)>;

    void SetUp() override {
        WNDCLASSEXW ownerClass{};
        ownerClass.cbSize = sizeof ownerClass;
        ownerClass.lpfnWndProc = &::DefWindowProcW;
        ownerClass.hInstance = ::GetModuleHandleW(nullptr);
        ownerClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        ownerClass.lpszClassName = kOwnerClass;
        ::RegisterClassExW(&ownerClass);
        owner = ::CreateWindowExW(0, kOwnerClass, L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30, 420, 400, nullptr,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(owner);
        ::SetForegroundWindow(owner);
    }

    void TearDown() override {
        if (owner) ::DestroyWindow(owner);
    }

    // Opens the box over the owner and runs one step per tick while it is open.
    void RunBox(std::vector<Step> steps) {
        Driver driver{std::move(steps), 0, ::GetTickCount64() + kWatchdogMilliseconds, false};
        current = &driver;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, kTickMilliseconds, &Tick);
        ShowAboutBox(owner, services);
        ::KillTimer(nullptr, timer);
        current = nullptr;
        if (driver.timedOut) {
            MSG quit{};
            ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
            ADD_FAILURE() << "the box was still open after " << kWatchdogMilliseconds << " ms";
        }
        EXPECT_EQ(driver.next, driver.steps.size()) << "the box closed before every step had run";
        EXPECT_TRUE(AboutBoxesOfThisThread().empty());
    }

    HWND ControlOf(HWND box, AboutControl control) { return ::GetDlgItem(box, AboutControlId(control)); }

    void ClickOk(HWND box) { ::SendMessageW(ControlOf(box, AboutControl::cmdok), BM_CLICK, 0, 0); }

    void FocusAndPress(HWND box, AboutControl focus, std::initializer_list<WORD> chord) {
        ::SetForegroundWindow(box);
        ::SendMessageW(box, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ControlOf(box, focus)), TRUE);
        PressKeys(chord);
    }

    // Steps that give queued input time to arrive.
    static std::vector<Step> Wait(std::vector<Step> steps, int ticks) {
        for (int i = 0; i < ticks; ++i) steps.push_back([](HWND) {});
        return steps;
    }

    static POINT CentreOf(HWND window) {
        RECT rect{};
        ::GetWindowRect(window, &rect);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    static INPUT Mouse(POINT screen, DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = ::MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = ::MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
        return input;
    }

    static void MoveMouseTo(POINT screen) {
        INPUT move = Mouse(screen, 0);
        ::SendInput(1, &move, sizeof move);
    }

    static void ClickAt(POINT screen) {
        INPUT click[] = {Mouse(screen, 0), Mouse(screen, MOUSEEVENTF_LEFTDOWN), Mouse(screen, MOUSEEVENTF_LEFTUP)};
        ::SendInput(3, click, sizeof(INPUT));
    }

    static constexpr std::uint32_t kUnpainted = 0x123456;

    // The client area as the box paints it over a background of kUnpainted, 0x00RRGGBB per pixel.
    static std::vector<std::uint32_t> PrintClient(HWND box) {
        RECT client{};
        ::GetClientRect(box, &client);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = client.right;
        info.bmiHeader.biHeight = -client.bottom;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        const UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        if (!bitmap || !dc) return {};
        const std::size_t count = static_cast<std::size_t>(client.right) * static_cast<std::size_t>(client.bottom);
        auto* first = static_cast<std::uint32_t*>(bits);
        std::fill(first, first + count, kUnpainted);
        {
            const SelectedObject selected(dc.get(), bitmap.get());
            ::SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
            ::GdiFlush();
        }
        return std::vector<std::uint32_t>(first, first + count);
    }

    void ExpectDesignLayoutAt96Dpi(HWND box) {
        RECT client{};
        ::GetClientRect(box, &client);
        EXPECT_EQ(client.right, 220);
        EXPECT_EQ(client.bottom, 288);
        auto place = [&](AboutControl control) {
            const RECT rect = ClientRectIn(ControlOf(box, control), box);
            return std::vector<LONG>{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
        };
        using enum AboutControl;
        // Drawn at their designed sizes: 15 twips to the pixel.
        EXPECT_EQ(place(cmdok), (std::vector<LONG>{24, 240, 106, 26}));
        EXPECT_EQ(place(lblprogtitle), (std::vector<LONG>{24, 23, 245, 22}));
        EXPECT_EQ(place(lblversion), (std::vector<LONG>{24, 45, 245, 13}));
        EXPECT_EQ(place(lblcopyright2), (std::vector<LONG>{24, 76, 172, 16}));
        EXPECT_EQ(place(lbltext1)[2], 245);
        // Sized to their texts from their designed corners.
        const std::vector<std::pair<AboutControl, LONG>> tops{{lblcopyright, 62}, {lbltext1, 113}, {lbltext2, 126},
                                                              {lbltext3, 139},    {lbltext4, 180}, {lbltext5, 193},
                                                              {lblurl, 207}};
        for (const auto& [control, top] : tops) {
            SCOPED_TRACE(std::wstring(Design(control).name));
            EXPECT_EQ(place(control)[0], 24);
            EXPECT_EQ(place(control)[1], top);
            EXPECT_GE(place(control)[2], TextExtent(ControlOf(box, control)).cx);
        }
        // The copyright line is longer than its designed width, so the label grows to show all of it.
        EXPECT_GT(place(lblcopyright)[2], 53);
        // Our own freeware lines fit the widths the design gives them.
        EXPECT_LE(TextExtent(ControlOf(box, lbltext2)).cx, 164);
        EXPECT_LE(TextExtent(ControlOf(box, lbltext3)).cx, 74);

        const LOGFONTW message = FontOf(ControlOf(box, lbltext1));
        const LOGFONTW title = FontOf(ControlOf(box, lblprogtitle));
        const LOGFONTW version = FontOf(ControlOf(box, lblversion));
        EXPECT_EQ(title.lfHeight, -18);  // 13.5 pt
        EXPECT_EQ(title.lfWeight, FW_NORMAL);
        EXPECT_EQ(std::wstring(title.lfFaceName), message.lfFaceName);
        EXPECT_EQ(version.lfHeight, -13);  // 9.75 pt
        EXPECT_EQ(version.lfWeight, FW_BOLD);
        EXPECT_EQ(std::wstring(version.lfFaceName), message.lfFaceName);
    }

    FakeClock clock;
    std::vector<std::wstring> events;
    RecordingShell shell{events};
    HWND owner = nullptr;
    AboutServices services{clock, shell, [this] {
                               events.push_back(L"minimise");
                               ::ShowWindow(owner, SW_MINIMIZE);
                           }};

private:
    struct Driver {
        std::vector<Step> steps;
        std::size_t next;
        ULONGLONG deadline;
        bool timedOut;
    };

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current || current->timedOut) return;
        const std::vector<HWND> boxes = AboutBoxesOfThisThread();
        if (::GetTickCount64() > current->deadline) {
            current->timedOut = true;
            // A loop that goes on without its box still ends on WM_QUIT.
            if (boxes.empty())
                ::PostQuitMessage(0);
            else
                ::DestroyWindow(boxes.front());
        } else if (!boxes.empty() && current->next < current->steps.size()) {
            current->steps[current->next++](boxes.front());
        }
    }

    static inline Driver* current = nullptr;
};

TEST_F(AboutBoxTest, OpensModalOverItsOwnerWithTheLoadedTexts) {
    RunBox({[&](HWND box) {
        EXPECT_EQ(::GetWindow(box, GW_OWNER), owner);
        EXPECT_FALSE(::IsWindowEnabled(owner));
        EXPECT_TRUE(::IsWindowVisible(box));
        EXPECT_EQ(::GetActiveWindow(), box);
        EXPECT_EQ(::GetFocus(), ControlOf(box, AboutControl::cmdok));
        EXPECT_EQ(Text(box), L"About");
        EXPECT_EQ(Text(ControlOf(box, AboutControl::lblprogtitle)), L"Shortex");
        EXPECT_EQ(Text(ControlOf(box, AboutControl::lblversion)), L"Version 1.0.1");
        EXPECT_EQ(Text(ControlOf(box, AboutControl::lblcopyright)), CopyrightLine(2031));
        EXPECT_EQ(Text(ControlOf(box, AboutControl::lblurl)), HomePageAddress());
        EXPECT_EQ(Text(ControlOf(box, AboutControl::cmdok)), L"&Ok");

        RECT boxRect{}, ownerRect{};
        ::GetWindowRect(box, &boxRect);
        ::GetWindowRect(owner, &ownerRect);
        EXPECT_NEAR(boxRect.left + boxRect.right, ownerRect.left + ownerRect.right, 2);
        EXPECT_NEAR(boxRect.top + boxRect.bottom, ownerRect.top + ownerRect.bottom, 2);
        ClickOk(box);
    }});
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_EQ(::GetActiveWindow(), owner);
    EXPECT_TRUE(events.empty());
}

TEST_F(AboutBoxTest, IsAFixedToolWindowWithOnlyACloseBox) {
    RunBox({[&](HWND box) {
        const auto style = ::GetWindowLongPtrW(box, GWL_STYLE);
        const auto exStyle = ::GetWindowLongPtrW(box, GWL_EXSTYLE);
        EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
        EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD));
        EXPECT_EQ(::SendMessageW(box, WM_GETICON, ICON_SMALL, 0), 0);
        ClickOk(box);
    }});
}

TEST_F(AboutBoxTest, AltOClosesItEvenWithTheFocusOnTheLink) {
    RunBox({[&](HWND box) { FocusAndPress(box, AboutControl::lblurl, {VK_MENU, 'O'}); }});
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(::IsWindowEnabled(owner));
}

TEST_F(AboutBoxTest, EnterClosesItWhileOkHasTheFocus) {
    RunBox({[&](HWND box) { FocusAndPress(box, AboutControl::cmdok, {VK_RETURN}); }});
    EXPECT_TRUE(events.empty());
}

TEST_F(AboutBoxTest, EnterClosesItWhileOkHasTheFocusWithoutBeingTheDefaultButton) {
    // As after a click on it: focused, but not made the default button by the dialog manager.
    RunBox({[&](HWND box) {
        const HWND ok = ControlOf(box, AboutControl::cmdok);
        ::SetForegroundWindow(box);
        ::SendMessageW(ok, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        ::SetFocus(ok);
        PressKeys({VK_RETURN});
    }});
}

TEST_F(AboutBoxTest, TheCloseBoxAndTheSystemMenuCloseIt) {
    RunBox({[&](HWND box) { ::PostMessageW(box, WM_CLOSE, 0, 0); }});
    RunBox({[&](HWND box) { ::PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }});
    EXPECT_TRUE(events.empty());
}

TEST_F(AboutBoxTest, EscDoesNotCloseIt) {
    bool stillOpen = false;
    std::vector<Step> steps{[&](HWND box) { FocusAndPress(box, AboutControl::cmdok, {VK_ESCAPE}); }};
    steps = Wait(std::move(steps), 3);
    steps.push_back([&](HWND box) { FocusAndPress(box, AboutControl::lblurl, {VK_ESCAPE}); });
    steps = Wait(std::move(steps), 3);
    steps.push_back([&](HWND box) {
        stillOpen = ::IsWindowVisible(box) && !::IsWindowEnabled(owner);
        ClickOk(box);
    });
    RunBox(std::move(steps));
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(events.empty());
}

TEST_F(AboutBoxTest, TabGoesBetweenOkAndTheLinkOnly) {
    HWND ok = nullptr, link = nullptr;
    std::vector<HWND> focus;
    std::vector<Step> steps{[&](HWND box) {
        ok = ControlOf(box, AboutControl::cmdok);
        link = ControlOf(box, AboutControl::lblurl);
        FocusAndPress(box, AboutControl::cmdok, {VK_TAB});
    }};
    steps = Wait(std::move(steps), 2);
    steps.push_back([&](HWND) {
        focus.push_back(FocusOfThisThread());
        PressKeys({VK_TAB});
    });
    steps = Wait(std::move(steps), 2);
    steps.push_back([&](HWND box) {
        focus.push_back(FocusOfThisThread());
        ClickOk(box);
    });
    RunBox(std::move(steps));
    EXPECT_EQ(focus, (std::vector<HWND>{link, ok}));
}

TEST_F(AboutBoxTest, ClickingTheLinkMinimisesTheOwnerOpensTheHomePageAndCloses) {
    HWND opened = nullptr;
    RunBox({[&](HWND box) {
        opened = box;
        ClickAt(CentreOf(ControlOf(box, AboutControl::lblurl)));
    }});
    EXPECT_EQ(events, (std::vector<std::wstring>{L"minimise", L"shell"}));
    ASSERT_EQ(shell.requests.size(), 1u);
    const ShellExecuteRequest& request = shell.requests.front();
    EXPECT_EQ(request.owner, opened);
    EXPECT_TRUE(request.verb.empty());
    EXPECT_EQ(request.file, HomePageAddress());
    EXPECT_TRUE(request.parameters.empty());
    EXPECT_EQ(request.directory, L"c:\\");
    EXPECT_EQ(request.showCommand, SW_SHOWNORMAL);
    EXPECT_TRUE(::IsIconic(owner));
    EXPECT_TRUE(::IsWindowEnabled(owner));
}

TEST_F(AboutBoxTest, TheLinkOpensFromTheKeyboardWithEnterOrSpace) {
    for (const WORD key : {WORD{VK_RETURN}, WORD{VK_SPACE}}) {
        SCOPED_TRACE(key == VK_RETURN ? "Enter" : "Space");
        events.clear();
        ::ShowWindow(owner, SW_RESTORE);
        ::SetForegroundWindow(owner);
        RunBox({[&](HWND box) { FocusAndPress(box, AboutControl::lblurl, {key}); }});
        EXPECT_EQ(events, (std::vector<std::wstring>{L"minimise", L"shell"}));
    }
}

TEST_F(AboutBoxTest, ThePointerIsAHandOverTheLinkOnly) {
    HCURSOR overLink = nullptr, overLabel = nullptr;
    std::vector<Step> steps{[&](HWND box) { MoveMouseTo(CentreOf(ControlOf(box, AboutControl::lblurl))); }};
    steps = Wait(std::move(steps), 2);
    steps.push_back([&](HWND box) {
        overLink = ::GetCursor();
        MoveMouseTo(CentreOf(ControlOf(box, AboutControl::lbltext5)));
    });
    steps = Wait(std::move(steps), 2);
    steps.push_back([&](HWND box) {
        overLabel = ::GetCursor();
        ClickOk(box);
    });
    RunBox(std::move(steps));
    EXPECT_EQ(overLink, ::LoadCursorW(nullptr, IDC_HAND));
    EXPECT_EQ(overLabel, ::LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(AboutBoxTest, OpeningItAgainWhileItIsOpenMakesNoSecondBox) {
    std::size_t boxes = 0;
    RunBox({[&](HWND box) {
        ShowAboutBox(owner, services);
        boxes = AboutBoxesOfThisThread().size();
        ClickOk(box);
    }});
    EXPECT_EQ(boxes, 1u);
}

TEST_F(AboutBoxTest, AQuitMessageEndsTheBoxAndIsPostedAgain) {
    RunBox({[&](HWND) { ::PostQuitMessage(7); }});
    EXPECT_TRUE(::IsWindowEnabled(owner));
    MSG quit{};
    ASSERT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}

TEST_F(AboutBoxTest, DestroyingTheOwnerEndsTheBox) {
    RunBox({[&](HWND) {
        ::DestroyWindow(owner);
        owner = nullptr;
    }});
}

TEST_F(AboutBoxTest, ControlsStandWhereTheDesignPutsThemAt96Dpi) {
    UINT dpi = 0;
    RunBox({[&](HWND box) {
        dpi = WindowDpi(box);
        if (dpi == 96) ExpectDesignLayoutAt96Dpi(box);
        ClickOk(box);
    }});
    if (dpi != 96) GTEST_SKIP() << "the display runs at " << dpi << " DPI";
}

TEST_F(AboutBoxTest, EachSeparatorIsADarkRowOverTwoLightRowsAt96Dpi) {
    UINT dpi = 0;
    std::vector<std::uint32_t> pixels;
    RunBox({[&](HWND box) {
        dpi = WindowDpi(box);
        pixels = PrintClient(box);
        ClickOk(box);
    }});
    if (dpi != 96) GTEST_SKIP() << "the display runs at " << dpi << " DPI";
    const COLORREF light = ::GetSysColor(COLOR_3DHILIGHT);
    const std::uint32_t dark = 0x400040;
    const std::uint32_t highlight = GetRValue(light) << 16 | GetGValue(light) << 8 | GetBValue(light);
    auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y) * 220 + static_cast<std::size_t>(x)]; };
    for (const int top : {103, 161}) {
        SCOPED_TRACE(top);
        for (const int x : {24, 110, 198}) {
            EXPECT_EQ(at(x, top - 1), kUnpainted) << x;
            EXPECT_EQ(at(x, top), dark) << x;
            EXPECT_EQ(at(x, top + 1), highlight) << x;
            EXPECT_EQ(at(x, top + 2), highlight) << x;
            EXPECT_EQ(at(x, top + 3), kUnpainted) << x;
        }
        EXPECT_EQ(at(23, top), kUnpainted);
        EXPECT_EQ(at(199, top), kUnpainted);
    }
}

TEST(ModuleVersion, ReadsTheVersionResourceOfThisProgram) {
    EXPECT_EQ(ModuleVersion(::GetModuleHandleW(nullptr)), (ProgramVersion{1, 0, 1}));
}

}  // namespace
}  // namespace shortex::about
