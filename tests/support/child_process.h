// Runs a program of the build the way a script would: arguments, standard input, output and exit
// code, with a time limit so that a hang fails the test instead of stalling it.
#pragma once

#include <string>
#include <vector>

namespace shortex::testing {

struct ProcessResult {
    unsigned long exitCode = 0;
    std::string output;  // standard output, as bytes
    std::string errors;  // standard error, as bytes
    bool timedOut = false;
};

// program: a path as the build system knows it (a Linux path under Wine is mapped to Z:).
ProcessResult RunProcess(const std::wstring& program, const std::vector<std::wstring>& arguments,
                         const std::string& input = {}, unsigned long timeoutMs = 30000);

// The Windows path of a file that the build system named by its host path.
std::wstring BuildPath(const char* hostPath);

// Quotes one argument so that the C runtime's parser gives it back exactly.
std::wstring QuoteArgument(const std::wstring& argument);

// The lines of a program's output, CRLF or LF ended.
std::vector<std::string> OutputLines(const std::string& output);

}  // namespace shortex::testing

namespace shortex::testing {

// A program started without waiting for it; ended by force when the test lets go of it.
class RunningProcess {
public:
    RunningProcess(const std::wstring& program, const std::vector<std::wstring>& arguments);
    // With the argument text exactly as given, as a shortcut or Explorer passes it.
    RunningProcess(const std::wstring& program, const std::wstring& argumentText);
    RunningProcess(const RunningProcess&) = delete;
    RunningProcess& operator=(const RunningProcess&) = delete;
    ~RunningProcess();

    unsigned long id() const { return id_; }
    // The exit code once the process has ended within the time; nothing otherwise.
    bool WaitForExit(unsigned long timeoutMs, unsigned long* exitCode = nullptr);

private:
    void* process_ = nullptr;
    unsigned long id_ = 0;
};

}  // namespace shortex::testing
