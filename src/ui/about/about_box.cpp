#include "about_box.h"

#include "frm_about.h"

#include <optional>

namespace shortex::about {
namespace {

frmabout* openBox = nullptr;  // one box at a time, on the one user-interface thread

// The loop of a modal dialog: runs until the box is closed and answers the WM_QUIT it took, if any.
std::optional<int> RunModalLoop(frmabout& box) {
    MSG message{};
    while (!box.closed()) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) return static_cast<int>(message.wParam);
        if (box.hwnd() && ::IsDialogMessageW(box.hwnd(), &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return std::nullopt;
}

}  // namespace

void ShowAboutBox(HWND owner, const AboutServices& services) {
    if (openBox) {
        if (openBox->hwnd()) ::SetActiveWindow(openBox->hwnd());
        return;
    }
    frmabout box(services);
    if (!box.Create(owner, ::GetModuleHandleW(nullptr))) return;
    openBox = &box;

    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);
    box.Show();
    const std::optional<int> quit = RunModalLoop(box);

    // The owner takes the activation back before the box goes; otherwise Windows would activate the
    // window of some other program.
    if (disableOwner && ::IsWindow(owner)) {
        ::EnableWindow(owner, TRUE);
        if (box.hwnd() && ::GetActiveWindow() == box.hwnd()) ::SetActiveWindow(owner);
    }
    box.Destroy();
    openBox = nullptr;
    if (quit) ::PostQuitMessage(*quit);
}

void UnloadAboutBox() {
    if (openBox && openBox->hwnd()) ::SendMessageW(openBox->hwnd(), WM_CLOSE, 0, 0);
}

}  // namespace shortex::about
