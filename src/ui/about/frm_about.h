// frmabout: the modal About box. A dialog-like tool window laid out from its design in twips.
#pragma once

#include "common/unique_handle.h"
#include "ui/window.h"

#include <optional>

namespace shortex::about {

class frmabout final : public Window<frmabout> {
public:
    // Hands the address to the default handler; whether that works is not reported.
    using OpenPage = void (*)(HWND owner, const wchar_t* address);
    static void OpenWithDefaultHandler(HWND owner, const wchar_t* address);

    // Creates the box anew over owner and runs it modally: the owner is disabled until the box is
    // closed (by OK, the link or the close box). A WM_QUIT that arrives meanwhile closes the box and
    // is posted again. While a box is open, a further call brings it forward.
    static void ShowModal(HWND owner, OpenPage openPage = &OpenWithDefaultHandler);
    // Closes the open box, if any, as its close box would.
    static void UnloadOpenBox();

    void Form_Load();
    void cmdok_Click() { Close(); }
    // Minimises the main window (the owner), opens the home page and closes the box.
    void lblurl_Click();

private:
    friend class Window<frmabout>;
    explicit frmabout(OpenPage openPage) : openPage_(openPage) {}
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ApplyFontsAndLayout();
    void PaintSeparators() const;  // on WM_PAINT: the separators are all the box paints itself
    void Close() {
        closed_ = true;
        ::PostMessageW(hwnd_, WM_NULL, 0, 0);  // wakes the modal loop
    }

    OpenPage openPage_;
    UniqueFont messageFont_, titleFont_, versionFont_;
    bool closed_ = false;
};

}  // namespace shortex::about
