// Makes a window take a file or a line of text dragged onto it, from Explorer or an editor.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <optional>
#include <string>

namespace shortex::main_window {

// Accepts what is dragged over the window when it carries a path and the window is enabled (the
// About box and the pickers disable it); a drop hands the first path to take.
class DropTarget final : public IDropTarget {
public:
    // Initialises OLE on this thread and registers the window for drops, which stay taken until
    // this object goes; no drop is taken when the system refuses.
    DropTarget(HWND window, std::function<void(const std::wstring&)> take);
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;
    ~DropTarget();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as its registration
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    HWND window_;
    std::function<void(const std::wstring&)> take_;
    std::optional<std::wstring> path_;  // what is dragged over the window now
    bool registered_ = false;
};

}  // namespace shortex::main_window
