#include "make_short.h"

#include "common/failure.h"
#include "common/this_program.h"

#include <objbase.h>
#include <shellapi.h>

#include <initializer_list>

namespace shortex {
namespace {

// The index of the first of the handles to be set. On a single-threaded apartment (the verb's
// server) COM calls and window messages are dispatched meanwhile, so whoever calls this process's
// objects, Explorer letting go of the drop target say, is answered while the run goes on.
DWORD WaitForAny(std::initializer_list<HANDLE> handles) {
    const auto count = static_cast<DWORD>(handles.size());
    APTTYPE apartment{};
    APTTYPEQUALIFIER qualifier{};
    const bool singleThreaded = SUCCEEDED(::CoGetApartmentType(&apartment, &qualifier)) &&
                                (apartment == APTTYPE_STA || apartment == APTTYPE_MAINSTA);
    if (!singleThreaded) return ::WaitForMultipleObjects(count, handles.begin(), FALSE, INFINITE) - WAIT_OBJECT_0;
    DWORD index = 0;
    ::CoWaitForMultipleHandles(COWAIT_DISPATCH_CALLS | COWAIT_DISPATCH_WINDOW_MESSAGES, INFINITE, count,
                               const_cast<HANDLE*>(handles.begin()), &index);
    return index;
}

// What the run writes into the pipe (UTF-8) until its end closes; nothing when it ends without opening it.
std::wstring ReadReport(HANDLE pipe, HANDLE process) {
    const UniqueKernelHandle done(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    OVERLAPPED pending{};
    pending.hEvent = done.get();
    DWORD bytes = 0;
    bool connected = ::ConnectNamedPipe(pipe, &pending) || ::GetLastError() == ERROR_PIPE_CONNECTED;
    if (!connected && ::GetLastError() == ERROR_IO_PENDING) {
        if (WaitForAny({done.get(), process}) != 0) ::CancelIoEx(pipe, &pending);  // ended first
        connected = ::GetOverlappedResult(pipe, &pending, &bytes, TRUE);
    }
    std::string report;
    char chunk[4096];
    while (connected) {
        if (!::ReadFile(pipe, chunk, sizeof chunk, nullptr, &pending) && ::GetLastError() != ERROR_IO_PENDING) break;
        WaitForAny({done.get()});
        if (!::GetOverlappedResult(pipe, &pending, &bytes, FALSE)) break;  // the run closed its end
        report.append(chunk, bytes);
    }
    std::wstring text(report.size(), L'\0');
    text.resize(static_cast<std::size_t>(::MultiByteToWideChar(
        CP_UTF8, 0, report.data(), static_cast<int>(report.size()), text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

bool AskToGive(MessageBoxes& boxes, HWND owner, const std::vector<GivenName>& names) {
    return boxes.Show({OfferText(names), L"Shortex", MB_YESNO | MB_ICONQUESTION, owner}) == IDYES;
}

MakeShortRun MakeShortRun::Start(HWND owner, const std::vector<std::wstring>& paths) {
    MakeShortRun run;
    GUID unguessable{};
    wchar_t id[40] = {};
    ::CoCreateGuid(&unguessable);
    ::StringFromGUID2(unguessable, id, 40);
    const std::wstring pipe = std::wstring(L"\\\\.\\pipe\\Shortex.MakeShort.") + id;
    // One instance, made here first, reached from this machine only.
    run.pipe_.reset(::CreateNamedPipeW(pipe.c_str(),
                                       PIPE_ACCESS_INBOUND | FILE_FLAG_FIRST_PIPE_INSTANCE | FILE_FLAG_OVERLAPPED,
                                       PIPE_TYPE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 0, 0, 0, nullptr));
    std::wstring arguments = L"--make-short";
    if (run.pipe_) arguments += L" --report-to " + pipe;
    // No path holds a quote; a closing backslash is doubled, or it would escape the quote.
    arguments += L" --";
    for (const std::wstring& path : paths) arguments += L" \"" + path + (path.ends_with(L'\\') ? L"\\\"" : L"\"");
    const std::wstring cli = BesideThisProgram(L"shortex-cli.exe");
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"runas";
    info.lpFile = cli.c_str();
    info.lpParameters = arguments.c_str();
    info.nShow = SW_HIDE;
    if (!::ShellExecuteExW(&info)) run.startError_ = ::GetLastError();
    run.process_.reset(info.hProcess);
    return run;
}

NamesGiven MakeShortRun::Finish() {
    if (!process_) return {startError_, L"shortex-cli.exe cannot start: " + SystemMessage(startError_)};
    NamesGiven given;
    if (pipe_) given.reported = ReadReport(pipe_.get(), process_.get());
    WaitForAny({process_.get()});
    ::GetExitCodeProcess(process_.get(), &given.exitCode);
    return given;
}

}  // namespace shortex
