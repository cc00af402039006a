#include "verb_server.h"

#include "app/copy_short_forms.h"
#include "common/com.h"
#include "ui/dropped_paths.h"

namespace shortex::verb {
namespace {

// Hands out the one drop target; lives as long as its registration.
struct Factory final : IClassFactory {
    explicit Factory(DropTarget& target) : target(target) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IClassFactory ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** object) override {
        *object = nullptr;
        return outer ? CLASS_E_NOAGGREGATION : target.QueryInterface(id, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
    DropTarget& target;
};

}  // namespace

int Serve(FileSystem& files, MessageBoxes& boxes, UINT timeoutMs) {
    DropTarget target(nullptr);  // posts the drop to this thread
    Factory factory(target);
    CLSID id{};
    DWORD registration = 0;
    // Single use: each invocation of the verb starts a server of its own.
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) ||
        FAILED(::CLSIDFromString(kCopyShortPathClass, &id)) ||
        FAILED(::CoRegisterClassObject(id, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE, &registration)))
        return 1;
    // A caller gone before it dropped; after the copy, one that never lets go of the target.
    const UINT_PTR timeout = ::SetTimer(nullptr, 0, timeoutMs, nullptr);
    int exitCode = 1;
    bool copied = false;
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!message.hwnd && message.message == WM_TIMER && message.wParam == timeout) break;
        if (!message.hwnd && message.message == kPathsDropped) {
            // Explorer has had its answer; the copy, with any box it shows, runs now.
            if (auto paths = target.TakePaths(); !paths.empty())
                exitCode = CopyShortForms(files, boxes, std::move(paths)) ? 0 : 1;
            copied = true;
            ::SetTimer(nullptr, timeout, timeoutMs, nullptr);
        }
        ::DispatchMessageW(&message);
        // Not before the caller lets go: its answer to the drop may still be on its way.
        if (copied && !target.InUse()) break;
    }
    ::CoRevokeClassObject(registration);
    ::CoDisconnectObject(&target, 0);  // no call reaches it once it is gone
    return exitCode;
}

}  // namespace shortex::verb
