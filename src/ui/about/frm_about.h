// frmabout: the modal About box. A dialog-like tool window (DefDlgProc gives it Tab order and
// access keys) laid out from its design in twips; its handlers live in AboutForm.
#pragma once

#include "about_form.h"
#include "about_services.h"
#include "ui/gdi.h"
#include "ui/window.h"

#include <array>

namespace shortex::about {

inline constexpr wchar_t kAboutWindowClass[] = L"ShortexAboutBox";

// The child window identifier of a control of the box.
int AboutControlId(AboutControl control);

class frmabout final : public WindowThunk<frmabout>, private AboutView {
public:
    explicit frmabout(const AboutServices& services);
    frmabout(const frmabout&) = delete;
    frmabout& operator=(const frmabout&) = delete;
    ~frmabout() override;

    // Creates the box hidden, loaded, laid out and centred over its owner (on the screen without one).
    bool Create(HWND owner, HINSTANCE instance);
    // Shows the box with the focus on the OK button.
    void Show();
    void Destroy();
    // Set once the box has been unloaded by one of its handlers, or destroyed with its owner.
    bool closed() const { return closed_; }

    HWND ControlWindow(AboutControl control) const { return controls_[static_cast<std::size_t>(control)]; }

    static LRESULT DefaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class WindowThunk<frmabout>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateControls();
    void ApplyFonts();
    HFONT FontFor(AboutFont font) const;
    void Layout();
    void Place(AboutControl control);
    void CentreOverOwner();
    void OnCommand(int id, int code);
    void OnPaint();
    void PaintLines(HDC dc) const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);

    // AboutView
    void SetText(AboutControl control, const std::wstring& text) override;
    void MinimiseMainWindow() override;
    void OpenWithDefaultHandler(const std::wstring& address) override;
    void Close() override;

    AboutServices services_;
    AboutForm form_;
    std::array<HWND, kAboutControlCount> controls_{};
    UniqueFont messageFont_;
    UniqueFont titleFont_;
    UniqueFont versionFont_;
    UINT dpi_ = 96;
    bool closed_ = false;
};

}  // namespace shortex::about
