// shortex-cli: the short (or long) form of paths for batch files and scripts.
#include "cli_request.h"
#include "common/failure.h"
#include "common/system_errors.h"
#include "common/unique_handle.h"
#include "explorer_menu.h"
#include "pathnames/short_names.h"
#include "shortex_version.h"
#include "tree_walk.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace shortex::cli {
namespace {

// Standard input is read in chunks of this many characters from a console, bytes from anything else.
constexpr std::size_t kConsoleChunk = 4096, kPipeChunk = 64 * 1024;
// --tree's progress line: after a second, then every 0.2 s (the clock asked every 256 entries); 60 columns wide.
constexpr ULONGLONG kFirstProgressMs = 1000, kProgressEveryMs = 200;
constexpr unsigned long long kEntriesPerClockLook = 256;
constexpr std::size_t kProgressColumns = 60;

// UTF-8 both ways through the system; malformed input and unpaired surrogates become U+FFFD.
std::wstring FromUtf8(std::string_view text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                               wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::string ToUtf8(std::wstring_view text) {
    const int size = static_cast<int>(text.size());
    std::string bytes(text.size() * 3, '\0');  // at most three bytes a UTF-16 unit, four a surrogate pair
    bytes.resize(static_cast<std::size_t>(
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), size * 3, nullptr, nullptr)));
    return bytes;
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return ::GetConsoleMode(handle, &mode);
}

// --tree's progress line, while it shows on the console of standard error.
bool progressOnScreen = false;

void ShowProgress(const std::wstring& line) {
    ::WriteConsoleW(::GetStdHandle(STD_ERROR_HANDLE), line.c_str(), static_cast<DWORD>(line.size()), nullptr, nullptr);
}

// Before anything else is written to the console (a process has one), the progress line goes.
void EraseProgress() {
    if (std::exchange(progressOnScreen, false)) ShowProgress(L"\r" + std::wstring(kProgressColumns, L' ') + L"\r");
}

// Collects lines and writes them in large pieces: real Unicode to a console, UTF-8 anywhere else.
class LineWriter {
public:
    explicit LineWriter(HANDLE handle) : handle_(handle), console_(IsConsole(handle)) {}
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;
    ~LineWriter() { Flush(); }

    void Write(std::wstring_view text) {
        pending_ += text;
        if (pending_.size() >= kFlushThreshold) Flush();
    }

    void WriteLine(std::wstring_view text) {
        Write(text);
        Write(L"\r\n");
    }

    // In pieces of at most 64 KiB, which any console takes; a closed pipe ends it: nobody reads.
    void Flush() {
        if (pending_.empty()) return;
        if (console_) EraseProgress();
        const std::string bytes = console_ ? std::string() : ToUtf8(pending_);
        const std::size_t size = console_ ? pending_.size() : bytes.size();
        for (std::size_t at = 0; at < size;) {
            DWORD done = 0;
            const auto piece = static_cast<DWORD>(std::min(size - at, kMostAtOnce));
            const BOOL written = console_ ? ::WriteConsoleW(handle_, pending_.data() + at, piece, &done, nullptr)
                                          : ::WriteFile(handle_, bytes.data() + at, piece, &done, nullptr);
            if (!written || done == 0) break;
            at += done;
        }
        pending_.clear();
    }

private:
    static constexpr std::size_t kFlushThreshold = 32 * 1024;
    static constexpr std::size_t kMostAtOnce = 64 * 1024;

    HANDLE handle_;
    bool console_;
    std::wstring pending_;
};

// Calls onLine for every line of standard input, as the lines arrive.
template <typename OnLine>
void ForEachInputLine(LineWriter& output, OnLine onLine) {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (IsConsole(input)) {
        LineSplitter<wchar_t> splitter;
        wchar_t chunk[kConsoleChunk];
        DWORD read = 0;
        while (::ReadConsoleW(input, chunk, static_cast<DWORD>(std::size(chunk)), &read, nullptr) && read > 0) {
            std::wstring_view text(chunk, read);
            const auto endOfInput = text.find(L'\x1A');  // Ctrl+Z ends console input
            splitter.Feed(text.substr(0, endOfInput), onLine);
            output.Flush();
            if (endOfInput != std::wstring_view::npos) break;
        }
        splitter.Finish(onLine);
        return;
    }
    LineSplitter<char> splitter;
    auto decoded = [&onLine](const std::string& line) { onLine(FromUtf8(line)); };
    std::vector<char> chunk(kPipeChunk);
    DWORD read = 0;
    while (::ReadFile(input, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) && read > 0) {
        splitter.Feed(std::string_view(chunk.data(), read), decoded);
        output.Flush();
    }
    splitter.Finish(decoded);
}

