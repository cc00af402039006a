#include "verb_server.h"

#include "app/startup.h"
#include "common/com.h"
#include "ui/dropped_paths.h"

namespace shortex::verb {
namespace {

constexpr UINT kCopyNow = WM_APP;  // posted to the thread by Drop

class CopyVerb final : public IDropTarget {
public:
    CopyVerb(FileSystem& files, MessageBoxes& boxes) : files_(files), boxes_(boxes) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IDropTarget ? this : nullptr;
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        asked_ = true;
        return ++references_;
    }
    ULONG STDMETHODCALLTYPE Release() override {
        if (--references_ == 0) QuitWhenDone();
        return references_;
    }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    // Explorer waits for this call, so the paths are read now and the copy, with any box it
    // shows, runs after it returns. The items themselves are neither copied nor moved.
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        paths_ = PathsIn(*data);
        copyPending_ = ::PostThreadMessageW(::GetCurrentThreadId(), kCopyNow, 0, 0) != FALSE;
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }

    void CopyNow() {
        if (!paths_.empty()) exitCode_ = startup::CopyShortForms(files_, boxes_, std::exchange(paths_, {}));
        copyPending_ = false;
        QuitWhenDone();
    }
    bool asked() const { return asked_; }
    int exitCode() const { return exitCode_; }

private:
    // Not before the copy is done: a pending quit would close its box at once.
    void QuitWhenDone() {
        if (references_ == 0 && !copyPending_) ::PostQuitMessage(exitCode_);
    }

    FileSystem& files_;
    MessageBoxes& boxes_;
    ULONG references_ = 0;
    bool asked_ = false, copyPending_ = false;
    std::vector<std::wstring> paths_;
    int exitCode_ = 1;
};

// Hands out the one verb object; lives as long as its registration.
class Factory final : public IClassFactory {
public:
    explicit Factory(CopyVerb& verb) : verb_(verb) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IClassFactory ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** object) override {
        *object = nullptr;
        return outer ? CLASS_E_NOAGGREGATION : verb_.QueryInterface(id, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    CopyVerb& verb_;
};

}  // namespace

bool StartedByCom(std::wstring_view argumentText) {
    const auto is = [&](const wchar_t* flag) {
        return ::CompareStringOrdinal(argumentText.data(), static_cast<int>(argumentText.size()), flag, -1, TRUE) == CSTR_EQUAL;
    };
    return is(L"-Embedding") || is(L"/Embedding");
}

int Serve(FileSystem& files, MessageBoxes& boxes) {
    const auto initialize = Ole32Function<decltype(&::CoInitializeEx)>("CoInitializeEx");
    const auto registerClass = Ole32Function<decltype(&::CoRegisterClassObject)>("CoRegisterClassObject");
    const auto revoke = Ole32Function<decltype(&::CoRevokeClassObject)>("CoRevokeClassObject");
    CopyVerb verb(files, boxes);
    Factory factory(verb);
    DWORD registration = 0;
    // Single use: each invocation of the verb starts a server of its own.
    if (!initialize || !registerClass || !revoke ||
        FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) ||
        FAILED(registerClass(kCopyShortPathClass, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE, &registration)))
        return 1;
    const UINT_PTR unasked = ::SetTimer(nullptr, 0, 30000, nullptr);  // a caller gone before it asked
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!message.hwnd && message.message == kCopyNow) verb.CopyNow();
        if (!message.hwnd && message.message == WM_TIMER && message.wParam == unasked && !verb.asked()) break;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    revoke(registration);
    return verb.exitCode();
}

}  // namespace shortex::verb
