#include "explorer_menu.h"

#include "common/com.h"
#include "common/failure.h"
#include "common/this_program.h"
#include "common/unique_handle.h"

#include <shlobj.h>

extern "C" __declspec(dllimport) LONG WINAPI RtlGetVersion(OSVERSIONINFOW* version);  // ntdll's; in no SDK header

namespace shortex::cli {
namespace {

// Windows 11 (build 22000 on) shows only signed packaged extensions in the first context menu; ours
// is in the full one. The build from ntdll: GetVersionExW answers what the exe's manifest declares,
// and Windows 10 and 11 are both 10.0.
bool IsWindows11() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return ::RtlGetVersion(&version) == 0 && version.dwBuildNumber >= 22000;
}

constexpr wchar_t kClasses[] = L"Software\\Classes\\";
constexpr wchar_t kVerb[] = L"\\shell\\Shortex.CopyShortPath";
constexpr wchar_t kShortcut[] = L"\\Short path (Shortex).lnk";

// The verbs on items take the whole selection in one call (the DropTarget method); a folder's
// background is one folder, so its verb starts --copy with it.
struct Verb {
    const wchar_t* type;
    const wchar_t* argument;  // how Explorer fills in the folder; null for a DropTarget verb
};
constexpr Verb kVerbs[] = {
    {L"*", nullptr}, {L"Directory", nullptr}, {L"Drive", nullptr}, {L"Directory\\Background", L"\"%V\""}};

std::wstring KeyName(const Verb& verb) { return std::wstring(kClasses) + verb.type + kVerb; }

std::wstring ClassKeyName() { return std::wstring(kClasses) + L"CLSID\\" + kCopyShortPathClass; }

// The user's Send To folder; COM and shell32 load here, the one place that needs them.
std::wstring SendToFolder() {
    wchar_t* path = nullptr;
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) ||
        FAILED(::SHGetKnownFolderPath(FOLDERID_SendTo, KF_FLAG_CREATE, nullptr, &path)))
        return {};
    return TakeComText(path);
}

HRESULT SaveShortcut(const std::wstring& file, const std::wstring& target) {
    ComPtr<IShellLinkW> link;
    HRESULT result =
        ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void());
    if (FAILED(result)) return result;
    link->SetPath(target.c_str());
    link->SetArguments(L"--copy");
    link->SetIconLocation(target.c_str(), 0);
    link->SetDescription(L"Copies the short (8.3) paths of the items to the clipboard");
    ComPtr<IPersistFile> persist;
    result = link->QueryInterface(IID_IPersistFile, persist.put_void());
    return SUCCEEDED(result) ? persist->Save(file.c_str(), TRUE) : result;
}

// Deletes the parents of a removed key that hold nothing now, up to Software\Classes.
void RemoveEmptyParents(std::wstring key) {
    while (key.erase(key.rfind(L'\\')).size() > std::size(kClasses) - 1) {
        UniqueHkey open;
        DWORD subKeys = 0, values = 0;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, open.put()) != ERROR_SUCCESS ||
            ::RegQueryInfoKeyW(open.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                               nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
            subKeys || values || ::RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str()) != ERROR_SUCCESS)
            return;
    }
}

// Every key and the shortcut; the failure of the first that cannot be made.
MenuChange InstallEverything() {
    MenuChange change;
    const std::wstring exe = BesideThisProgram(L"Shortex.exe");
    const DWORD attributes = ::GetFileAttributesW(exe.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        change.failure = L"Shortex.exe is not beside shortex-cli.exe (" + exe + L"); nothing was installed.";
        return change;
    }
    LSTATUS status = ERROR_SUCCESS;
    // Each value with the keys on its path.
    const auto set = [&](const std::wstring& key, const wchar_t* name, const std::wstring& text) {
        if (status != ERROR_SUCCESS) return;
        status = ::RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, text.c_str(),
                                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    };
    // Tells what the writes to the key came to; false when one failed.
    const auto added = [&](const std::wstring& key) {
        if (status != ERROR_SUCCESS)
            change.failure = L"cannot write HKEY_CURRENT_USER\\" + key + L": " + SystemMessage(status);
        else
            change.done.push_back(L"added HKEY_CURRENT_USER\\" + key);
        return status == ERROR_SUCCESS;
    };
    set(ClassKeyName() + L"\\LocalServer32", nullptr, L"\"" + exe + L"\"");
    if (!added(ClassKeyName())) return change;
    for (const Verb& verb : kVerbs) {
        const std::wstring key = KeyName(verb);
        set(key, L"MUIVerb", L"Cop&y short path");  // Y: no item of Explorer's own takes it
        set(key, L"Icon", L"\"" + exe + L"\",0");
        if (verb.argument) {
            set(key + L"\\command", nullptr, L"\"" + exe + L"\" --copy " + verb.argument);
        } else {
            // One way to run the verb: a command an earlier version left beside DropTarget goes.
            ::RegDeleteTreeW(HKEY_CURRENT_USER, (key + L"\\command").c_str());
            set(key, L"MultiSelectModel", L"Player");
            set(key + L"\\DropTarget", L"CLSID", kCopyShortPathClass);
        }
        if (!added(key)) return change;
    }
    const std::wstring sendTo = SendToFolder();
    const HRESULT saved = sendTo.empty() ? E_FAIL : SaveShortcut(sendTo + kShortcut, exe);
    if (FAILED(saved))
        change.failure = L"cannot make the Send To shortcut: " + SystemMessage(static_cast<std::uint32_t>(saved));
    else
        change.done.push_back(L"added " + sendTo + kShortcut);
    return change;
}

}  // namespace

MenuChange InstallExplorerMenu() {
    MenuChange change = InstallEverything();
    if (!change.failure.empty() && !change.done.empty()) {
        // Nothing half-made stays: what was added goes again.
        change.done = UninstallExplorerMenu().done;
        change.failure += L"; what was added is removed again";
    }
    if (change.failure.empty() && IsWindows11())
        change.done.push_back(
            L"On Windows 11, \"Copy short path\" is under \"Show more options\" (or Shift+right-click, "
            L"Shift+F10).");
    return change;
}

MenuChange UninstallExplorerMenu() {
    MenuChange change;
    // Only what is not there is nothing to remove; every other failure is named, and the rest goes on.
    const auto failed = [&](const std::wstring& what, std::uint32_t error) {
        change.failure +=
            (change.failure.empty() ? L"cannot remove " : L"; cannot remove ") + what + L": " + SystemMessage(error);
    };
    const auto remove = [&](const std::wstring& key) {
        if (const LSTATUS status = ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); status == ERROR_SUCCESS) {
            RemoveEmptyParents(key);
            change.done.push_back(L"removed HKEY_CURRENT_USER\\" + key);
        } else if (status != ERROR_FILE_NOT_FOUND) {
            failed(L"HKEY_CURRENT_USER\\" + key, status);
        }
    };
    for (const Verb& verb : kVerbs) remove(KeyName(verb));
    remove(ClassKeyName());
    if (const std::wstring sendTo = SendToFolder(); sendTo.empty())
        failed(L"the Send To shortcut", ERROR_PATH_NOT_FOUND);
    else if (::DeleteFileW((sendTo + kShortcut).c_str()))
        change.done.push_back(L"removed " + sendTo + kShortcut);
    else if (const DWORD error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND)
        failed(sendTo + kShortcut, error);
    if (change.done.empty() && change.failure.empty())
        change.done.push_back(L"nothing to remove: the Explorer menu is not installed");
    return change;
}

}  // namespace shortex::cli