std::atomic<bool> interrupted = false;

// The full path the system makes of the path; empty when there is none.
std::wstring FullPath(const std::wstring& path) {
    std::wstring full(kMaxPathText + 1, L'\0');
    full.resize(::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    return full.size() > kMaxPathText ? std::wstring() : full;
}

// The pipe Shortex.exe reads this run's failures from, when it gave one. Only a local pipe's name is
// opened: anything else could turn an administrator's write into one the user chose. As its client
// this process may be identified, never impersonated: it may be elevated.
UniqueFileHandle OpenReportPipe(const std::wstring& name) {
    const std::wstring_view pipes = L"\\\\.\\pipe\\";
    if (!name.starts_with(pipes) || name.find_first_of(L"\\/", pipes.size()) != std::wstring::npos) return {};
    UniqueFileHandle pipe(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr));
    if (pipe && ::GetFileType(pipe.get()) != FILE_TYPE_PIPE) pipe.reset();
    return pipe;
}

// Tells the note on the path's short form on stderr; true when a component has no short name.
bool Warn(LineWriter& errors, const std::wstring& path, const ShortFormNote& note) {
    if (const std::wstring line = NoteLine(path, note); !line.empty()) errors.WriteLine(line);
    return note.noShortName;
}

// Every file and folder under the folder, one per line: short form, a tab, long form. Ctrl+C ends
// the walk with what was found written; over a second on a console, a progress line shows.
int PrintTree(const std::wstring& folder, bool strict, PastingForm& written, LineWriter& output, LineWriter& errors) {
    SystemFileSystem files;
    const std::wstring full = FullPath(folder);
    if (!DirExists(files, full)) {
        errors.WriteLine(L"shortex-cli: not a folder: " + folder);
        return kExitUsage;
    }
    const auto withoutClosingBackslash = [&](std::wstring path) {
        if (path.empty()) path = full;
        if (path.ends_with(L'\\')) path.pop_back();
        return path;
    };
    ::SetConsoleCtrlHandler([](DWORD) -> BOOL { return interrupted = true; }, TRUE);  // handled: the walk stops
    const bool showProgress = IsConsole(::GetStdHandle(STD_ERROR_HANDLE));
    ULONGLONG nextProgress = ::GetTickCount64() + kFirstProgressMs;
    unsigned long long folders = 0, entries = 0;
    bool everyFolderListed = true, anyLongName = false;
    std::optional<VolumeFacts> volume;  // name surrogates are not entered: the whole walk is on one volume
    WalkTree(
        files, withoutClosingBackslash(ShortPath(files, full)), withoutClosingBackslash(LongPath(files, full)),
        [&](const std::wstring& shortForm, const std::wstring& longForm, std::uint32_t attributes) {
            output.WriteLine(written({shortForm}) + L'\t' + written({longForm}));
            // Only the entry's own name: its folders had their line, and their warning, before it.
            const std::wstring ownName = shortForm.substr(shortForm.rfind(L'\\') + 1);
            anyLongName = Warn(errors, longForm, NoteOnShortForm(files, longForm, ownName, volume)) || anyLongName;
            ++entries;
            if (attributes & kFolder) ++folders;
            if (showProgress && entries % kEntriesPerClockLook == 0 && ::GetTickCount64() > nextProgress) {
                nextProgress = ::GetTickCount64() + kProgressEveryMs;
                output.Flush();  // entries first, then the line that counts them
                ShowProgress(L"\r" + std::to_wstring(folders) + L" folders, " + std::to_wstring(entries) + L" entries");
                progressOnScreen = true;
            }
        },
        [&](const std::wstring& longForm, std::uint32_t error) {
            output.Flush();
            errors.WriteLine(L"shortex-cli: cannot list " + longForm + L": " + SystemMessage(error));
            errors.Flush();
            everyFolderListed = false;
        },
        [] { return interrupted.load(); });
    EraseProgress();
    output.Flush();
    errors.Flush();
    if (interrupted) return static_cast<int>(STATUS_CONTROL_C_EXIT);
    if (strict && anyLongName) return kExitLongNameKept;
    return everyFolderListed ? kExitDone : kExitNotEveryPath;
}

