#include "main_form.h"

#include "pathnames/long_name.h"
#include "pathnames/path_names.h"

namespace shortex::main_window {

std::wstring TrimSpaces(const std::wstring& text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

void MainForm::cmdGetShortex_Click() {
    const std::wstring path = TrimSpaces(view_.Text(Control::txtPath));
    view_.SetText(Control::txtShortex, GetShortPath(services_.paths, path));
}

void MainForm::cmdGetLongFileName_Click() {
    const std::wstring path = TrimSpaces(view_.Text(Control::txtPath));
    view_.SetText(Control::txtShortex, GetLongFilename(services_.paths, path));
}

void MainForm::cmdCopy_Click() { services_.clipboard.PutText(view_.Text(Control::txtShortex)); }

void MainForm::cmdExit_Click() { view_.Unload(); }

void MainForm::txtPath_MouseMove() { ShowTextAsTooltip(Control::txtPath); }

void MainForm::txtShortex_MouseMove() { ShowTextAsTooltip(Control::txtShortex); }

void MainForm::ShowTextAsTooltip(Control box) {
    const std::wstring text = view_.Text(box);
    if (!text.empty()) view_.SetTooltip(box, text);
}

}  // namespace shortex::main_window
