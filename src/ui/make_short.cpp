#include "make_short.h"

#include <shellapi.h>

#include <algorithm>

namespace shortex {

std::vector<GivenName> NamesToGive(FileSystem& files, const std::vector<std::wstring>& paths) {
    std::vector<GivenName> names;
    for (const std::wstring& path : paths) {
        if (RootLength(path) == 0) continue;  // relative: the window gives no names to those
        for (GivenName& name : GiveShortNames(files, path, true)) names.push_back(std::move(name));
    }
    return names;
}

bool CanOffer(const std::vector<GivenName>& names) {
    return !names.empty() && std::all_of(names.begin(), names.end(), [](const GivenName& name) { return !name.error; });
}

bool AskToGive(MessageBoxes& boxes, HWND owner, const std::vector<GivenName>& names) {
    std::wstring text = L"Give these short names? Windows asks for an administrator's consent.\r\n";
    for (const GivenName& name : names) text += L"\r\n" + name.path + L"  \u2192  " + name.name;
    return boxes.Show({text, L"Shortex", kBoxYesNo | kBoxQuestion, owner}) == IDYES;
}

UniqueKernelHandle StartMakeShort(HWND owner, const std::vector<std::wstring>& paths) {
    std::wstring cli(32768, L'\0');
    cli.resize(::GetModuleFileNameW(nullptr, cli.data(), static_cast<DWORD>(cli.size())));
    cli = cli.substr(0, cli.rfind(L'\\') + 1) + L"shortex-cli.exe";
    // No path holds a quote; a closing backslash is doubled, or it would escape the quote.
    std::wstring arguments = L"--make-short --";
    for (const std::wstring& path : paths) arguments += L" \"" + path + (path.ends_with(L'\\') ? L"\\\"" : L"\"");
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    run.hwnd = owner;
    run.lpVerb = L"runas";
    run.lpFile = cli.c_str();
    run.lpParameters = arguments.c_str();
    run.nShow = SW_HIDE;
    ::ShellExecuteExW(&run);  // declined at the prompt: ERROR_CANCELLED, and nothing changes
    return UniqueKernelHandle(run.hProcess);
}

}  // namespace shortex
