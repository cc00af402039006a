// Drops: the paths that data dragged onto the window, or dropped by Explorer on the verb, carries,
// and the one drop target that takes them for both.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>
#include <utility>
#include <vector>

namespace shortex {

// Every item of the shell's item list, else of a file drop (CF_HDROP), in order, or else one line
// of text; none when the data carries no path. Every read stays inside the data, whatever its
// header claims. COM must be initialized on the calling thread.
std::vector<std::wstring> PathsIn(IDataObject& data);

// Posted by DropTarget::Drop to its window, or to its thread when it has none.
inline constexpr UINT kPathsDropped = WM_APP + 3;

// Accepts data that offers a path in one of the formats PathsIn reads, judged from its formats
// alone, while the window is enabled (the About box and the pickers disable it). Drop reads the
// paths once and posts kPathsDropped: the drag source is answered at once, and the owner's loop
// takes the paths and works on them. Lives as long as its owner, which registers it where needed.
class DropTarget final : public IDropTarget {
public:
    explicit DropTarget(HWND window) : window_(window) {}
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;
    std::vector<std::wstring> TakePaths() { return std::exchange(paths_, {}); }

    // True while another holds a reference (OLE, a caller in another process); its owner frees it.
    bool InUse() const { return references_ > 0; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IDropTarget ? this : nullptr;
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = offersPath_ && Enabled() ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    // Posted even when nothing is taken: the verb's server ends on it.
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        paths_ = Enabled() ? PathsIn(*data) : std::vector<std::wstring>{};
        *effect = paths_.empty() ? DROPEFFECT_NONE : DROPEFFECT_COPY;
        ::PostMessageW(window_, kPathsDropped, 0, 0);  // with no window, to this thread
        return S_OK;
    }

private:
    bool Enabled() const { return !window_ || ::IsWindowEnabled(window_); }

    HWND window_;
    ULONG references_ = 0;
    bool offersPath_ = false;  // what is dragged over now
    std::vector<std::wstring> paths_;
};

}  // namespace shortex
