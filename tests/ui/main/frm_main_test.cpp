// The main window in this process under Wine, on the real system; boxes and pickers scripted.
#include "app/startup.h"
#include "common/com.h"
#include "support/win_support.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_layout.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace shortex::main_window {
namespace {

using namespace shortex::testing;

// The real file system, but what Wine cannot make: N: keeps no short names (exFAT), \\offline\ waits to be let through.
struct ScriptedFiles final : SystemFileSystem {
    std::wstring ShortPathName(const std::wstring& path) override {
        return path.starts_with(L"N:") ? path : Offline(path) ? L"" : SystemFileSystem::ShortPathName(path);
    }
    std::optional<std::uint32_t> Attributes(const std::wstring& path) override {
        if (path.starts_with(L"N:")) return kFolder;
        return Offline(path) ? std::nullopt : SystemFileSystem::Attributes(path);
    }
    VolumeFacts Volume(const std::wstring& path) override {
        return path.starts_with(L"N:") ? VolumeFacts{L"exFAT"} : SystemFileSystem::Volume(path);
    }
    bool Offline(const std::wstring& path) {
        return path.starts_with(L"\\\\offline\\") && ::WaitForSingleObject(gate.get(), INFINITE) == WAIT_OBJECT_0;
    }
    UniqueKernelHandle gate{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

Choice Picked(std::wstring path) { return {std::nullopt, std::move(path)}; }

struct ScriptedPickers final : Pickers {
    Choice ChooseFile(HWND, const std::wstring& start) override {
        startedAt = start;
        return answer;
    }
    Choice ChooseFolder(HWND, const std::wstring&, const std::wstring&, const std::wstring& start) override {
        return ChooseFile(nullptr, start);
    }
    Choice answer;
    std::wstring startedAt;
};

class FrmMainTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override {
        ::SetEvent(files->gate.get());
        window.reset();
        ClearSettings();  // what the test chose, Copy's form too, stays out of the other programs' tests
        for (MSG quit; ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);) continue;  // the windows' ends
    }
    void Open(const std::wstring& arguments = {}) {
        window.emplace(files, boxes, pickers, arguments);
        ASSERT_FALSE(window->Create());
        window->Show(SW_SHOWNORMAL);
    }
    void WaitForAnswer() const {
        EXPECT_TRUE(PumpUntil([&] { return !window->Looking(); })) << "no answer";
    }
    HWND Item(int id) const { return window->Item(id); }
    std::wstring Text(int id) const { return ControlText(Item(id)); }
    void Click(int button) const { ::SendMessageW(window->hwnd(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }
    // Puts the path in the path box and clicks the button; then, unless told not to, waits for the answer.
    void Type(const std::wstring& path, int button = cmdGetShortex, bool wait = true) {
        ::SetWindowTextW(Item(txtPath), path.c_str());
        Click(button);
        if (wait) WaitForAnswer();
    }
    std::wstring TipText(HWND tip, UINT_PTR id) const {
        wchar_t text[512] = {};
        TTTOOLINFOW tool{sizeof tool, 0, window->hwnd(), id, {}, nullptr, text, 0, nullptr};
        ::SendMessageW(tip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
        return text;
    }
    void ExpectShortFormShown() const { EXPECT_EQ(Text(txtShortex), ShortPath(*files, Text(txtPath))); }

    TempFolder folder;
    const std::wstring programFiles = folder.MakeFolder(L"Program Files");
    std::shared_ptr<ScriptedFiles> files = std::make_shared<ScriptedFiles>();
    RecordedBoxes boxes;
    ScriptedPickers pickers;
    std::optional<frmMain> window;
};

TEST_F(FrmMainTest, EnterGetsTheShortFormOfThePathWithoutItsBlanksAndHidesTheBalloon) {
    Open(L"\"N:\\Big Files\\x\"");  // a balloon up, for the next answer to hide
    WaitForAnswer();
    ::SetWindowTextW(Item(txtPath), (L"  " + programFiles + L"  ").c_str());
    PressKeys(window->hwnd(), Item(txtPath), {VK_RETURN});
    ASSERT_TRUE(PumpUntil([&] { return Text(txtShortex) == ShortPath(*files, programFiles); }, window->hwnd()))
        << "Enter gave no short form";
    EXPECT_FALSE(::IsWindowVisible(window->Balloon()));
}

TEST_F(FrmMainTest, AltDownOnCopyChoosesTheFormTheResultBoxShowsAltCCopiesAndTheSettingsKeep) {
    SetSetting(L"CopyForm", L"sideways");  // a word not known: backslashes, as always
    SetSetting(L"CopyQuotes", L"always");
    Open();
    Type(programFiles);
    std::wstring shortForm = ShortPath(*files, programFiles);
    EXPECT_EQ(Text(txtShortex), L"\"" + shortForm + L"\"");
    PressKeys(window->hwnd(), Item(cmdCopy), {VK_MENU, VK_DOWN});
    PressKeys(window->hwnd(), Item(cmdCopy), {'F'});  // Forward slashes
    std::replace(shortForm.begin(), shortForm.end(), L'\\', L'/');
    const std::wstring forward = L"\"" + shortForm + L"\"";
    EXPECT_TRUE(PumpUntil([&] { return Text(txtShortex) == forward; }, window->hwnd())) << Text(txtShortex);
    EXPECT_EQ(Setting(L"CopyForm"), L"forward");
    PressKeys(window->hwnd(), Item(txtPath), {VK_MENU, 'C'});
    EXPECT_TRUE(PumpUntil([&] { return ClipboardText() == forward; }, window->hwnd())) << "nothing copied";
}

TEST_F(FrmMainTest, AListOrAReferenceIsAnsweredEntryByEntryAsThisMachineExpandsIt) {
    ::SetEnvironmentVariableW(L"SHORTEX_FOLDER", programFiles.c_str());
    Open();
    Type(L"%SHORTEX_FOLDER%;;C:\\missing;N:\\Big Files");
    EXPECT_EQ(Text(txtShortex), ShortPath(*files, programFiles) + L";;C:\\missing;N:\\Big Files");
    EXPECT_TRUE(::IsWindowVisible(window->Balloon())) << "no note on the last entry";
}

TEST_F(FrmMainTest, GetLongNameShowsTheLongFormAndLeavesThePathAsTyped) {
    Open();
    const std::wstring shortForm = ShortPath(*files, programFiles);
    Type(shortForm, cmdGetLongFileName);
    EXPECT_EQ(Text(txtShortex), programFiles);
    EXPECT_EQ(Text(txtPath), shortForm);
}

TEST_F(FrmMainTest, AMissingPathEmptiesTheResultBox) {
    Open();
    ::SetWindowTextW(Item(txtShortex), L"an earlier short form");
    Type(programFiles + L"\\missing");
    EXPECT_EQ(Text(txtShortex), L"");
}

TEST_F(FrmMainTest, CopyWhileAnotherWindowHoldsTheClipboardSaysSoInOneBoxAndLeavesItAlone) {
    Open();
    Type(programFiles);
    const std::wstring before = ClipboardText();
    ::OpenClipboard(::GetDesktopWindow());  // another window holds the clipboard
    Click(cmdCopy);
    ::CloseClipboard();
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(ClipboardText(), before);
}

TEST_F(FrmMainTest, AShortFormKeepingALongNameSaysWhyInABalloon) {
    Open(L"\"N:\\Big Files\\x\"");  // answered before the window shows
    WaitForAnswer();
    EXPECT_TRUE(::IsWindowVisible(window->Balloon()));
    EXPECT_EQ(TipText(window->Balloon(), 0),
              L"\"Big Files\" has no short name. Its volume's file system (exFAT) keeps no short names.");
    Type(L"N:\\x y");  // while the window shows
    EXPECT_TRUE(::IsWindowVisible(window->Balloon()));
    EXPECT_EQ(TipText(window->Balloon(), 0),
              L"\"x y\" has no short name. Its volume's file system (exFAT) keeps no short names.");
}

TEST_F(FrmMainTest, ScreenReadersHearTheBoxesNames) {
    Open();
    for (const auto& [box, name] : {std::pair{txtPath, L"Enter path"}, std::pair{txtShortex, L"Short path"}}) {
        ComPtr<IAccessible> accessible;
        ASSERT_EQ(::AccessibleObjectFromWindow(Item(box), OBJID_CLIENT, IID_PPV_ARGS(accessible.put())), S_OK);
        VARIANT self{};
        self.vt = VT_I4;  // CHILDID_SELF
        BSTR spoken = nullptr;
        EXPECT_EQ(accessible->get_accName(self, &spoken), S_OK);
        EXPECT_STREQ(spoken, name);
        ::SysFreeString(spoken);
    }
}

TEST_F(FrmMainTest, HoveringShowsTheBoxsWholeTextAsItsTipAndAnEmptyBoxKeepsItsTip) {
    Open();
    const std::pair<std::wstring, std::wstring> typedAndTip[] = {
        {L"", L" Enter path... "}, {programFiles, programFiles}, {L"", programFiles}};
    for (const auto& [typed, tip] : typedAndTip) {
        ::SetWindowTextW(Item(txtPath), typed.c_str());
        ::SendMessageW(Item(txtPath), WM_MOUSEMOVE, 0, 0);
        EXPECT_EQ(TipText(window->Tooltip(), reinterpret_cast<UINT_PTR>(Item(txtPath))), tip);
    }
}

TEST_F(FrmMainTest, EscCloses) {
    Open();
    PressKeys(window->hwnd(), Item(txtShortex), {VK_ESCAPE});
    EXPECT_TRUE(PumpUntil([&] { return !window->hwnd(); }, window->hwnd())) << "still open";
}

// Start-up, choosing, typing and closing go on while a slow volume is asked, and what was typed stays.
TEST_F(FrmMainTest, SlowLookupsNeverFreezeTheWindowNorLoseWhatWasTypedAndTheNewestWins) {
    SetSetting(L"PreviousPath", L"C:\\windows");
    Open(L"\\\\offline\\share\\missing");  // shown while the path is asked about
    ::SetWindowTextW(Item(txtPath), L"C:\\typed meanwhile");
    ::SetEvent(files->gate.get());
    WaitForAnswer();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].owner, window->hwnd());  // even were another program active by now
    EXPECT_EQ(Text(txtPath), L"C:\\typed meanwhile");
    ::ResetEvent(files->gate.get());
    pickers.answer = {std::nullopt, L"\\\\offline\\share\\folder"};
    Click(cmdOpenFolder);  // over while the chosen folder is checked
    ::SetEvent(files->gate.get());
    WaitForAnswer();
    EXPECT_EQ(boxes.shown.back().title, L"Attention!");
    ::ResetEvent(files->gate.get());
    Type(L"\\\\offline\\share\\x", cmdGetShortex, false);  // the earlier short form goes while this one is asked
    EXPECT_EQ(Text(txtShortex), L"");
    wchar_t cue[32] = {};
    ::SendMessageW(Item(txtShortex), EM_GETCUEBANNER, reinterpret_cast<WPARAM>(cue), 32);
    EXPECT_STREQ(cue, L"Looking up...");
    Type(programFiles);  // a newer question, answered first
    EXPECT_EQ(Text(txtShortex), ShortPath(*files, programFiles));
    // Closed minimised while a question is asked: no place is remembered, the path as typed.
    Type(L" \\\\offline\\y ", cmdGetShortex, false);
    ::ShowWindow(window->hwnd(), SW_MINIMIZE);
    ::SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(window->hwnd());
    EXPECT_EQ(Setting(L"Top"), L"<none>");
    EXPECT_EQ(Setting(L"Left"), L"<none>");
    EXPECT_EQ(Setting(L"PreviousPath"), L" \\\\offline\\y ");
}

// Runs at 96 DPI, and again with Wine's LogPixels at 144 (SHORTEX_EXPECT_DPI=144). Wine's frames are 8 pixels wide
// at 96 DPI, 10 at 144. Twips are 15 a pixel at 96 DPI, 10 at 144, 6 2/3 at 216; halves round away from zero.
TEST_F(FrmMainTest, ControlsStandWhereTheLayoutPutsThemAndTheHeightStaysPinned) {
    Open();
    const HWND hwnd = window->hwnd();
    const char* expectedDpi = std::getenv("SHORTEX_EXPECT_DPI");
    const int dpi = expectedDpi ? std::atoi(expectedDpi) : 96;
    ASSERT_EQ(WindowDpi(hwnd), dpi);
    const auto at = [dpi](auto at96, auto at144) { return dpi == 144 ? at144 : at96; };
    const auto client = [&] {
        RECT rect{};
        ::GetClientRect(hwnd, &rect);
        return rect;
    };
    using Edges = std::array<LONG, 4>;  // left, top, right, bottom in the client area
    const auto edges = [&](int id) {
        RECT rect{};
        ::GetWindowRect(Item(id), &rect);
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
        return Edges{rect.left, rect.top, rect.right, rect.bottom};
    };
    const auto fontHeight = [&] {
        LOGFONTW font{};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(Item(txtPath), WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfHeight;
    };
    // A window 1000 pixels wide: at 96 DPI a client area 992 pixels (14880 twips) wide, at 144 990 (9900 twips).
    const struct {
        int id;
        Edges at96, at144;
    } placed[] = {
        {lblEnter, {16, 18, 120, 31}, {24, 27, 180, 47}},
        {txtPath, {15, 34, 974, 53}, {23, 51, 963, 80}},
        {cmdOpenFolder, {807, 7, 888, 30}, {712, 11, 834, 45}},
        {cmdOpenFile, {892, 7, 973, 30}, {840, 11, 962, 45}},
        {txtShortex, {15, 58, 974, 77}, {23, 87, 963, 116}},
        {cmdExit, {16, 88, 74, 111}, {24, 132, 111, 167}},
        {cmdAbout, {77, 88, 135, 111}, {116, 132, 203, 167}},
        {cmdCopy, {807, 88, 865, 111}, {712, 132, 799, 167}},
        {cmdGetShortex, {869, 88, 974, 111}, {805, 132, 963, 167}},
    };
    ::SetWindowPos(hwnd, nullptr, 0, 0, 1000, 900, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(client().bottom, at(127, 191));  // the height stays pinned: 1905 twips
    for (const auto& control : placed) EXPECT_EQ(edges(control.id), at(control.at96, control.at144)) << control.id;
    EXPECT_EQ(fontHeight(), at(-11, -17));
    ::SetWindowPos(hwnd, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(client().right, at(379, 569));  // no narrower than the design: 5685 twips
    // Moved to a display with half as many dots again: the system suggests the place, the window keeps its design.
    // The frame stays as it was: 572 or 858 pixels of client area, 5720 twips either way.
    RECT suggested = at(RECT{0, 0, 580, 231}, RECT{0, 0, 868, 343});
    const int movedDpi = at(144, 216);
    ::SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(movedDpi, movedDpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(client().right, at(572, 858));
    EXPECT_EQ(edges(txtPath), at(Edges{23, 51, 545, 80}, Edges{34, 77, 817, 119}));
    EXPECT_EQ(fontHeight(), at(-17, -25));
}

// The command line's path, the remembered one or one chosen with a picker, with its short form.
TEST_F(FrmMainTest, ThePathBoxShowsThePathGivenRememberedOrChosenOrSaysWhyNot) {
    using S = std::wstring;
    const S windows = L"C:\\windows";
    const S quoted = L"\"" + programFiles + L"\"";
    const S noGo = L"Sorry, that's a no go...|";
    const S fileReport = L"Error-2147467259 - Unspecified error\r\ncmdOpenFile_Click\r\n\r\nPlease inform";
    const S folderReport = L"Error 429 - none\r\ncmdBrowseDir_Click\r\n\r\nRe-install";
    const Choice fileFails{Failure{E_FAIL, L"Unspecified error"}, std::nullopt};
    const Choice folderFails{Failure{kCannotCreateObject, L"none"}, std::nullopt};
    const struct {
        struct {
            S remembered{};   // PreviousPath as the window opens
            S arguments{};    // the command line's
            int button = 0;   // clicked once the window is open; 0: none
            Choice answer{};  // the picker's
        } given{};
        struct {
            S start{};             // where the picker opened
            S shown{};             // in the path box
            S stored{};            // in PreviousPath
            S box{};               // the start of the box shown, "title|text"; empty: none
            bool focused = false;  // on the Get Shortex button
        } then{};
    } cases[] = {
        {.then = {.stored = L"<none>"}},
        {.given = {.remembered = L"Error"}, .then = {.stored = L"Error"}},
        {.given = {.remembered = windows}, .then = {.shown = windows, .stored = windows}},
        {.given = {.remembered = windows, .arguments = quoted}, .then = {.shown = programFiles, .stored = windows}},
        {.given = {.remembered = windows, .arguments = programFiles + L"\\missing"},
         .then = {.shown = windows, .stored = windows, .box = noGo}},
        {.given = {.remembered = windows, .arguments = quoted + L" \"C:\\windows\""},
         .then = {.shown = windows, .stored = windows, .box = noGo}},
        {.given = {.remembered = L"C:", .button = cmdOpenFile, .answer = Picked(programFiles)},
         .then = {.start = L"C:", .shown = programFiles, .stored = programFiles, .focused = true}},
        {.given = {.remembered = L"C:", .button = cmdOpenFile},
         .then = {.start = L"C:", .shown = L"C:", .stored = L"C:", .focused = true}},
        {.given = {.remembered = L"C:", .button = cmdOpenFile, .answer = fileFails},
         .then = {.start = L"C:", .shown = L"C:", .stored = L"C:", .box = fileReport}},
        {.given = {.remembered = L"C:", .button = cmdOpenFolder, .answer = Picked(L"C:\\WINDOWS")},
         .then = {.start = L"C:\\", .shown = L"c:\\windows", .stored = L"c:\\windows", .focused = true}},
        {.given = {.remembered = L"C:", .button = cmdOpenFolder, .answer = Picked(programFiles + L"\\gone")},
         .then = {.start = L"C:\\", .shown = L"C:\\", .stored = L"C:", .box = L"Attention!|", .focused = true}},
        {.given = {.remembered = L"C:", .button = cmdOpenFolder, .answer = folderFails},
         .then = {.start = L"C:\\", .shown = L"C:\\", .stored = L"C:", .box = folderReport}},
    };
    for (const auto& [given, then] : cases) {
        if (!given.remembered.empty()) SetSetting(L"PreviousPath", given.remembered);
        boxes.shown.clear();
        Open(given.arguments);
        pickers.answer = given.answer;
        pickers.startedAt.clear();
        Click(given.button);
        WaitForAnswer();
        EXPECT_EQ(pickers.startedAt, then.start) << then.shown;
        EXPECT_EQ(Text(txtPath), then.shown) << given.arguments;
        EXPECT_EQ(::SendMessageW(Item(txtPath), EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "its start is out of sight";
        EXPECT_EQ(Setting(L"PreviousPath"), then.stored) << then.shown;
        if (!given.answer.failure) ExpectShortFormShown();
        const std::wstring said = boxes.shown.empty() ? L"" : boxes.shown[0].title + L"|" + boxes.shown[0].text;
        EXPECT_TRUE(then.box.empty() ? said.empty() : said.find(then.box) != std::wstring::npos) << said;
        EXPECT_EQ(::GetFocus() == Item(cmdGetShortex), then.focused) << then.shown;
    }
}

// Through the target the window registers with OLE, as a drag from Explorer or an editor reaches it.
TEST_F(FrmMainTest, ADroppedFileOrLineOfTextIsTakenAsAChosenFileAndNothingElseNorWhileDisabled) {
    Open();
    IDropTarget* target = nullptr;  // where RegisterDragDrop keeps it
    ASSERT_TRUE(PumpUntil(
        [&] { return target = static_cast<IDropTarget*>(::GetPropW(window->hwnd(), L"OleDropTargetInterface")); }));
    const std::wstring windows = L"C:\\windows";
    const struct {
        std::pair<CLIPFORMAT, std::string> dropped;
        bool disabled = false;      // the window, as while the About box is open
        std::wstring taken{};       // into the path box; empty: the drop is refused
        std::wstring remembered{};  // PreviousPath after the drop
    } cases[] = {
        {.dropped = {CF_HDROP, DropFilesBlock({folder.path()})}, .taken = folder.path(), .remembered = folder.path()},
        {.dropped = {CF_UNICODETEXT, TextBlock(windows + L"\r\n")}, .taken = windows, .remembered = windows},
        {.dropped = {CF_UNICODETEXT, TextBlock(L"two\r\nlines")}, .remembered = windows},
        {.dropped = {CF_HDROP, DropFilesBlock({programFiles})}, .disabled = true, .remembered = windows}};
    for (const auto& c : cases) {
        ::SetWindowTextW(Item(txtPath), L"typed");
        ::EnableWindow(window->hwnd(), !c.disabled);
        const ComPtr<IDataObject> data = Dropped({c.dropped});
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
        target->DragEnter(data.get(), 0, {}, &effect);
        EXPECT_EQ(effect, c.disabled ? DWORD(DROPEFFECT_NONE) : DWORD(DROPEFFECT_COPY)) << c.taken;
        effect = DROPEFFECT_COPY;
        target->Drop(data.get(), 0, {}, &effect);
        EXPECT_EQ(effect, c.taken.empty() ? DWORD(DROPEFFECT_NONE) : DWORD(DROPEFFECT_COPY)) << c.taken;
        for (MSG posted; ::PeekMessageW(&posted, window->hwnd(), 0, 0, PM_REMOVE);) ::DispatchMessageW(&posted);
        WaitForAnswer();
        EXPECT_EQ(Text(txtPath), c.taken.empty() ? L"typed" : c.taken);
        if (!c.taken.empty()) ExpectShortFormShown();
        EXPECT_EQ(Setting(L"PreviousPath"), c.remembered);
    }
}

TEST_F(FrmMainTest, AWindowThatCannotBeMadeIsReportedAndStaysUntilAnswered) {
    const auto refuseControls = [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (code == HCBT_CREATEWND && (reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->style & WS_CHILD)) return 1;
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    };
    const HHOOK hook = ::SetWindowsHookExW(WH_CBT, refuseControls, nullptr, ::GetCurrentThreadId());
    EXPECT_FALSE(startup::Main(boxes, window.emplace(files, boxes, pickers, L""), SW_SHOWNORMAL));
    ::UnhookWindowsHookEx(hook);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.starts_with(L"An Error was generated:\r\nDescription: Error 339 - "));
    EXPECT_FALSE(boxes.quitPending);
}

}  // namespace
}  // namespace shortex::main_window
