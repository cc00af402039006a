// Failures that reach an error report, the numbers the reports tell apart, and the report texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace shortex {

struct Failure {
    std::int32_t number = 0;
    std::wstring description;
};

// A component the window needs (a control, the tooltip) is missing or cannot be made.
inline constexpr std::int32_t kComponentMissing = 339;
// An object of a component (the folder chooser) cannot be created.
inline constexpr std::int32_t kCannotCreateObject = 429;
// The window itself cannot be made or loaded.
inline constexpr std::int32_t kWindowLoadFailed = 50003;

// The system's description of an error code, without its line end (Windows).
std::wstring SystemMessage(std::uint32_t error);

// The report shown when start-up fails: a short layout for the failures a re-install mends, the
// long one naming "Mod Startup - Main procedure" for any other.
std::wstring StartupReport(const Failure& failure);

// The report of a picker's failure, naming the procedure that failed; a chooser that cannot be
// created advises a re-install.
std::wstring PickerReport(const Failure& failure, std::wstring_view procedure);

}  // namespace shortex
