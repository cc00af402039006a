#include "failure.h"

namespace shortex {
namespace {

constexpr std::wstring_view kReinstall = L"Re-install the program to fix this.";
constexpr std::wstring_view kInformAuthor = L"Please inform the author with the error description above.";

// "Error" and the number: one space before zero or a positive number, the minus sign otherwise.
std::wstring ErrorLine(const Failure& failure) {
    return (failure.number >= 0 ? L"Error " : L"Error") + std::to_wstring(failure.number) + L" - " +
           failure.description;
}

std::wstring ShortReport(const Failure& failure, std::wstring_view advice) {
    return L"An Error was generated:\r\nDescription: " + ErrorLine(failure) + L"\r\n\r\n" + std::wstring(advice);
}

std::wstring LongReport(const Failure& failure, std::wstring_view procedure, std::wstring_view advice) {
    return L"An Error was generated:\r\n\r\nDescription:\r\n" + ErrorLine(failure) + L"\r\n" + std::wstring(procedure) +
           L"\r\n\r\n" + std::wstring(advice);
}

}  // namespace

std::wstring StartupReport(const Failure& failure) {
    switch (failure.number) {
        case kComponentMissing: return ShortReport(failure, kReinstall);
        case kWindowLoadFailed:
            return ShortReport(failure,
                               L"Re-install the program to fix this, or get the latest vbruntimes at Tandril.");
        default: return LongReport(failure, L"Mod Startup - Main procedure", kInformAuthor);
    }
}

std::wstring PickerReport(const Failure& failure, std::wstring_view procedure) {
    return LongReport(failure, procedure, failure.number == kCannotCreateObject ? kReinstall : kInformAuthor);
}

}  // namespace shortex
