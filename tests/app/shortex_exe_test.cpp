// Shortex.exe started as a user starts it, driven from outside the process as a person would.
#include "pathnames/path_names.h"
#include "pathnames/temp_folder.h"
#include "pathnames/windows_path_platform.h"
#include "support/child_process.h"
#include "support/gui_driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>

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
    RunningProcess first(ShortexExe(), std::wstring());
    const HWND window = WaitForWindow(first.id(), kMainWindowClass);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowText(window), L"Shortex");

    RunningProcess second(ShortexExe(), std::wstring());
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

// What a user sees and what Shortex remembers, across runs of the real exe.
class RememberedState : public ::testing::Test {
protected:
    static constexpr wchar_t kKey[] = L"Software\\Tandril\\Shortex";
    static constexpr int kTxtPath = 100, kTxtShortex = 104;  // control ids of the two boxes

    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }

    static std::optional<std::wstring> Stored(const wchar_t* name) {
        DWORD bytes = 0;
        if (::RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
            return std::nullopt;
        std::wstring text(bytes / sizeof(wchar_t), L'\0');
        if (::RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) != ERROR_SUCCESS)
            return std::nullopt;
        text.resize(text.find(L'\0'));
        return text;
    }
    static void Store(const wchar_t* name, const std::wstring& text) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, REG_SZ, text.c_str(),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    // Starts Shortex and waits for its window.
    std::pair<std::unique_ptr<RunningProcess>, HWND> Start(const std::wstring& argumentText = L"") {
        auto process = std::make_unique<RunningProcess>(ShortexExe(), argumentText);
        const HWND window = WaitForWindow(process->id(), kMainWindowClass);
        return {std::move(process), window};
    }
    static void Close(RunningProcess& process, HWND window) {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(process.WaitForExit(10000));
    }
    static std::wstring Box(HWND window, int id) { return WindowText(::GetDlgItem(window, id)); }
    static RECT Placement(HWND window) {
        RECT rect{};
        ::GetWindowRect(window, &rect);
        return rect;
    }

    WindowsPathPlatform paths;
};

TEST_F(RememberedState, FirstRunIsCentredWithEmptyBoxesAndClosingStoresTheValues) {
    auto [process, window] = Start();
    ASSERT_TRUE(window);
    EXPECT_EQ(Box(window, kTxtPath), L"");
    EXPECT_EQ(Box(window, kTxtShortex), L"");
    const RECT rect = Placement(window);
    EXPECT_NEAR(rect.left, (::GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, 1);
    EXPECT_NEAR(rect.top, (::GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, 1);
    Close(*process, window);
    EXPECT_EQ(Stored(L"Startup"), L"True");
    EXPECT_EQ(Stored(L"PreviousPath"), L"");
    EXPECT_EQ(Stored(L"Left"), std::to_wstring(rect.left * 15));
    EXPECT_EQ(Stored(L"Top"), std::to_wstring(rect.top * 15));
}

TEST_F(RememberedState, AQuotedFolderOnTheCommandLineIsShownStoredAndComesBackAtTheSamePlace) {
    TempFolder temp;
    const std::wstring folder = temp.MakeFolder(L"Folder With Spaces \u0416");
    RECT placed{};
    {
        auto [process, window] = Start(L"\"" + folder + L"\"");
        ASSERT_TRUE(window);
        EXPECT_EQ(Box(window, kTxtPath), folder);
        EXPECT_EQ(Box(window, kTxtShortex), GetShortPath(paths, folder));
        ::SetWindowPos(window, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PumpMessages(100);
        placed = Placement(window);
        Close(*process, window);
    }
    EXPECT_EQ(Stored(L"PreviousPath"), folder);
    EXPECT_EQ(Stored(L"Left"), L"1800");
    EXPECT_EQ(Stored(L"Top"), L"1350");

    auto [process, window] = Start();
    ASSERT_TRUE(window);
    EXPECT_EQ(Box(window, kTxtPath), folder);
    EXPECT_EQ(Box(window, kTxtShortex), GetShortPath(paths, folder));
    EXPECT_EQ(Placement(window).left, placed.left);
    EXPECT_EQ(Placement(window).top, placed.top);
    Close(*process, window);
}

TEST_F(RememberedState, APathThatNamesNothingBringsTheBoxBeforeTheWindowThenTheRememberedPath) {
    Store(L"PreviousPath", L"C:\\windows");
    RunningProcess process(ShortexExe(), std::wstring(L"C:\\no such folder here"));
    const HWND box = WaitForWindow(process.id(), kDialogClass, L"Sorry, that's a no go...");
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), L"No such file or folder.          ");
    EXPECT_FALSE(FindProcessWindow(process.id(), kMainWindowClass));
    ::PostMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    const HWND window = WaitForWindow(process.id(), kMainWindowClass);
    ASSERT_TRUE(window);
    EXPECT_EQ(Box(window, kTxtPath), L"C:\\windows");
    EXPECT_EQ(Box(window, kTxtShortex), GetShortPath(paths, L"C:\\windows"));
    Close(process, window);
}

TEST_F(RememberedState, ClosingWhileMinimisedKeepsTheEarlierPlace) {
    Store(L"Startup", L"True");
    Store(L"Left", L"1500");
    Store(L"Top", L"750");
    auto [process, window] = Start();
    ASSERT_TRUE(window);
    EXPECT_EQ(Placement(window).left, 100);
    EXPECT_EQ(Placement(window).top, 50);
    ::SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(window) != FALSE; }));
    Close(*process, window);
    EXPECT_EQ(Stored(L"Left"), L"1500");
    EXPECT_EQ(Stored(L"Top"), L"750");
    EXPECT_EQ(Stored(L"Startup"), L"True");
}

