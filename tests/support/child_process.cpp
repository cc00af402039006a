#include "child_process.h"

#include <windows.h>

#include <stdexcept>
#include <thread>

namespace shortex::testing {
namespace {

struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    Pipe() {
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        if (!::CreatePipe(&read, &write, &inherit, 0)) throw std::runtime_error("CreatePipe");
    }
    ~Pipe() {
        Close(read);
        Close(write);
    }
    static void Close(HANDLE& h) {
        if (h) ::CloseHandle(h);
        h = nullptr;
    }
};

std::string ReadAll(HANDLE h) {
    std::string bytes;
    char chunk[65536];
    DWORD read = 0;
    while (::ReadFile(h, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
    return bytes;
}

}  // namespace

std::wstring BuildPath(const char* hostPath) {
    std::wstring path(hostPath, hostPath + std::char_traits<char>::length(hostPath));
    if (!path.empty() && path[0] == L'/') {
        for (auto& c : path)
            if (c == L'/') c = L'\\';
        path = L"Z:" + path;
    }
    return path;
}

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::vector<std::string> OutputLines(const std::string& output) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < output.size()) {
        auto end = output.find('\n', start);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

ProcessResult RunProcess(const std::wstring& program, const std::vector<std::wstring>& arguments,
                         const std::string& input, unsigned long timeoutMs) {
    Pipe in, out, err;
    ::SetHandleInformation(in.write, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(out.read, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(err.read, HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine = QuoteArgument(program);
    for (const auto& argument : arguments) commandLine += L" " + QuoteArgument(argument);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.read;
    startup.hStdOutput = out.write;
    startup.hStdError = err.write;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &process))
        throw std::runtime_error("CreateProcess failed");
    Pipe::Close(in.read);
    Pipe::Close(out.write);
    Pipe::Close(err.write);

    ProcessResult result;
    std::thread writer([&] {
        DWORD written = 0;
        for (std::size_t at = 0; at < input.size(); at += written)
            if (!::WriteFile(in.write, input.data() + at, static_cast<DWORD>(input.size() - at), &written, nullptr))
                break;
        Pipe::Close(in.write);
    });
    std::thread errorReader([&] { result.errors = ReadAll(err.read); });
    std::thread outputReader([&] { result.output = ReadAll(out.read); });

    if (::WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_TIMEOUT) {
        result.timedOut = true;
        ::TerminateProcess(process.hProcess, 99);
        ::WaitForSingleObject(process.hProcess, INFINITE);
    }
    writer.join();
    outputReader.join();
    errorReader.join();
    ::GetExitCodeProcess(process.hProcess, &result.exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return result;
}

}  // namespace shortex::testing

namespace shortex::testing {

namespace {

std::wstring JoinArguments(const std::vector<std::wstring>& arguments) {
    std::wstring text;
    for (const auto& argument : arguments) text += (text.empty() ? L"" : L" ") + QuoteArgument(argument);
    return text;
}

}  // namespace

RunningProcess::RunningProcess(const std::wstring& program, const std::vector<std::wstring>& arguments)
    : RunningProcess(program, JoinArguments(arguments)) {}

RunningProcess::RunningProcess(const std::wstring& program, const std::wstring& argumentText) {
    std::wstring commandLine = QuoteArgument(program);
    if (!argumentText.empty()) commandLine += L" " + argumentText;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        throw std::runtime_error("CreateProcess failed");
    ::CloseHandle(process.hThread);
    process_ = process.hProcess;
    id_ = process.dwProcessId;
}

RunningProcess::~RunningProcess() {
    if (::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_, 99);
        ::WaitForSingleObject(process_, 5000);
    }
    ::CloseHandle(process_);
}

bool RunningProcess::WaitForExit(unsigned long timeoutMs, unsigned long* exitCode) {
    if (::WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    DWORD code = 0;
    ::GetExitCodeProcess(process_, &code);
    if (exitCode) *exitCode = code;
    return true;
}

}  // namespace shortex::testing
