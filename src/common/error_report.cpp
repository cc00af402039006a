#include "error_report.h"

namespace shortex {

std::wstring ErrorNumberText(std::int32_t number) {
    return number >= 0 ? L"Error " + std::to_wstring(number) : L"Error" + std::to_wstring(number);
}

std::wstring ShortErrorReport(const Failure& failure, std::wstring_view advice) {
    std::wstring text = L"An Error was generated:\r\nDescription: ";
    text += ErrorNumberText(failure.number) + L" - " + failure.description + L"\r\n\r\n";
    text += advice;
    return text;
}

std::wstring LongErrorReport(const Failure& failure, std::wstring_view procedure, std::wstring_view advice) {
    std::wstring text = L"An Error was generated:\r\n\r\nDescription:\r\n";
    text += ErrorNumberText(failure.number) + L" - " + failure.description + L"\r\n";
    text += procedure;
    text += L"\r\n\r\n";
    text += advice;
    return text;
}

MessageBoxRequest ErrorReportBox(const Failure& failure, std::wstring text) {
    return MessageBoxRequest{std::move(text), L"Error", box_style::kOk, failure.helpFile, failure.helpContext};
}

}  // namespace shortex
