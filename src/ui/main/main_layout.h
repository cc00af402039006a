// The main window's controls as designed, and where they stand for a given client width.
#pragma once

#include "ui/twips.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace shortex::main_window {

// In tab order.
enum class Control : std::size_t {
    txtPath,
    lblEnter,
    cmdOpenFolder,
    cmdOpenFile,
    txtShortex,
    cmdGetShortex,
    cmdCopy,
    cmdAbout,
    cmdExit,
    cmdGetLongFileName,
};
inline constexpr std::size_t kControlCount = 10;

enum class ControlKind { TextBox, Label, Button };

struct ControlDesign {
    Control control;
    std::wstring_view name;
    ControlKind kind;
    std::wstring_view text;
    RectTwips design;
    std::wstring_view tooltip;  // empty: none
    bool visible;
};

inline constexpr std::wstring_view kCaption = L"Shortex";

// The client area the design was drawn for; the window keeps this height and no less width.
inline constexpr int kDesignClientWidth = 5685;
inline constexpr int kDesignClientHeight = 1905;
inline constexpr int kMinClientWidth = 5685;

const std::array<ControlDesign, kControlCount>& MainControls();
const ControlDesign& Design(Control control);

// Positions for a client area clientWidth twips wide: the boxes stretch, the right-hand buttons
// follow the right edge, everything else stays where the design put it.
std::array<RectTwips, kControlCount> LayoutForClientWidth(int clientWidth);

}  // namespace shortex::main_window
