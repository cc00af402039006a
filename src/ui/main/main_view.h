// What the main window's logic sees of the window: its controls' texts, tooltips and focus.
#pragma once

#include "main_layout.h"

#include <string>

namespace shortex::main_window {

class MainView {
public:
    virtual ~MainView() = default;
    virtual std::wstring Text(Control control) const = 0;
    virtual void SetText(Control control, const std::wstring& text) = 0;
    virtual void SetTooltip(Control control, const std::wstring& text) = 0;
    virtual void SetFocus(Control control) = 0;
    // Starts the window's closing sequence, as the close box does.
    virtual void Unload() = 0;

protected:
    MainView() = default;
    MainView(const MainView&) = default;
    MainView& operator=(const MainView&) = default;
};

// The clipboard as the Copy button uses it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard and puts the text on it; gives up quietly when another program holds it.
    virtual void PutText(const std::wstring& text) = 0;

protected:
    Clipboard() = default;
    Clipboard(const Clipboard&) = default;
    Clipboard& operator=(const Clipboard&) = default;
};

}  // namespace shortex::main_window
