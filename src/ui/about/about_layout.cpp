#include "about_layout.h"

#include "about_text.h"

namespace shortex::about {
namespace {

constexpr int kTwipsPerPixelAt96 = kTwipsPerInch / 96;

}  // namespace

const std::array<AboutControlDesign, kAboutControlCount>& AboutControls() {
    using enum AboutControl;
    using enum AboutControlKind;
    using enum Sizing;
    static const std::array<AboutControlDesign, kAboutControlCount> controls = {{
        {cmdok, L"cmdok", Button, L"&Ok", {360, 3600, 1590, 390}, AboutFont::Message, Fixed},
        {lblprogtitle, L"lblprogtitle", Label, L"", {360, 345, 3675, 330}, AboutFont::Title, Fixed},
        {lblcopyright, L"lblcopyright", Label, L"", {360, 930, 795, 195}, AboutFont::Message, ToText},
        {lblurl, L"lblurl", Link, HomePageAddress(), {360, 3105, 1740, 195}, AboutFont::Message, ToText},
        {lbltext5, L"lbltext5", Label, L"Visit my homepage at", {360, 2895, 1545, 195}, AboutFont::Message, ToText},
        {lblversion, L"lblversion", Label, L"", {360, 675, 3675, 195}, AboutFont::Version, Fixed},
        {lbltext4, L"lbltext4", Label, L"For updates and other freeware,", {360, 2700, 2265, 195}, AboutFont::Message,
         ToText},
        {lbltext1, L"lbltext1", Label, L"Shortex is freeware.", {360, 1695, 3675, 195}, AboutFont::Message,
         WrapToWidth},
        {lbltext2, L"lbltext2", Label, L"Use and share it freely.", {360, 1890, 2460, 195}, AboutFont::Message, ToText},
        {lbltext3, L"lbltext3", Label, L"No warranty.", {360, 2085, 1110, 195}, AboutFont::Message, ToText},
        {lblcopyright2, L"lblcopyright2", Label, kAuthor, {360, 1140, 2580, 240}, AboutFont::Message, Fixed},
    }};
    return controls;
}

const AboutControlDesign& Design(AboutControl control) { return AboutControls()[static_cast<std::size_t>(control)]; }

const std::array<LineDesign, 4>& AboutLines() {
    static constexpr std::array<LineDesign, 4> lines = {{
        {L"Line1", 360, 2985, 1545, LineInk::Dark, 1},
        {L"Line2", 360, 2985, 1560, LineInk::Highlight, 2},
        {L"Line4", 360, 2985, 2415, LineInk::Dark, 1},
        {L"Line3", 360, 2985, 2430, LineInk::Highlight, 2},
    }};
    return lines;
}

RectTwips LineBand(const LineDesign& line) {
    return {line.left, line.top, line.right - line.left, line.widthPixels * kTwipsPerPixelAt96};
}

}  // namespace shortex::about
