// Makes a window take a file or a line of text dragged onto it, from Explorer or an editor.
#pragma once

#include "common/com.h"
#include "ui/dropped_paths.h"
#include "ui/window.h"

#include <functional>
#include <optional>

namespace shortex::main_window {

// Accepts what is dragged over the window when it carries a path and the window is enabled (the
// About box and the pickers disable it); a drop hands the first path to take. Registered, with
// OLE initialised on this thread, for as long as the object lives.
class DropTarget final : public IDropTarget {
public:
    DropTarget(HWND window, std::function<void(const std::wstring&)> take) : window_(window), take_(std::move(take)) {
        registered_ = InitializeOle() && SUCCEEDED(::RegisterDragDrop(window_, this));
    }
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;
    ~DropTarget() {
        if (registered_) ::RevokeDragDrop(window_);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IDropTarget ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as its registration
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        const std::vector<std::wstring> paths = PathsIn(*data);
        path_.reset();
        if (!paths.empty() && !paths.front().empty()) path_ = paths.front();
        return DragOver(0, {}, effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = path_ && ::IsWindowEnabled(window_) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        path_.reset();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override {
        DragEnter(data, keys, point, effect);
        if (*effect == DROPEFFECT_COPY) take_(*path_);
        path_.reset();
        return S_OK;
    }

private:
    HWND window_;
    std::function<void(const std::wstring&)> take_;
    std::optional<std::wstring> path_;  // what is dragged over the window now
    bool registered_ = false;
};

}  // namespace shortex::main_window
