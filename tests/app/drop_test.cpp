// Dragging onto the real Shortex.exe from this process under Wine, as from Explorer or an editor.
#include "pathnames/path_names.h"
#include "support/data_object.h"
#include "support/win_support.h"
#include "ui/main/main_layout.h"

#include <shlobj.h>

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

// A drag source as the shell's: the item as CF_HDROP (DROPFILES, wide), or a text. It drops as soon
// as the target takes it or after that many tries, moving off the window and back between tries
// as a hand does, so that a window that has only just come up is asked again.
class Dragged final : public DataObject, public IDropSource {
public:
    Dragged(CLIPFORMAT format, const std::wstring& text, POINT onto, int tries)
        : DataObject({{format, format == CF_HDROP ? DropFilesBlock({text}) : TextBlock(text)}}),
          onto_(onto),
          tries_(tries) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        return id == IID_IDropSource ? (*object = static_cast<IDropSource*>(this), S_OK)
                                     : DataObject::QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override {
        if (taken_ || ++asked_ > tries_) return DRAGDROP_S_DROP;
        ::SetCursorPos(onto_.x - (asked_ % 2) * 400, onto_.y);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
        if (effect & DROPEFFECT_COPY) {
            taken_ = true;
            ::SetCursorPos(onto_.x, onto_.y);  // the drop lands where the cursor is at the next try
        }
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

private:
    POINT onto_;
    int tries_, asked_ = 0;
    bool taken_ = false;
};

// Drags onto the middle of the window; the effect the window took.
DWORD Drag(HWND onto, CLIPFORMAT format, const std::wstring& text, int tries) {
    RECT rect{};
    ::GetWindowRect(onto, &rect);
    const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::SetCursorPos(middle.x, middle.y);
    Dragged dragged(format, text, middle, tries);
    DWORD effect = DROPEFFECT_NONE;
    ::DoDragDrop(&dragged, &dragged, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    return effect;
}

TEST(DropOnShortex, AFileOrALineOfTextIsTakenAsAChosenFileFromStartUpOnAndNothingElseIs) {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    ClearSettings();
    TempFolder folder;
    SystemFileSystem files;
    std::wstring deep = L"a folder of some length";
    for (folder.MakeFolder(deep); deep.size() < 280;) folder.MakeFolder(deep += L"\\a folder of some length");
    const std::wstring file = folder.MakeFile(deep + L"\\a file.txt");  // over 260 characters
    RunningProcess run(BuildPath(SHORTEX_EXE), L"");
    const HWND window = WaitForWindow(run.id(), L"ShortexMainWindow");  // and dragged onto at once
    const auto box = [&](int id) { return WindowText(::GetDlgItem(window, id)); };
    using namespace main_window;
    const struct {
        CLIPFORMAT format;
        std::wstring dragged, taken;
    } cases[] = {{CF_HDROP, file, file},
                 {CF_UNICODETEXT, L"C:\\windows\r\n", L"C:\\windows"},
                 {CF_UNICODETEXT, L"two\r\nlines", L""}};
    for (const auto& c : cases) {
        const std::wstring before = box(txtPath);
        const int tries = c.taken.empty() ? 3 : 100;
        EXPECT_EQ(Drag(window, c.format, c.dragged, tries),
                  c.taken.empty() ? DWORD(DROPEFFECT_NONE) : DWORD(DROPEFFECT_COPY));
        EXPECT_TRUE(PumpUntil([&] { return box(txtShortex) == ShortPath(files, box(txtPath)); }));
        EXPECT_EQ(box(txtPath), c.taken.empty() ? before : c.taken);
        EXPECT_EQ(Setting(L"PreviousPath"), c.taken.empty() ? Setting(L"PreviousPath") : c.taken);
    }
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(cmdAbout, BN_CLICKED), 0);
    ASSERT_TRUE(WaitForWindow(run.id(), L"ShortexAboutBox"));
    EXPECT_EQ(Drag(window, CF_HDROP, file, 3), DWORD(DROPEFFECT_NONE));
}

}  // namespace
}  // namespace shortex::testing
