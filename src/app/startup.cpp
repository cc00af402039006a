#include "startup.h"

#include "common/unique_handle.h"
#include "ui/make_short.h"

#include <commctrl.h>

namespace shortex::startup {

bool Main(MessageBoxes& boxes, main_window::frmMain& window, int showCommand) {
    const INITCOMMONCONTROLSEX classes{8, ICC_USEREX_CLASSES};  // dwSize 8: sizeof(INITCOMMONCONTROLSEX)
    ::InitCommonControlsEx(&classes);

    // One name per user session, held for the life of the process: copies started at the same
    // moment race for it, and exactly one wins. One we may not open was made by a copy running
    // with other rights: still a copy.
    static UniqueKernelHandle instance;
    instance.reset(::CreateMutexW(nullptr, FALSE, L"Local\\Tandril.Shortex.SingleInstance"));
    const DWORD error = ::GetLastError();
    if (error == ERROR_ALREADY_EXISTS || (!instance && error == ERROR_ACCESS_DENIED)) {
        boxes.Show({L"Shortex is already running...", L"Info", kBoxOk | kBoxInformation});
        return false;
    }
    if (const auto failure = window.Create()) {
        boxes.Show({StartupReport(*failure), L"Error", kBoxOk});
        return false;
    }
    window.Show(showCommand);
    return true;
}

int CopyShortForms(FileSystem& files, MessageBoxes& boxes, std::vector<std::wstring> paths) {
    if (paths.empty()) {
        boxes.Show({L"Give the paths to copy after --copy.", L"Shortex", kBoxOk | kBoxExclamation});
        return 1;
    }
    // No path holds a quote: one at the end is what is left of "C:\", a drive or a drive's
    // background as Explorer fills it in, after the backslash took the closing quote with it.
    std::vector<std::wstring> shortForms, longNamed;
    for (std::wstring& path : paths) {
        if (path.ends_with(L'"')) path.back() = L'\\';
        shortForms.push_back(ShortPath(files, path));
        if (NoteOnShortForm(files, path, shortForms.back()).noShortName) longNamed.push_back(path);
    }
    // Names are offered where they can be given; where the volume gives none, it is said why.
    const std::vector<GivenName> names = NamesToGive(files, longNamed);
    std::wstring blocked;
    for (const GivenName& name : names) blocked += name.error ? L"\r\n" + name.path + L": " + name.failure : L"";
    if (!blocked.empty())
        boxes.Show({L"These have no short name, so they are copied as they are:" + blocked, L"Shortex",
                    kBoxOk | kBoxInformation});
    else if (CanOffer(names) && AskToGive(boxes, nullptr, names))
        if (const UniqueKernelHandle giving = StartMakeShort(nullptr, longNamed)) {
            ::WaitForSingleObject(giving.get(), INFINITE);
            for (std::size_t i = 0; i < paths.size(); ++i) shortForms[i] = ShortPath(files, paths[i]);
        }
    std::wstring text, missing;
    int missingCount = 0;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (shortForms[i].empty()) missing += L"\r\n" + paths[i], ++missingCount;
        text += (i ? L"\r\n" : L"") + shortForms[i];
    }
    if (missingCount) {
        boxes.Show({std::wstring(L"There is no short form of ") + (missingCount > 1 ? L"these paths" : L"this path") +
                        L", so nothing was copied:\r\n" + missing,
                    L"Shortex", kBoxOk | kBoxExclamation});
        return 1;
    }
    // The clipboard wants an owner window; a message-only one shows nothing.
    const HWND owner = ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const bool copied = PutOnClipboard(owner, text);
    ::DestroyWindow(owner);
    if (!copied) boxes.Show(ClipboardHeldBox());
    return copied ? 0 : 1;
}

}  // namespace shortex::startup
