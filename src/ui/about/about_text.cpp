#include "about_text.h"

#include "shortex_version.h"

#ifndef SHORTEX_HOMEPAGE_URL
#error "The build defines SHORTEX_HOMEPAGE_URL, the address the About box links to."
#endif

namespace shortex::about {

std::wstring VersionText(const ProgramVersion& version) {
    return L"Version " + std::to_wstring(version.major) + L"." + std::to_wstring(version.minor) + L"." +
           std::to_wstring(version.revision);
}

std::wstring CopyrightLine(int year) { return std::wstring(kCopyrightNotice) + std::to_wstring(year); }

ProgramVersion BuildVersion() { return {SHORTEX_VERSION_MAJOR, SHORTEX_VERSION_MINOR, SHORTEX_VERSION_PATCH}; }

std::wstring_view HomePageAddress() { return L"" SHORTEX_HOMEPAGE_URL; }

}  // namespace shortex::about
