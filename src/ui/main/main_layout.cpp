#include "main_layout.h"

namespace shortex::main_window {

const std::array<ControlDesign, kControlCount>& MainControls() {
    using enum Control;
    using enum ControlKind;
    static constexpr std::array<ControlDesign, kControlCount> controls = {{
        {txtPath, L"txtPath", TextBox, L"", {225, 510, 5250, 285}, L" Enter path... ", true},
        {lblEnter, L"lblEnter", Label, L"Enter path :", {240, 270, 1560, 195}, L"", true},
        {cmdOpenFolder, L"cmdOpenFolder", Button, L"Select Dir", {3000, 105, 1215, 345}, L" Select a folder ", true},
        {cmdOpenFile, L"cmdOpenFile", Button, L"Select File", {4260, 105, 1215, 345}, L" Select a file ", true},
        {txtShortex, L"txtShortex", TextBox, L"", {225, 870, 5250, 285}, L"", true},
        {cmdGetShortex, L"cmdGetShortex", Button, L"Get Shortex", {3915, 1320, 1575, 345}, L"", true},
        {cmdCopy, L"cmdCopy", Button, L"&Copy", {3000, 1320, 870, 345}, L" Copy to Clipboard ", true},
        {cmdAbout, L"cmdAbout", Button, L"&About", {1155, 1320, 870, 345}, L"", true},
        {cmdExit, L"cmdExit", Button, L"E&xit", {240, 1320, 870, 345}, L"", true},
        {cmdGetLongFileName, L"cmdGetLongFileName", Button, L"Get Long Name", {3915, 2115, 1575, 345}, L"", false},
    }};
    return controls;
}

const ControlDesign& Design(Control control) { return MainControls()[static_cast<std::size_t>(control)]; }

std::array<RectTwips, kControlCount> LayoutForClientWidth(int clientWidth) {
    std::array<RectTwips, kControlCount> rects;
    for (const auto& control : MainControls()) rects[static_cast<std::size_t>(control.control)] = control.design;
    auto at = [&rects](Control control) -> RectTwips& { return rects[static_cast<std::size_t>(control)]; };
    at(Control::cmdOpenFolder).left = clientWidth - 2780;
    at(Control::cmdOpenFile).left = clientWidth - 1500;
    at(Control::txtPath).width = clientWidth - 500;
    at(Control::txtShortex).width = clientWidth - 500;
    at(Control::cmdCopy).left = clientWidth - 2780;
    at(Control::cmdGetShortex).left = clientWidth - 1850;
    return rects;
}

}  // namespace shortex::main_window
