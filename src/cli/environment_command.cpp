#include "cli_request.h"

#include "common/failure.h"
#include "pathnames/environment_value.h"
#include "settings/registry.h"

#include <windows.h>

namespace shortex::cli {
namespace {

using namespace registry;

struct Scope {
    HKEY root;
    const wchar_t* key;
    const wchar_t* name;
};
const Scope kUser{HKEY_CURRENT_USER, L"Environment", L"user"};
const Scope kMachine{HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment",
                     L"machine"};
// Under the settings key, for each variable written ("user\NAME"): its value as it was before
// (its own type and bytes), and what was written in its place.
constexpr wchar_t kSaved[] = L" saved", kWritten[] = L" written";
constexpr UINT kBroadcastTimeoutMs = 5000;  // a window that hangs holds nobody longer

// Writes the variable, then tells the running programs (Explorer reads it again); the exit code.
int Write(const Scope& scope, const std::wstring& name, const StoredValue& value, const Lines& errors) {
    const LSTATUS status = WriteStoredValue(scope.root, scope.key, name.c_str(), value);
    if (status != ERROR_SUCCESS) {
        errors(status == ERROR_ACCESS_DENIED
                   ? std::wstring(kRunAsAdministrator)
                   : L"shortex-cli: cannot write " + name + L": " + SystemMessage(static_cast<std::uint32_t>(status)));
        return status == ERROR_ACCESS_DENIED ? kExitNeedsAdministrator : kExitNotEveryPath;
    }
    ::SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Environment"),
                          SMTO_ABORTIFHUNG, kBroadcastTimeoutMs, nullptr);
    errors(L"shortex-cli: programs already open keep their old environment until they are started again.");
    return kExitDone;
}

// Puts the saved value back, only while the variable holds what was written in its place.
int PutSavedBack(const Scope& scope, const std::wstring& name, const std::wstring& now, const Lines& output,
                 const Lines& errors) {
    const std::wstring whose = std::wstring(scope.name) + L"\\" + name;
    const auto saved = ReadStoredValue(HKEY_CURRENT_USER, kSettingsKey, (whose + kSaved).c_str());
    const auto written = ReadRegValue(HKEY_CURRENT_USER, kSettingsKey, (whose + kWritten).c_str());
    if (!saved || !written) {
        errors(L"shortex-cli: nothing of " + whose + L" was saved to put back");
        return kExitNotEveryPath;
    }
    output(TextOf(*saved));
    if (now == *written) return Write(scope, name, *saved, errors);
    errors(L"shortex-cli: " + whose + L" changed since it was written: nothing changed; the saved value is printed");
    return kExitNotEveryPath;
}

}  // namespace

int ShortenVariable(const CliRequest& request, const Lines& output, const Lines& errors) {
    const Scope& scope = request.machine ? kMachine : kUser;
    const std::wstring whose = std::wstring(scope.name) + L"\\" + request.variable;
    const std::optional<StoredValue> stored = ReadStoredValue(scope.root, scope.key, request.variable.c_str());
    if (!stored || (stored->type != REG_SZ && stored->type != REG_EXPAND_SZ)) {
        errors(L"shortex-cli: " + whose +
               (stored ? L" is no text (REG_SZ or REG_EXPAND_SZ): left as it is" : L": no such variable"));
        return kExitNotEveryPath;
    }
    const std::wstring text = TextOf(*stored);
    if (request.undo) return PutSavedBack(scope, request.variable, text, output, errors);
    SystemFileSystem files;
    const ShortenedValue shortened = ShortenedEntries(files, text, request.expandReferences, ExpandedReferences);
    output(shortened.value);
    for (const std::wstring& note : shortened.notes) errors(L"shortex-cli: " + note);
    // Windows gives a process the machine's Path, then the user's, in one.
    const Scope& other = request.machine ? kUser : kMachine;
    const auto otherPath = ReadStoredValue(other.root, other.key, L"Path");
    const bool path = ::CompareStringOrdinal(request.variable.c_str(), -1, L"Path", -1, TRUE) == CSTR_EQUAL;
    const std::size_t joined = path && otherPath ? TextOf(*otherPath).size() + 1 : 0;
    for (const auto& [when, value] : {std::pair{L" before: ", &text}, std::pair{L" after: ", &shortened.value}}) {
        errors(L"shortex-cli: " + whose + when + LengthAgainstLimits(value->size()));
        if (joined)
            errors(L"shortex-cli: with the " + std::wstring(other.name) + L"'s Path" + when +
                   LengthAgainstLimits(joined + value->size()));
    }
    if (!request.write || shortened.value == text) return kExitDone;
    // The old value is saved before anything is written; a backup that fails writes nothing.
    LSTATUS status = CreateRegKey(HKEY_CURRENT_USER, kSettingsKey);
    for (const auto& [name, value] :
         {std::pair{kSaved, *stored}, std::pair{kWritten, StoredText(REG_SZ, shortened.value)}})
        if (status == ERROR_SUCCESS)
            status = WriteStoredValue(HKEY_CURRENT_USER, kSettingsKey, (whose + name).c_str(), value);
    if (status != ERROR_SUCCESS) {
        errors(L"shortex-cli: cannot save " + whose + L" first: " + SystemMessage(static_cast<std::uint32_t>(status)));
        return kExitNotEveryPath;
    }
    return Write(scope, request.variable, StoredText(stored->type, shortened.value), errors);
}

}  // namespace shortex::cli
