#include "windows_about_services.h"

#include <objbase.h>

namespace shortex::about {
namespace {

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

// shell32 is large and brings much of the shell with it; it is loaded when a page is first opened
// rather than at every start of the program, and then stays for the life of the process.
ShellExecuteFunction ShellExecuteEntry() {
    static const auto entry = [] {
        const HMODULE shell32 = ::LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return shell32 ? reinterpret_cast<ShellExecuteFunction>(
                             reinterpret_cast<void*>(::GetProcAddress(shell32, "ShellExecuteW")))
                       : nullptr;
    }();
    return entry;
}

}  // namespace

int SystemClock::CurrentYear() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now.wYear;
}

void WindowsShell::Execute(const ShellExecuteRequest& request) {
    const ShellExecuteFunction execute = ShellExecuteEntry();
    if (!execute) return;
    // The default handler may be a shell extension reached through COM.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    execute(request.owner, OrNull(request.verb), OrNull(request.file), OrNull(request.parameters),
            OrNull(request.directory), request.showCommand);
    if (SUCCEEDED(com)) ::CoUninitialize();
}

}  // namespace shortex::about
