#include "about_text.h"

#include "shortex_version.h"

namespace shortex::about {

const std::array<ControlDesign, 11>& AboutDesign() {
    using enum ControlKind;
    static const std::array<ControlDesign, 11> design{{
        {cmdok, Button, L"&Ok", {360, 3600, 1590, 390}},
        {lblprogtitle, Label, L"Shortex", {360, 345, 2940, 330}},
        {lblcopyright, FittedLabel, L"", {360, 930, 795, 195}},
        {lblurl, Link, HomePageAddress(), {360, 3105, 1740, 195}},
        {lbltext5, FittedLabel, L"Visit my homepage at", {360, 2895, 1545, 195}},
        {lblversion, Label, L"", {360, 675, 2940, 195}},
        {lbltext4, FittedLabel, L"For updates and other freeware,", {360, 2700, 2265, 195}},
        {lbltext1, FittedLabel, L"Shortex is freeware.", {360, 1695, 2940, 195}},
        {lbltext2, FittedLabel, L"Use and share it freely.", {360, 1890, 2460, 195}},
        {lbltext3, FittedLabel, L"No warranty.", {360, 2085, 1110, 195}},
        {lblcopyright2, Label, L"Tandril", {360, 1140, 2580, 240}},
    }};
    return design;
}

std::wstring VersionText() { return L"Version " SHORTEX_VERSION_TEXT; }

std::wstring CopyrightLine(int year) { return L"Copyright \u00A9 2024 - " + std::to_wstring(year); }

std::wstring_view HomePageAddress() { return L"" SHORTEX_HOMEPAGE_URL; }

}  // namespace shortex::about
