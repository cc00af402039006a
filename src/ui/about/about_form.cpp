#include "about_form.h"

namespace shortex::about {

void AboutForm::Form_Load() {
    view_.SetText(AboutControl::lblprogtitle, std::wstring(kProgramTitle));
    view_.SetText(AboutControl::lblversion, VersionText(version_));
    view_.SetText(AboutControl::lblcopyright, CopyrightLine(clock_.CurrentYear()));
}

void AboutForm::cmdok_Click() { view_.Close(); }

void AboutForm::lblurl_Click() {
    view_.MinimiseMainWindow();
    view_.OpenWithDefaultHandler(std::wstring(HomePageAddress()));
    view_.Close();
}

}  // namespace shortex::about
