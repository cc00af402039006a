#include "copy_short_forms.h"

#include "settings/registry.h"
#include "ui/make_short.h"
#include "ui/window.h"

#include <algorithm>

namespace shortex {
namespace {

// No path holds a quote: one at the end is what is left of "C:\", a drive or a drive's background
// as Explorer fills it in, after the backslash took the closing quote with it.
void MendExplorerQuotes(std::vector<std::wstring>& paths) {
    for (std::wstring& path : paths)
        if (path.ends_with(L'"')) path.back() = L'\\';
}

std::vector<std::wstring> ShortForms(FileSystem& files, const std::vector<std::wstring>& paths) {
    std::vector<std::wstring> shortForms;
    for (const std::wstring& path : paths) shortForms.push_back(ShortPath(files, path));
    return shortForms;
}

// Offers names for the components that the short forms still hold long, and has them given when the
// user says yes; where a volume gives none, says why. True when a run gave names, so the short forms
// may have changed.
bool OfferNames(FileSystem& files, MessageBoxes& boxes, const std::vector<std::wstring>& paths,
                const std::vector<std::wstring>& shortForms) {
    std::vector<std::wstring> longNamed;
    for (std::size_t i = 0; i < paths.size(); ++i)
        if (NoteOnShortForm(files, paths[i], shortForms[i]).noShortName) longNamed.push_back(paths[i]);
    const std::vector<GivenName> names = NamesToGive(files, longNamed);
    if (const std::wstring blocked = FailureLines(names); !blocked.empty()) {
        boxes.Show({L"These have no short name, so they are copied as they are:\r\n" + blocked, L"Shortex",
                    MB_OK | MB_ICONINFORMATION});
        return false;
    }
    if (!CanOffer(names) || !AskToGive(boxes, nullptr, names)) return false;
    MakeShortRun giving = MakeShortRun::Start(nullptr, longNamed);
    if (giving.Declined()) return false;
    const NamesGiven given = giving.Finish();
    if (given.exitCode) boxes.Show({NotGivenText(given.reported), L"Shortex", MB_OK | MB_ICONEXCLAMATION});
    return true;
}

// The clipboard wants an owner window; a message-only one shows nothing.
bool Copy(MessageBoxes& boxes, const std::wstring& text) {
    const HWND owner = ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const bool copied = PutOnClipboard(owner, text);
    ::DestroyWindow(owner);
    if (!copied) boxes.Show(ClipboardHeldBox());
    return copied;
}

}  // namespace

bool CopyShortForms(FileSystem& files, MessageBoxes& boxes, std::vector<std::wstring> paths) {
    if (paths.empty()) {
        boxes.Show({L"Give the paths to copy after --copy.", L"Shortex", MB_OK | MB_ICONEXCLAMATION});
        return false;
    }
    MendExplorerQuotes(paths);
    std::vector<std::wstring> shortForms = ShortForms(files, paths);
    if (OfferNames(files, boxes, paths, shortForms)) shortForms = ShortForms(files, paths);
    std::wstring missing;
    for (std::size_t i = 0; i < paths.size(); ++i)
        if (shortForms[i].empty()) missing += L"\r\n" + paths[i];
    const auto missingCount = std::ranges::count(shortForms, std::wstring());
    if (missingCount == 0) return Copy(boxes, PastingForm{registry::ReadCopyForm()}(shortForms));
    boxes.Show({std::wstring(L"There is no short form of ") + (missingCount > 1 ? L"these paths" : L"this path") +
                    L", so nothing was copied:\r\n" + missing,
                L"Shortex", MB_OK | MB_ICONEXCLAMATION});
    return false;
}

}  // namespace shortex
