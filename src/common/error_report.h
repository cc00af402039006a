// The texts of the program's error reports. Two layouts: the short one for failures that a
// re-install mends, the long one naming the procedure that failed.
#pragma once

#include "failure.h"
#include "message_box.h"

#include <string>
#include <string_view>

namespace shortex {

inline constexpr std::wstring_view kAdviseReinstall = L"Re-install the program to fix this.";
inline constexpr std::wstring_view kAdviseInformAuthor = L"Please inform the author with the error description above.";

// "Error" and the number: one space before zero or a positive number, the minus sign otherwise.
std::wstring ErrorNumberText(std::int32_t number);

// "An Error was generated:", "Description: Error 339 - ...", an empty line, the advice.
std::wstring ShortErrorReport(const Failure& failure, std::wstring_view advice);

// "An Error was generated:", an empty line, "Description:", "Error 5 - ...", the procedure, an
// empty line, the advice.
std::wstring LongErrorReport(const Failure& failure, std::wstring_view procedure, std::wstring_view advice);

// The report box: titled "Error", OK, no icon, with the failure's help.
MessageBoxRequest ErrorReportBox(const Failure& failure, std::wstring text);

}  // namespace shortex
