// What the console companion was asked to do, and the parts of its work that need no console.
#pragma once

#include "pathnames/path_forms.h"
#include "pathnames/path_names.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace shortex::cli {

inline constexpr std::wstring_view kStandardInput = L"-";

// What the exit code says.
enum ExitCode : int {
    kExitDone = 0,
    kExitNotEveryPath = 1,  // a path without an answer, a folder not listed, a name not given
    kExitUsage = 2,
    kExitLongNameKept = 3,  // with --strict: a short form still holds a long name
    kExitNeedsAdministrator = 4,
};

// What a run that needs an administrator says, and never a UAC prompt of its own: a script must not wait on one.
inline constexpr wchar_t kRunAsAdministrator[] =
    L"shortex-cli: run it again from an administrator prompt (right-click Terminal or Command Prompt, \"Run as "
    L"administrator\").";

struct CliRequest {
    enum class Action {
        Convert,
        ListTree,
        MakeShort,
        ShortenVariable,
        InstallExplorer,
        UninstallExplorer,
        ShowHelp,
        ShowVersion,
        UsageError
    };
    Action action = Action::UsageError;
    bool longForm = false;            // --long: expand instead of shorten
    bool strict = false;              // --strict: a short form holding a long name fails
    bool dryRun = false;              // with --make-short: say which names it would give, give none
    CopyForm form;                    // --form, --quote, --unc: how every path printed is written
    std::vector<std::wstring> paths;  // in order; kStandardInput stands for the lines of stdin; the folder of --tree
    std::wstring reportTo;            // with --make-short: a local pipe that also takes each failure (Shortex.exe's)
    std::wstring variable;            // --env: the environment variable to shorten
    bool machine = false;             // with --env: the machine's variable, not the user's
    bool expandReferences = false;    // with --env: an entry whose references expand to a blank, expanded
    bool write = false;               // with --env: write it back, the old value saved first
    bool undo = false;                // with --env: put the saved value back
    std::wstring error;               // for UsageError
};

// shortex-cli --env NAME (Windows only): the variable as stored, every entry short, written back with
// the old value saved first, or that put back; the exit code. The value to output, the changes to errors.
using Lines = std::function<void(const std::wstring&)>;
int ShortenVariable(const CliRequest& request, const Lines& output, const Lines& errors);

// Arguments without the program's own name.
CliRequest ParseArguments(const std::vector<std::wstring>& arguments);

std::wstring_view UsageText();

// The line for stderr that tells the path's note: a warning when a component has no short name, a
// note otherwise; empty when there is nothing to say.
std::wstring NoteLine(const std::wstring& path, const ShortFormNote& note);

// Cuts a stream into lines ended by LF or CRLF, as the chunks arrive; a last line without an
// end is given by Finish. A byte order mark at the very start is dropped.
template <typename Char>
class LineSplitter {
public:
    using Text = std::basic_string<Char>;

    template <typename OnLine>
    void Feed(std::basic_string_view<Char> chunk, OnLine&& onLine) {
        for (std::size_t end; (end = chunk.find(Char('\n'))) != chunk.npos; chunk.remove_prefix(end + 1)) {
            pending_.append(chunk.substr(0, end));
            Emit(onLine);
        }
        pending_.append(chunk);
    }

    template <typename OnLine>
    void Finish(OnLine&& onLine) {
        if (!pending_.empty()) Emit(onLine);
    }

private:
    template <typename OnLine>
    void Emit(OnLine& onLine) {
        if (!pending_.empty() && pending_.back() == Char('\r')) pending_.pop_back();
        if (std::exchange(atStart_, false)) {
            const Text mark = sizeof(Char) == 1 ? Text{Char(0xEF), Char(0xBB), Char(0xBF)} : Text(1, Char(0xFEFF));
            if (pending_.starts_with(mark)) pending_.erase(0, mark.size());
        }
        onLine(static_cast<const Text&>(pending_));
        pending_.clear();
    }

    Text pending_;
    bool atStart_ = true;
};

}  // namespace shortex::cli
