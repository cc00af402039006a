// The About box's behaviour, apart from the Win32 window that shows it: the handlers run here and
// reach the window, the main window and the shell through AboutView.
#pragma once

#include "about_layout.h"
#include "about_text.h"
#include "clock.h"

#include <string>

namespace shortex::about {

class AboutView {
public:
    virtual ~AboutView() = default;
    virtual void SetText(AboutControl control, const std::wstring& text) = 0;
    virtual void MinimiseMainWindow() = 0;
    // Hands the address to the default handler; whether that works is not reported.
    virtual void OpenWithDefaultHandler(const std::wstring& address) = 0;
    // Unloads the box.
    virtual void Close() = 0;

protected:
    AboutView() = default;
    AboutView(const AboutView&) = default;
    AboutView& operator=(const AboutView&) = default;
};

class AboutForm {
public:
    AboutForm(AboutView& view, Clock& clock, ProgramVersion version) : view_(view), clock_(clock), version_(version) {}

    // Title, version and the copyright line up to the year read now from the clock.
    void Form_Load();
    void cmdok_Click();
    // Minimises the main window, opens the home page and closes the box.
    void lblurl_Click();

private:
    AboutView& view_;
    Clock& clock_;
    ProgramVersion version_;
};

}  // namespace shortex::about
