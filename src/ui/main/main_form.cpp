#include "main_form.h"

#include "pathnames/long_name.h"
#include "pathnames/path_names.h"
#include "pathnames/strip_quotes.h"
#include "common/error_report.h"

namespace shortex::main_window {

std::wstring TrimSpaces(const std::wstring& text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

std::wstring MainForm::ReadSetting(std::wstring_view name) const {
    return services_.registry.ReadRegValue(std::wstring(kSettingsKey), std::wstring(name));
}

void MainForm::WriteSetting(std::wstring_view name, const std::wstring& text) const {
    services_.registry.WriteRegValue(std::wstring(kSettingsKey), std::wstring(name), text);
}

void MainForm::Form_Load() {
    services_.registry.CreateRegKey(std::wstring(kSettingsKey));
    PlaceWindow();
    userFile = stripQuotes::UnquotePath(services_.paths, services_.commandLine);
    if (userFile.empty()) {
        RestorePreviousPath();
    } else if (!FileExists(services_.paths, userFile) && !DirExists(services_.paths, userFile)) {
        services_.boxes.Show({L"No such file or folder.          ", L"Sorry, that's a no go...",
                              box_style::kOk | box_style::kIconExclamation, L"", 0});
        RestorePreviousPath();
    } else {
        view_.SetText(Control::txtPath, userFile);
        cmdGetShortex_Click();
    }
}

void MainForm::PlaceWindow() {
    const DisplayGeometry displays = view_.Displays();
    if (!TextToTruth(ReadSetting(kStartupValue)).value_or(false)) {
        view_.MoveTo(CentredPosition(displays));
        return;
    }
    const auto top = TextToTwips(ReadSetting(kTopValue), services_.decimalSeparator);
    const auto left = TextToTwips(ReadSetting(kLeftValue), services_.decimalSeparator);
    view_.MoveTo(ChoosePosition(top, left, displays));
}

void MainForm::ShowRememberedPath() {
    std::wstring previous = ReadSetting(kPreviousPathValue);
    if (previous == L"Error") previous.clear();
    view_.SetText(Control::txtPath, previous);
}

void MainForm::RestorePreviousPath() {
    ShowRememberedPath();
    cmdGetShortex_Click();
}

void MainForm::Form_QueryUnload() {
    // A minimised window has no place worth remembering: the one of the last run stays.
    if (!view_.IsMinimized()) {
        const PointTwips position = view_.Position();
        WriteSetting(kTopValue, TwipsToText(position.top));
        WriteSetting(kLeftValue, TwipsToText(position.left));
    }
    WriteSetting(kStartupValue, std::wstring(kTrueText));
    WriteSetting(kPreviousPathValue, view_.Text(Control::txtPath));
    view_.UnloadOtherWindows();
}

void MainForm::Form_Unload() { services_.exit.EndProgram(); }

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

void MainForm::ReportPickerFailure(const Failure& failure, std::wstring_view procedure, std::wstring_view advice) {
    services_.boxes.Show(ErrorReportBox(failure, LongErrorReport(failure, procedure, advice)));
}

void MainForm::cmdOpenFile_Click() {
    ShowRememberedPath();
    try {
        FileDialog& dialog = services_.fileDialog;
        dialog.SetFilter(L"All Files (*.*)|*.*");
        dialog.SetStartLocation(view_.Text(Control::txtPath));
        dialog.Show();
        if (!dialog.Dismissed()) {
            view_.SetText(Control::txtPath, dialog.ChosenPath());
            cmdGetShortex_Click();
            WriteSetting(kPreviousPathValue, dialog.ChosenPath());
        }
    } catch (const FailureError& error) {
        ReportPickerFailure(error.failure(), L"cmdOpenFile_Click", kAdviseInformAuthor);
        return;  // the focus stays where it was
    }
    view_.SetFocus(Control::cmdGetShortex);
}

void MainForm::cmdOpenFolder_Click() {
    ShowRememberedPath();
    view_.SetText(Control::txtPath, FixDriveRoot(view_.Text(Control::txtPath)));
    std::wstring chosen;
    try {
        // Nothing is chosen when the chooser cannot be made or shown: that is reported and
        // nothing is changed, rather than going on as if the remembered folder had been chosen.
        const auto chooser = services_.folderChoosers.Create();
        chooser->SetTexts(L"Browse for folder", L"Select a folder please");
        chooser->SetStartFolder(GetPath(view_.Text(Control::txtPath)));
        if (!chooser->Show()) {
            view_.SetFocus(Control::cmdGetShortex);
            return;
        }
        chosen = chooser->ChosenFolder();
    } catch (const FailureError& error) {
        const bool cannotCreate = error.failure().number == kCannotCreateObject;
        ReportPickerFailure(error.failure(), L"cmdBrowseDir_Click", cannotCreate ? kAdviseReinstall : kAdviseInformAuthor);
        view_.SetFocus(Control::cmdGetShortex);
        return;
    }
    const std::wstring prior = view_.Text(Control::txtPath);
    cmdGetShortex_Click();
    if (!DirExists(services_.paths, chosen)) {
        services_.boxes.Show({L"The location you picked is not available...\r\nPick another folder, please!       ",
                              L"Attention!", box_style::kOk | box_style::kIconExclamation, L"", 0});
        view_.SetFocus(Control::cmdGetShortex);
        return;
    }
    view_.SetText(Control::txtPath, services_.lowerCase(chosen));
    cmdGetShortex_Click();
    if (chosen.empty()) view_.SetText(Control::txtPath, services_.lowerCase(prior));
    WriteSetting(kPreviousPathValue, view_.Text(Control::txtPath));
    view_.SetFocus(Control::cmdGetShortex);
}

void MainForm::cmdAbout_Click() {
    if (services_.showAboutBox) services_.showAboutBox();
    view_.SetFocus(Control::cmdGetShortex);
}

void MainForm::txtPath_MouseMove() { ShowTextAsTooltip(Control::txtPath); }

void MainForm::txtShortex_MouseMove() { ShowTextAsTooltip(Control::txtShortex); }

void MainForm::ShowTextAsTooltip(Control box) {
    const std::wstring text = view_.Text(box);
    if (!text.empty()) view_.SetTooltip(box, text);
}

}  // namespace shortex::main_window
