#include "com.h"

#include "common/system_function.h"

namespace shortex::com {
namespace {

struct Ole32 {
    using Initialize = HRESULT(WINAPI*)(LPVOID, DWORD);
    using Create = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
    using Free = void(WINAPI*)(LPVOID);
    Initialize initialize = BindSystemFunction<Initialize>(L"ole32.dll", "CoInitializeEx");
    Create create = BindSystemFunction<Create>(L"ole32.dll", "CoCreateInstance");
    Free free = BindSystemFunction<Free>(L"ole32.dll", "CoTaskMemFree");
};

const Ole32& Functions() {
    static const Ole32 functions;
    return functions;
}

}  // namespace

bool EnsureInitialized() {
    static const bool initialized = [] {
        const auto& ole = Functions();
        if (!ole.initialize || !ole.create || !ole.free) return false;
        // S_FALSE: already initialized on this thread, which is as good. Never uninitialized: the
        // process ends with the window.
        return SUCCEEDED(ole.initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }();
    return initialized;
}

HRESULT CreateInstance(REFCLSID classId, REFIID interfaceId, void** object) {
    *object = nullptr;
    if (!EnsureInitialized()) return CO_E_NOTINITIALIZED;
    return Functions().create(classId, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object);
}

HRESULT ItemFromParsingName(const wchar_t* path, REFIID interfaceId, void** item) {
    using Function = HRESULT(WINAPI*)(PCWSTR, IBindCtx*, REFIID, void**);
    static const auto parse = BindSystemFunction<Function>(L"shell32.dll", "SHCreateItemFromParsingName");
    *item = nullptr;
    if (!parse) return E_NOTIMPL;
    return parse(path, nullptr, interfaceId, item);
}

void TaskMemFree(void* memory) {
    if (memory && Functions().free) Functions().free(memory);
}

}  // namespace shortex::com
