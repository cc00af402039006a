#include "cli_request.h"

#include <algorithm>

namespace shortex::cli {
namespace {

// The options that only say yes.
using Flag = std::pair<std::wstring_view, bool CliRequest::*>;
const Flag kFlags[] = {{L"--long", &CliRequest::longForm},
                       {L"--strict", &CliRequest::strict},
                       {L"--dry-run", &CliRequest::dryRun},
                       {L"--machine", &CliRequest::machine},
                       {L"--expand", &CliRequest::expandReferences},
                       {L"--write", &CliRequest::write},
                       {L"--undo", &CliRequest::undo}};

}  // namespace

CliRequest ParseArguments(const std::vector<std::wstring>& arguments) {
    using enum CliRequest::Action;
    CliRequest request;
    const auto usageError = [&request](std::wstring error) {
        request.error = std::move(error);
        return request;
    };
    if (arguments.size() == 1 && (arguments[0] == L"--install-explorer" || arguments[0] == L"--uninstall-explorer")) {
        request.action = arguments[0] == L"--install-explorer" ? InstallExplorer : UninstallExplorer;
        return request;
    }
    std::size_t next = 0;
    bool tree = false, makeShort = false;
    for (; next < arguments.size(); ++next) {
        const auto flag = std::ranges::find(kFlags, arguments[next], &Flag::first);
        if (flag != std::end(kFlags))
            request.*flag->second = true;
        else if (arguments[next] == L"--tree")
            tree = true;
        else if (arguments[next] == L"--make-short")
            makeShort = true;
        else if (arguments[next] == L"--report-to" && next + 1 < arguments.size())
            request.reportTo = arguments[++next];
        else if (arguments[next] == L"--env" && next + 1 < arguments.size())
            request.variable = arguments[++next];
        else if (arguments[next] == L"--unc")
            request.form.unc = true;
        else if (arguments[next] == L"--form" || arguments[next] == L"--quote") {
            const bool form = arguments[next] == L"--form";
            const auto words = form ? std::span<const std::wstring_view>(kFormWords) : kQuoteWords;
            const std::optional<int> choice = WordPosition(words, ++next < arguments.size() ? arguments[next] : L"");
            if (!choice) return usageError((form ? L"--form takes " : L"--quote takes ") + WordList(words));
            if (form)
                request.form.form = static_cast<PathForm>(*choice);
            else
                request.form.quotes = static_cast<Quotes>(*choice);
        } else {
            break;
        }
    }
    const bool envOptions = request.machine || request.expandReferences || request.write || request.undo;
    if (!request.variable.empty() || envOptions) {
        if (request.variable.empty() || next != arguments.size() || tree || makeShort || request.longForm ||
            request.strict || request.dryRun || (request.write && request.undo))
            return usageError(L"--env takes one variable, with --machine, --expand and --write or --undo only");
        request.action = ShortenVariable;
        return request;
    }
    if (tree) {
        if (request.longForm || makeShort || request.dryRun || !request.reportTo.empty() ||
            next + 1 != arguments.size())
            return usageError(L"--tree takes one folder, and --strict, --form, --quote and --unc only");
        if (arguments[next].find_first_not_of(L" \t") == std::wstring::npos)
            return usageError(L"--tree takes a folder, not a blank");
        request.paths = {arguments[next]};
        request.action = ListTree;
        return request;
    }
    if ((request.dryRun && !makeShort) || (makeShort && (request.longForm || request.strict)))
        return usageError(L"--dry-run goes with --make-short, which takes no other option");
    if (!request.reportTo.empty() && !makeShort) return usageError(L"--report-to goes with --make-short");
    bool optionsEnded = false;
    for (; next < arguments.size(); ++next) {
        const std::wstring& argument = arguments[next];
        if (!optionsEnded &&
            (argument == L"--help" || argument == L"-h" || argument == L"/?" || argument == L"--version")) {
            request.action = argument == L"--version" ? ShowVersion : ShowHelp;
            return request;
        }
        if (!optionsEnded && argument == L"--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.starts_with(L"--")) {
            const bool option = argument == L"--long" || argument == L"--strict" || argument == L"--unc" ||
                                argument == L"--form" || argument == L"--quote";
            return usageError(option ? argument + L" must come before the paths" : L"unknown option " + argument);
        } else {
            request.paths.push_back(argument);
        }
    }
    if (request.paths.empty()) return usageError(L"no path given");
    request.action = makeShort ? MakeShort : Convert;
    return request;
}

std::wstring_view UsageText() {
    return L"Usage: shortex-cli [--long] [--strict] [FORM] PATH...\r\n"
           L"       shortex-cli [--long] [--strict] [FORM] -\r\n"
           L"       shortex-cli [--strict] [FORM] --tree FOLDER\r\n"
           L"       shortex-cli --make-short [--dry-run] [FORM] PATH...\r\n"
           L"       shortex-cli --env NAME [--machine] [--expand] [--write | --undo]\r\n"
           L"       shortex-cli --install-explorer | --uninstall-explorer\r\n"
           L"\r\n"
           L"Prints the short (8.3) form of each PATH on a line of its own, as the file system\r\n"
           L"reports it.\r\n"
           L"\r\n"
           L"  --long   print the long form instead, every component as it is stored\r\n"
           L"  -        read the paths from standard input, one per line (UTF-8)\r\n"
           L"  --strict exit code 3 when a short form still holds a long name (each is warned of\r\n"
           L"           on stderr, with the reason, either way; a short name with characters\r\n"
           L"           beyond ASCII gets a note there, never exit code 3)\r\n"
           L"  --       take every argument after it as a path\r\n"
           L"  --tree   every file and folder under FOLDER: its short form, a tab, its long form\r\n"
           L"  --help   show this text\r\n"
           L"  --make-short  give each component of PATH without a short name one (as administrator),\r\n"
           L"                then print the short form; --dry-run: each name it would give, a tab,\r\n"
           L"                the component, and nothing changes\r\n"
           L"  --version show the program's version\r\n"
           L"  --env NAME  the user's (--machine: the machine's) variable as stored, each entry short,\r\n"
           L"           %REFERENCES% kept (--expand: expanded where they hold a blank); --write writes it,\r\n"
           L"           the old value saved first; --undo puts that back while it holds what was written\r\n"
           L"  --install-explorer    add \"Copy short path\" to Explorer's menus and Send To, for this\r\n"
           L"                        user, running the Shortex.exe beside this program\r\n"
           L"  --uninstall-explorer  remove them again\r\n"
           L"\r\n"
           L"FORM, how each path printed is written:\r\n"
           L"  --form windows|forward|escaped|msys|cygwin  C:\\PROGRA~1\\GIT (as it is), C:/PROGRA~1/GIT,\r\n"
           L"           C:\\\\PROGRA~1\\\\GIT, /c/PROGRA~1/GIT, /cygdrive/c/PROGRA~1/GIT\r\n"
           L"  --quote never|needed|always  needed: where cmd (bash, for msys and cygwin) misreads it\r\n"
           L"  --unc    a path on a mapped network drive on its UNC path, \\\\server\\share\\...\r\n"
           L"\r\n"
           L"A path without an answer prints an empty line. Exit code: 0 when every path had an\r\n"
           L"answer (with --tree: every folder could be listed), 1 when one had none, 2 when the\r\n"
           L"arguments were not understood, 3 with --strict when a short form holds a long name,\r\n"
           L"4 when --make-short needs administrator rights.\r\n";
}

std::wstring NoteLine(const std::wstring& path, const ShortFormNote& note) {
    if (note.text.empty()) return {};
    return (note.noShortName ? L"shortex-cli: warning: " : L"shortex-cli: note: ") + path + L": " + note.text;
}

}  // namespace shortex::cli
