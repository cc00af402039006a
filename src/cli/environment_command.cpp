#include "environment_command.h"

#include "common/failure.h"
#include "common/unique_handle.h"
#include "pathnames/environment_value.h"
#include "settings/registry.h"

#include <windows.h>

namespace shortex::cli {
namespace {

struct Scope {
    HKEY root;
    const wchar_t* key;
    const wchar_t* name;
};
const Scope kUser{HKEY_CURRENT_USER, L"Environment", L"user"};
const Scope kMachine{HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment",
                     L"machine"};
// Under the settings key: the value as it was before --write (its own type and bytes), whose it
// was ("user\NAME"), and what was written in its place.
constexpr wchar_t kSaved[] = L"EnvironmentSaved", kSavedOf[] = L"EnvironmentSavedOf",
                  kWritten[] = L"EnvironmentWritten";
constexpr UINT kBroadcastTimeoutMs = 5000;  // a window that hangs holds nobody longer

bool SameName(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

registry::StoredValue Stored(DWORD type, const std::wstring& text) {
    const auto* data = reinterpret_cast<const BYTE*>(text.c_str());
    return {type, {data, data + (text.size() + 1) * sizeof(wchar_t)}};
}

// The machine's variables are an administrator's to change; the status of opening the key to write.
LSTATUS OpenToWrite(const Scope& scope) {
    UniqueHkey key;
    return ::RegOpenKeyExW(scope.root, scope.key, 0, KEY_SET_VALUE, key.put());
}

// Tells the running programs that read it again: Explorer, and what it starts from then on.
void Broadcast(const Lines& errors) {
    ::SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Environment"),
                          SMTO_ABORTIFHUNG, kBroadcastTimeoutMs, nullptr);
    errors(L"shortex-cli: programs already open keep their old environment until they are started again.");
}

// Windows gives a process the machine's Path, then the user's, in one.
void TellJoinedPath(const CliRequest& request, const std::wstring& before, const std::wstring& after,
                    const Lines& errors) {
    const auto other = registry::ReadStoredValue(request.machine ? kUser.root : kMachine.root,
                                                 request.machine ? kUser.key : kMachine.key, L"Path");
    if (!SameName(request.variable, L"Path") || !other) return;
    const std::size_t joined = registry::TextOf(*other).size() + 1;
    errors(L"shortex-cli: the machine's and the user's Path together, before: " +
           LengthAgainstLimits(joined + before.size()));
    errors(L"shortex-cli: the machine's and the user's Path together, after: " +
           LengthAgainstLimits(joined + after.size()));
}

int PutSavedBack(const CliRequest& request, const Scope& scope, const std::wstring& now, const Lines& output,
                 const Lines& errors) {
    using namespace registry;
    const auto saved = ReadStoredValue(HKEY_CURRENT_USER, kSettingsKey, kSaved);
    const auto of = ReadRegValue(HKEY_CURRENT_USER, kSettingsKey, kSavedOf);
    const auto written = ReadRegValue(HKEY_CURRENT_USER, kSettingsKey, kWritten);
    const std::wstring whose = std::wstring(scope.name) + L"\\" + request.variable;
    if (!saved || !of || !written || !SameName(*of, whose)) {
        errors(L"shortex-cli: nothing of " + whose + L" was saved to put back");
        return kExitNotEveryPath;
    }
    if (now != *written) {
        errors(L"shortex-cli: " + whose +
               L" changed since it was written: nothing changed; the saved value is printed");
        output(TextOf(*saved));
        return kExitNotEveryPath;
    }
    if (OpenToWrite(scope) == ERROR_ACCESS_DENIED) {
        errors(kRunAsAdministrator);
        return kExitNeedsAdministrator;
    }
    if (const LSTATUS status = WriteStoredValue(scope.root, scope.key, request.variable.c_str(), *saved)) {
        errors(L"shortex-cli: cannot write " + whose + L": " + SystemMessage(static_cast<std::uint32_t>(status)));
        return kExitNotEveryPath;
    }
    output(TextOf(*saved));
    Broadcast(errors);
    return kExitDone;
}

}  // namespace

int ShortenVariable(const CliRequest& request, const Lines& output, const Lines& errors) {
    using namespace registry;
    const Scope& scope = request.machine ? kMachine : kUser;
    const std::wstring whose = std::wstring(scope.name) + L"\\" + request.variable;
    const std::optional<StoredValue> stored = ReadStoredValue(scope.root, scope.key, request.variable.c_str());
    if (!stored || (stored->type != REG_SZ && stored->type != REG_EXPAND_SZ)) {
        errors(L"shortex-cli: " + whose +
               (stored ? L" is no text (REG_SZ or REG_EXPAND_SZ): left as it is" : L": no such variable"));
        return kExitNotEveryPath;
    }
    const std::wstring text = TextOf(*stored);
    if (request.undo) return PutSavedBack(request, scope, text, output, errors);
    SystemFileSystem files;
    const ShortenedValue shortened = ShortenedEntries(files, text, request.expandReferences, ExpandedReferences);
    output(shortened.value);
    for (const std::wstring& note : shortened.notes) errors(L"shortex-cli: " + note);
    errors(L"shortex-cli: " + whose + L" before: " + LengthAgainstLimits(text.size()));
    errors(L"shortex-cli: " + whose + L" after: " + LengthAgainstLimits(shortened.value.size()));
    TellJoinedPath(request, text, shortened.value, errors);
    if (!request.write || shortened.value == text) return kExitDone;
    if (OpenToWrite(scope) == ERROR_ACCESS_DENIED) {
        errors(kRunAsAdministrator);
        return kExitNeedsAdministrator;
    }
    // The old value is saved before anything is written; a backup that fails writes nothing.
    LSTATUS status = CreateRegKey(HKEY_CURRENT_USER, kSettingsKey);
    for (const auto& [name, value] : {std::pair{kSaved, *stored}, std::pair{kSavedOf, Stored(REG_SZ, whose)},
                                      std::pair{kWritten, Stored(REG_SZ, shortened.value)}})
        if (status == ERROR_SUCCESS) status = WriteStoredValue(HKEY_CURRENT_USER, kSettingsKey, name, value);
    if (status == ERROR_SUCCESS)
        status =
            WriteStoredValue(scope.root, scope.key, request.variable.c_str(), Stored(stored->type, shortened.value));
    if (status != ERROR_SUCCESS) {
        errors(L"shortex-cli: cannot write " + whose + L": " + SystemMessage(static_cast<std::uint32_t>(status)));
        return kExitNotEveryPath;
    }
    Broadcast(errors);
    return kExitDone;
}

}  // namespace shortex::cli
