#include "com.h"

namespace shortex::com {
namespace {

template <typename Function>
Function Bind(const wchar_t* library, const char* name) {
    const HMODULE module = ::LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

struct Ole32 {
    using Initialize = HRESULT(WINAPI*)(LPVOID, DWORD);
    using Create = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
    using Free = void(WINAPI*)(LPVOID);
    Initialize initialize = Bind<Initialize>(L"ole32.dll", "CoInitializeEx");
    Create create = Bind<Create>(L"ole32.dll", "CoCreateInstance");
    Free free = Bind<Free>(L"ole32.dll", "CoTaskMemFree");
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
    static const auto parse = Bind<Function>(L"shell32.dll", "SHCreateItemFromParsingName");
    *item = nullptr;
    if (!parse) return E_NOTIMPL;
    return parse(path, nullptr, interfaceId, item);
}

void TaskMemFree(void* memory) {
    if (memory && Functions().free) Functions().free(memory);
}

}  // namespace shortex::com
