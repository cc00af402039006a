// What the main window's logic sees of the window: its controls' texts, tooltips and focus.
#pragma once

#include "main_layout.h"
#include "remembered_state.h"

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
    // Closes the program's other windows (the About box), the last opened first.
    virtual void UnloadOtherWindows() = 0;

    // The window's top-left corner on the screen, and the displays it may stand on, in twips.
    virtual PointTwips Position() const = 0;
    virtual void MoveTo(PointTwips position) = 0;
    virtual DisplayGeometry Displays() const = 0;
    virtual bool IsMinimized() const = 0;

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