TEST_F(RememberedState, GarbageInTheKeyStillOpensTheWindowOnScreenWithNothingLost) {
    const std::wstring hugePath = L"C:\\" + std::wstring(65536, L'p');
    Store(L"Startup", L"True");
    Store(L"Top", L"1e999");
    Store(L"Left", L"-2147483649");
    Store(L"PreviousPath", hugePath);
    auto [process, window] = Start();
    ASSERT_TRUE(window);
    const RECT rect = Placement(window);
    EXPECT_GE(rect.top, 0);
    EXPECT_GE(rect.left, 0);
    EXPECT_LE(rect.right, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_TRUE(Box(window, kTxtPath) == hugePath);
    EXPECT_EQ(Box(window, kTxtShortex), L"");
    Close(*process, window);
    EXPECT_TRUE(Stored(L"PreviousPath") == hugePath);
}

TEST_F(RememberedState, AStartupValueOfAnotherTypeCentresTheWindow) {
    const DWORD one = 1;
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Startup", REG_DWORD, &one, sizeof one);
    Store(L"Left", L"-30000");
    Store(L"Top", L"0");
    auto [process, window] = Start();
    ASSERT_TRUE(window);
    const RECT rect = Placement(window);
    EXPECT_NEAR(rect.left, (::GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, 1);
    Close(*process, window);
}

// The About box of the real exe: modal, this year's texts, closed by OK or Alt+O but not by Esc.
class AboutBoxOfTheExe : public RememberedState {
protected:
    static constexpr int kCmdAbout = 107, kCmdGetShortex = IDOK;
    static constexpr int kAboutOk = 100, kAboutVersion = 105, kAboutCopyright = 102;

    HWND OpenAbout(DWORD processId, HWND window) {
        ::PostMessageW(::GetDlgItem(window, kCmdAbout), BM_CLICK, 0, 0);
        return WaitForWindow(processId, L"ShortexAboutBox", L"About");
    }
    static HWND FocusOf(HWND window) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
        return info.hwndFocus;
    }
    static int ThisYear() {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        return now.wYear;
    }
};

TEST_F(AboutBoxOfTheExe, OpensModalWithThisYearAndClosesWithOkButNotWithEscape) {
    auto [process, window] = Start();
    ASSERT_TRUE(window);
    const HWND about = OpenAbout(process->id(), window);
    ASSERT_TRUE(about);
    EXPECT_FALSE(::IsWindowEnabled(window));
    EXPECT_EQ(WindowText(::GetDlgItem(about, kAboutVersion)), L"Version 1.0.1");
    const std::wstring copyright = WindowText(::GetDlgItem(about, kAboutCopyright));
    EXPECT_TRUE(copyright.ends_with(L" - " + std::to_wstring(ThisYear()))) << std::string(copyright.begin(), copyright.end());

    ::PostMessageW(::GetDlgItem(about, kAboutOk), WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageW(::GetDlgItem(about, kAboutOk), WM_KEYUP, VK_ESCAPE, 0);
    ::Sleep(300);
    EXPECT_TRUE(::IsWindowVisible(about));

    ::PostMessageW(::GetDlgItem(about, kAboutOk), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) && FocusOf(window) == ::GetDlgItem(window, kCmdGetShortex); }));
    Close(*process, window);
}

TEST_F(AboutBoxOfTheExe, AltOClosesIt) {
    auto [process, window] = Start();
    ASSERT_TRUE(window);
    const HWND about = OpenAbout(process->id(), window);
    ASSERT_TRUE(about);
    // Alt+O as the system delivers it: a WM_SYSCHAR to the focused control, which the box's dialog
    // keyboard handling turns into a click of the button with that access key.
    ::PostMessageW(::GetDlgItem(about, kAboutOk), WM_SYSCHAR, L'o', 1 << 29);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == ::GetDlgItem(window, kCmdGetShortex); }));
    Close(*process, window);
}

TEST_F(AboutBoxOfTheExe, ClosingTheProgramWithTheBoxOpenClosesBothAndSaves) {
    auto [process, window] = Start();
    ASSERT_TRUE(window);
    const HWND about = OpenAbout(process->id(), window);
    ASSERT_TRUE(about);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(process->WaitForExit(10000));
    EXPECT_EQ(Stored(L"Startup"), L"True");
}

}  // namespace
}  // namespace shortex
