#include "windows_about_services.h"

#include <objbase.h>

namespace shortex::about {
namespace {

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// shell32 is large and brings much of the shell with it, and ole32 is needed only around the call;
// both are loaded when a page is first opened rather than at every start of the program, and then
// stay for the life of the process.
struct ShellEntries {
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    using CoInitializeExFunction = HRESULT(WINAPI*)(LPVOID, DWORD);
    using CoUninitializeFunction = void(WINAPI*)();

    ShellExecuteFunction shellExecute = nullptr;
    CoInitializeExFunction coInitializeEx = nullptr;
    CoUninitializeFunction coUninitialize = nullptr;
};

template <typename Function>
Function Entry(const wchar_t* module, const char* name) {
    const HMODULE loaded = ::LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return loaded ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(loaded, name))) : nullptr;
}

const ShellEntries& Entries() {
    static const ShellEntries entries{
        Entry<ShellEntries::ShellExecuteFunction>(L"shell32.dll", "ShellExecuteW"),
        Entry<ShellEntries::CoInitializeExFunction>(L"ole32.dll", "CoInitializeEx"),
        Entry<ShellEntries::CoUninitializeFunction>(L"ole32.dll", "CoUninitialize"),
    };
    return entries;
}

}  // namespace

int SystemClock::CurrentYear() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now.wYear;
}

void WindowsShell::Execute(const ShellExecuteRequest& request) {
    const ShellEntries& entries = Entries();
    if (!entries.shellExecute) return;
    // The default handler may be a shell extension reached through COM.
    const HRESULT com = entries.coInitializeEx
                            ? entries.coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                            : E_NOTIMPL;
    entries.shellExecute(request.owner, OrNull(request.verb), OrNull(request.file), OrNull(request.parameters),
                         OrNull(request.directory), request.showCommand);
    if (SUCCEEDED(com) && entries.coUninitialize) entries.coUninitialize();
}

}  // namespace shortex::about
