#include "failure.h"

namespace shortex {
namespace {

constexpr std::wstring_view kReinstall = L"Re-install the program to fix this.";
constexpr std::wstring_view kInformAuthor = L"Please inform the author with the error description above.";

// "Error" and the number: one space before zero or a positive number, the minus sign otherwise. The short
// layout has it on the "Description:" line; the long one has it, and the procedure, on lines of their own.
std::wstring Report(const Failure& failure, std::wstring_view advice, std::wstring_view procedure = {}) {
    const std::wstring error =
        (failure.number >= 0 ? L"Error " : L"Error") + std::to_wstring(failure.number) + L" - " + failure.description;
    const std::wstring description = procedure.empty()
                                         ? L"Description: " + error
                                         : L"\r\nDescription:\r\n" + error + L"\r\n" + std::wstring(procedure);
    return L"An Error was generated:\r\n" + description + L"\r\n\r\n" + std::wstring(advice);
}

}  // namespace

std::wstring StartupReport(const Failure& failure) {
    switch (failure.number) {
        case kComponentMissing: return Report(failure, kReinstall);
        case kWindowLoadFailed:
            return Report(failure, L"Re-install the program to fix this, or get the latest vbruntimes at Tandril.");
        default: return Report(failure, kInformAuthor, L"Mod Startup - Main procedure");
    }
}

std::wstring PickerReport(const Failure& failure, std::wstring_view procedure) {
    return Report(failure, failure.number == kCannotCreateObject ? kReinstall : kInformAuthor, procedure);
}

}  // namespace shortex
