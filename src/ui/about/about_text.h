// What the About box says: the program's title and version, the copyright line and the address of
// the home page.
#pragma once

#include <string>
#include <string_view>

namespace shortex::about {

struct ProgramVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned revision = 0;
    friend bool operator==(const ProgramVersion&, const ProgramVersion&) = default;
};

inline constexpr std::wstring_view kProgramTitle = L"Shortex";
inline constexpr std::wstring_view kAuthor = L"Tandril";
// The first year of the copyright; the line ends with the year the box is opened in.
inline constexpr std::wstring_view kCopyrightNotice = L"Copyright \u00A9 2024 - ";

// "Version 1.0.1": each number in plain decimal.
std::wstring VersionText(const ProgramVersion& version);

std::wstring CopyrightLine(int year);

// The version the program was built as, for when its version resource cannot be read.
ProgramVersion BuildVersion();

// Set by the build (SHORTEX_HOMEPAGE_URL).
std::wstring_view HomePageAddress();

}  // namespace shortex::about
