#include "startup.h"

#include "common/error_report.h"

namespace shortex::startup {

std::wstring StartupReportText(const Failure& failure) {
    switch (failure.number) {
        case kComponentMissing:
            return ShortErrorReport(failure, kAdviseReinstall);
        case kWindowLoadFailed:
            return ShortErrorReport(
                failure, L"Re-install the program to fix this, or get the latest vbruntimes at Tandril.");
        default:
            return LongErrorReport(failure, L"Mod Startup - Main procedure", kAdviseInformAuthor);
    }
}

void Main(StartupHost& host, MessageBoxes& boxes) {
    host.InitCommonControls();
    if (host.PreviousInstanceRunning()) {
        boxes.Show({L"Shortex is already running...", L"Info", box_style::kOk | box_style::kIconInformation, L"", 0});
        host.EndProgram();
        return;
    }
    if (const auto failure = host.CreateAndShowMainWindow())
        boxes.Show(ErrorReportBox(*failure, StartupReportText(*failure)));
}

}  // namespace shortex::startup
