#include "verb_server.h"

#include "app/startup.h"
#include "common/com.h"
#include "ui/dropped_paths.h"

namespace shortex::verb {
namespace {

constexpr UINT kCopyNow = WM_APP;  // posted to the thread by Drop

struct CopyVerb final : IDropTarget {
    CopyVerb(FileSystem& files, MessageBoxes& boxes) : files_(files), boxes_(boxes) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IDropTarget ? this : nullptr;
        return *object ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return asked = true, ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references ? references : (QuitWhenDone(), 0); }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        return DragOver(0, {}, effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        return *effect = DROPEFFECT_COPY, S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    // Explorer waits for this call, so the paths are read now and the copy, with any box it
    // shows, runs after it returns. The items themselves are neither copied nor moved.
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        paths_ = PathsIn(*data);
        copyPending = ::PostThreadMessageW(::GetCurrentThreadId(), kCopyNow, 0, 0) != FALSE;
        return *effect = DROPEFFECT_NONE, S_OK;
    }

    void CopyNow() {
        if (!paths_.empty()) exitCode = startup::CopyShortForms(files_, boxes_, std::exchange(paths_, {}));
        copyPending = false;
        QuitWhenDone();
    }
    // Not before the copy is done: a pending quit would close its box at once.
    void QuitWhenDone() {
        if (references == 0 && !copyPending) ::PostQuitMessage(exitCode);
    }

    FileSystem& files_;
    MessageBoxes& boxes_;
    std::vector<std::wstring> paths_;
    ULONG references = 0;
    bool asked = false, copyPending = false;
    int exitCode = 1;
};

// Hands out the one verb object; lives as long as its registration.
struct Factory final : IClassFactory {
    explicit Factory(CopyVerb& verb) : verb(verb) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IClassFactory ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** object) override {
        *object = nullptr;
        return outer ? CLASS_E_NOAGGREGATION : verb.QueryInterface(id, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
    CopyVerb& verb;
};

}  // namespace

int Serve(FileSystem& files, MessageBoxes& boxes) {
    CopyVerb verb(files, boxes);
    Factory factory(verb);
    CLSID id{};
    DWORD registration = 0;
    // Single use: each invocation of the verb starts a server of its own.
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) ||
        FAILED(::CLSIDFromString(kCopyShortPathClass, &id)) ||
        FAILED(::CoRegisterClassObject(id, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE, &registration)))
        return 1;
    const UINT_PTR unasked = ::SetTimer(nullptr, 0, 30000, nullptr);  // a caller gone before it asked
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!message.hwnd && message.message == kCopyNow) verb.CopyNow();
        if (!message.hwnd && message.message == WM_TIMER && message.wParam == unasked && !verb.asked) break;
        ::DispatchMessageW(&message);
    }
    ::CoRevokeClassObject(registration);
    return verb.exitCode;
}

}  // namespace shortex::verb
