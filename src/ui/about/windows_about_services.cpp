#include "windows_about_services.h"

#include "common/system_function.h"
#include "ui/com.h"

namespace shortex::about {
namespace {

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// shell32 is large and brings much of the shell with it: it is bound when a page is first opened.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

}  // namespace

int SystemClock::CurrentYear() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now.wYear;
}

void WindowsShell::Execute(const ShellExecuteRequest& request) {
    static const auto shellExecute = BindSystemFunction<ShellExecuteFunction>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute) return;
    com::EnsureInitialized();  // the default handler may be a shell extension reached through COM
    shellExecute(request.owner, OrNull(request.verb), OrNull(request.file), OrNull(request.parameters),
                 OrNull(request.directory), request.showCommand);
}

}  // namespace shortex::about