int Run(const std::vector<std::wstring>& arguments) {
    using enum CliRequest::Action;
    const CliRequest request = ParseArguments(arguments);
    LineWriter output(::GetStdHandle(STD_OUTPUT_HANDLE));
    LineWriter errors(::GetStdHandle(STD_ERROR_HANDLE));
    if (request.action == ShowHelp) {
        output.Write(UsageText());
        return kExitDone;
    }
    if (request.action == ShowVersion) {
        output.WriteLine(L"shortex-cli " SHORTEX_VERSION_TEXT);
        return kExitDone;
    }
    if (request.action == UsageError) {
        errors.WriteLine(L"shortex-cli: " + request.error);
        errors.Write(UsageText());
        return kExitUsage;
    }
    PastingForm written{request.form};
    if (request.action == ShortenVariable)
        return cli::ShortenVariable(
            request, [&](const std::wstring& line) { output.WriteLine(line); },
            [&](const std::wstring& line) { errors.WriteLine(line); });
    if (request.action == ListTree) return PrintTree(request.paths[0], request.strict, written, output, errors);
    if (request.action == InstallExplorer || request.action == UninstallExplorer) {
        const MenuChange change = request.action == InstallExplorer ? InstallExplorerMenu() : UninstallExplorerMenu();
        for (const std::wstring& line : change.done) output.WriteLine(line);
        output.Flush();
        if (!change.failure.empty()) errors.WriteLine(L"shortex-cli: " + change.failure);
        return change.failure.empty() ? kExitDone : kExitNotEveryPath;
    }
    SystemFileSystem files;
    const UniqueFileHandle reportPipe = OpenReportPipe(request.reportTo);
    LineWriter report(reportPipe.get());
    if (request.action == MakeShort && !request.dryRun) files.restorePrivilegeEnabled = EnableRestorePrivilege();
    bool everyPathAnswered = true, anyLongName = false, needsAdministrator = false;
    auto answer = [&](const std::wstring& path) {
        if (request.action == MakeShort) {
            const std::wstring full = FullPath(path);
            const std::vector<GivenName> names = GiveShortNames(files, full.empty() ? path : full, request.dryRun);
            for (const GivenName& given : names) {
                if (given.error)
                    errors.WriteLine(L"shortex-cli: " + given.path + L": " + given.failure);
                else if (request.dryRun)
                    output.WriteLine(given.name + L'\t' + written({given.path}));
                everyPathAnswered = everyPathAnswered && !given.error;
                needsAdministrator = needsAdministrator || given.error == error::kPrivilegeNotHeld;
            }
            if (const std::wstring failures = FailureLines(names); !failures.empty()) report.WriteLine(failures);
            if (request.dryRun) return;
        }
        const std::wstring converted = request.longForm ? LongPath(files, path) : ShortPath(files, path);
        everyPathAnswered = everyPathAnswered && !converted.empty();
        output.WriteLine(written({converted}));
        if (request.action == Convert && !request.longForm)
            anyLongName = Warn(errors, path, NoteOnShortForm(files, path, converted)) || anyLongName;
    };
    for (const std::wstring& path : request.paths) {
        if (path == kStandardInput)
            ForEachInputLine(output, answer);
        else
            answer(path);
    }
    output.Flush();
    if (needsAdministrator) {
        errors.WriteLine(kRunAsAdministrator);
        return kExitNeedsAdministrator;
    }
    if (request.strict && anyLongName) return kExitLongNameKept;
    return everyPathAnswered ? kExitDone : kExitNotEveryPath;
}

}  // namespace
}  // namespace shortex::cli

int wmain(int argc, wchar_t** argv) {
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    return shortex::cli::Run(std::vector<std::wstring>(argv + 1, argv + argc));
}
