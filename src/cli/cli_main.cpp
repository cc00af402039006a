// shortex-cli: the short (or long) form of paths for batch files and scripts.
#include "cli_request.h"
#include "common/failure.h"
#include "explorer_menu.h"
#include "pathnames/short_names.h"
#include "shortex_version.h"
#include "tree_walk.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

extern "C" __declspec(dllimport) LONG WINAPI RtlGetVersion(OSVERSIONINFOW* version);  // ntdll's; in no SDK header

namespace shortex::cli {
namespace {

// UTF-8 both ways through the system; malformed input and unpaired surrogates become U+FFFD.
std::wstring FromUtf8(std::string_view text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                               wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::string ToUtf8(std::wstring_view text) {
    const int size = static_cast<int>(text.size());
    std::string bytes(
        static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                          nullptr);
    return bytes;
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && ::GetConsoleMode(handle, &mode);
}

// Collects lines and writes them in large pieces: real Unicode to a console, UTF-8 anywhere else.
class LineWriter {
public:
    explicit LineWriter(DWORD standardHandle) : handle_(::GetStdHandle(standardHandle)), console_(IsConsole(handle_)) {}
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

    bool console() const { return console_; }

    // Called before each piece goes out: a progress line on the same console is erased first.
    std::function<void()> beforeFlush;

    void Flush() {
        if (pending_.empty() || handle_ == INVALID_HANDLE_VALUE || handle_ == nullptr) {
            pending_.clear();
            return;
        }
        if (beforeFlush) beforeFlush();
        if (console_) {
            WriteAll(pending_.data(), pending_.size(), [this](const wchar_t* data, DWORD count, DWORD* done) {
                return ::WriteConsoleW(handle_, data, count, done, nullptr);
            });
        } else {
            const std::string bytes = ToUtf8(pending_);
            WriteAll(bytes.data(), bytes.size(), [this](const char* data, DWORD count, DWORD* done) {
                return ::WriteFile(handle_, data, count, done, nullptr);
            });
        }
        pending_.clear();
    }

private:
    static constexpr std::size_t kFlushThreshold = 32 * 1024;

    template <typename Char, typename WriteFn>
    static void WriteAll(const Char* data, std::size_t count, WriteFn write) {
        while (count > 0) {
            DWORD done = 0;
            const DWORD piece = static_cast<DWORD>(count < 0x10000 ? count : 0x10000);
            if (!write(data, piece, &done) || done == 0) return;  // a closed pipe: nobody reads
            data += done;
            count -= done;
        }
    }

    HANDLE handle_;
    bool console_;
    std::wstring pending_;
};

// Calls onLine for every line of standard input, as the lines arrive.
template <typename OnLine>
void ForEachInputLine(LineWriter& output, OnLine onLine) {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (input == INVALID_HANDLE_VALUE || input == nullptr) return;
    if (IsConsole(input)) {
        LineSplitter<wchar_t> splitter;
        wchar_t chunk[4096];
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
    std::vector<char> chunk(64 * 1024);
    DWORD read = 0;
    while (::ReadFile(input, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) && read > 0) {
        splitter.Feed(std::string_view(chunk.data(), read), decoded);
        output.Flush();
    }
    splitter.Finish(decoded);
}

// The build number of the Windows that runs, from ntdll: GetVersionExW answers what the exe's
// manifest declares, and Windows 10 and 11 are both 10.0. 0 when it cannot be read.
DWORD WindowsBuild() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return ::RtlGetVersion(&version) == 0 ? version.dwBuildNumber : 0;
}

// Windows 11 shows only signed packaged extensions in the first context menu; ours is in the full one.
constexpr DWORD kWindows11FirstBuild = 22000;
constexpr std::wstring_view kWindows11MenuNote =
    L"On Windows 11, \"Copy short path\" is under \"Show more options\" (or Shift+right-click, Shift+F10).";

std::atomic<bool> interrupted = false;

// The full path the system makes of the path; empty when there is none.
std::wstring FullPath(const std::wstring& path) {
    std::wstring full(kMaxPathText + 1, L'\0');
    full.resize(::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    return full.size() > kMaxPathText ? std::wstring() : full;
}

// Tells on stderr what there is to say of the short form; true when a component has no short name.
bool WarnOfLongName(FileSystem& files, LineWriter& errors, const std::wstring& path, const std::wstring& shortForm,
                    std::optional<VolumeFacts>& volume) {
    const ShortFormNote note = NoteOnShortForm(files, path, shortForm, volume);
    if (const std::wstring line = NoteLine(path, note); !line.empty()) errors.WriteLine(line);
    return note.noShortName;
}

// Every file and folder under the folder, one per line: short form, a tab, long form. Ctrl+C ends
// the walk with what was found written; over a second on a console, a progress line shows.
int ListTree(const std::wstring& folder, bool strict, LineWriter& output) {
    SystemFileSystem files;
    LineWriter errors(STD_ERROR_HANDLE);
    const std::wstring full = FullPath(folder);
    if (!DirExists(files, full)) {
        errors.WriteLine(L"shortex-cli: not a folder: " + folder);
        return 2;
    }
    const auto withoutClosingBackslash = [&](std::wstring path) {
        if (path.empty()) path = full;
        if (path.ends_with(L'\\')) path.pop_back();
        return path;
    };
    ::SetConsoleCtrlHandler(
        [](DWORD) -> BOOL {
            interrupted = true;
            return TRUE;
        },
        TRUE);
    const HANDLE console = ::GetStdHandle(STD_ERROR_HANDLE);
    const bool showProgress = IsConsole(console);
    const ULONGLONG start = ::GetTickCount64();
    ULONGLONG shown = 0;
    bool progressOnScreen = false;
    unsigned long long folders = 0, entries = 0;
    const auto progress = [&](const std::wstring& line) {
        DWORD written = 0;
        ::WriteConsoleW(console, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
    };
    // The progress line goes before anything else is written to the console it is on.
    const auto eraseProgress = [&] {
        if (std::exchange(progressOnScreen, false)) progress(L"\r" + std::wstring(60, L' ') + L"\r");
    };
    if (output.console()) output.beforeFlush = eraseProgress;
    errors.beforeFlush = eraseProgress;
    bool everyFolderListed = true, anyLongName = false;
    std::optional<VolumeFacts> volume;  // name surrogates are not entered: the whole walk is on one volume
    WalkTree(
        files, withoutClosingBackslash(ShortPath(files, full)), withoutClosingBackslash(LongPath(files, full)),
        [&](const std::wstring& shortForm, const std::wstring& longForm, std::uint32_t attributes) {
            output.WriteLine(shortForm + L'\t' + longForm);
            // Only the entry's own name: its folders had their line, and their warning, before it.
            const std::wstring ownName = shortForm.substr(shortForm.rfind(L'\\') + 1);
            anyLongName = WarnOfLongName(files, errors, longForm, ownName, volume) || anyLongName;
            ++entries;
            folders += (attributes & kFolder) != 0;
            if (showProgress && entries % 256 == 0 && ::GetTickCount64() - start > 1000 &&
                ::GetTickCount64() - shown > 200) {
                shown = ::GetTickCount64();
                output.Flush();  // entries first, then the line that counts them
                progress(L"\r" + std::to_wstring(folders) + L" folders, " + std::to_wstring(entries) + L" entries");
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
    eraseProgress();
    output.Flush();
    errors.Flush();
    output.beforeFlush = errors.beforeFlush = nullptr;
    if (interrupted) return static_cast<int>(STATUS_CONTROL_C_EXIT);
    return strict && anyLongName ? 3 : everyFolderListed ? 0 : 1;
}

int Run(const std::vector<std::wstring>& arguments) {
    const CliRequest request = ParseArguments(arguments);
    if (request.action == CliRequest::Action::ShowHelp) {
        LineWriter(STD_OUTPUT_HANDLE).Write(UsageText());
        return 0;
    }
    if (request.action == CliRequest::Action::ShowVersion) {
        LineWriter(STD_OUTPUT_HANDLE).WriteLine(L"shortex-cli " SHORTEX_VERSION_TEXT);
        return 0;
    }
    if (request.action == CliRequest::Action::UsageError) {
        LineWriter errors(STD_ERROR_HANDLE);
        errors.WriteLine(L"shortex-cli: " + request.error);
        errors.Write(UsageText());
        return 2;
    }

    LineWriter output(STD_OUTPUT_HANDLE);
    if (request.action == CliRequest::Action::ListTree) return ListTree(request.paths[0], request.strict, output);
    if (request.action == CliRequest::Action::InstallExplorer ||
        request.action == CliRequest::Action::UninstallExplorer) {
        const MenuChange change =
            request.action == CliRequest::Action::InstallExplorer ? InstallExplorerMenu() : UninstallExplorerMenu();
        for (const std::wstring& line : change.done) output.WriteLine(line);
        if (request.action == CliRequest::Action::InstallExplorer && change.failure.empty() &&
            WindowsBuild() >= kWindows11FirstBuild)
            output.WriteLine(kWindows11MenuNote);
        output.Flush();
        if (!change.failure.empty()) LineWriter(STD_ERROR_HANDLE).WriteLine(L"shortex-cli: " + change.failure);
        return change.failure.empty() ? 0 : 1;
    }
    SystemFileSystem files;
    LineWriter errors(STD_ERROR_HANDLE);
    bool everyPathAnswered = true, anyLongName = false, needsAdministrator = false;
    auto answer = [&](const std::wstring& path) {
        if (request.action == CliRequest::Action::MakeShort) {
            const std::wstring full = FullPath(path);
            for (const GivenName& given : GiveShortNames(files, full.empty() ? path : full, request.dryRun)) {
                if (given.error)
                    errors.WriteLine(L"shortex-cli: " + given.path + L": " + given.failure);
                else if (request.dryRun)
                    output.WriteLine(given.name + L'\t' + given.path);
                everyPathAnswered = everyPathAnswered && !given.error;
                needsAdministrator = needsAdministrator || given.error == kErrorPrivilegeNotHeld;
            }
            if (request.dryRun) return;
        }
        const std::wstring converted = ConvertPath(files, request.longForm, path);
        everyPathAnswered = everyPathAnswered && !converted.empty();
        output.WriteLine(converted);
        std::optional<VolumeFacts> volume;
        if (request.action == CliRequest::Action::Convert && !request.longForm)
            anyLongName = WarnOfLongName(files, errors, path, converted, volume) || anyLongName;
    };
    for (const std::wstring& path : request.paths) {
        if (path == kStandardInput)
            ForEachInputLine(output, answer);
        else
            answer(path);
    }
    output.Flush();
    // Never a UAC prompt of its own: a script must not wait on one.
    if (needsAdministrator)
        errors.WriteLine(
            L"shortex-cli: run it again from an administrator prompt (right-click Terminal or "
            L"Command Prompt, \"Run as administrator\").");
    return needsAdministrator ? 4 : request.strict && anyLongName ? 3 : everyPathAnswered ? 0 : 1;
}

}  // namespace
}  // namespace shortex::cli

int wmain(int argc, wchar_t** argv) {
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    return shortex::cli::Run(std::vector<std::wstring>(argv + 1, argv + argc));
}
