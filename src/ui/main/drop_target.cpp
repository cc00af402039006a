#include "drop_target.h"

#include "common/com.h"
#include "ui/dropped_paths.h"
#include "ui/window.h"

namespace shortex::main_window {

DropTarget::DropTarget(HWND window, std::function<void(const std::wstring&)> take)
    : window_(window), take_(std::move(take)) {
    static const auto registerTarget = Ole32Function<decltype(&::RegisterDragDrop)>("RegisterDragDrop");
    registered_ = InitializeOle() && registerTarget && SUCCEEDED(registerTarget(window_, this));
}

DropTarget::~DropTarget() {
    static const auto revoke = Ole32Function<decltype(&::RevokeDragDrop)>("RevokeDragDrop");
    if (registered_) revoke(window_);
}

HRESULT DropTarget::QueryInterface(REFIID id, void** object) {
    *object = id == IID_IUnknown || id == IID_IDropTarget ? this : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    const std::vector<std::wstring> paths = PathsIn(*data);
    path_.reset();
    if (!paths.empty() && !paths.front().empty()) path_ = paths.front();
    return DragOver(0, {}, effect);
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = path_ && ::IsWindowEnabled(window_) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT DropTarget::DragLeave() {
    path_.reset();
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
    DragEnter(data, keys, point, effect);
    if (*effect == DROPEFFECT_COPY) take_(*path_);
    path_.reset();
    return S_OK;
}

}  // namespace shortex::main_window
