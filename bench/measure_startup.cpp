// Starts a program with a path on its command line and measures how long it takes until its
// window is visible with the short form in the box with id 104, and its peak working set.
// Prints "milliseconds peak-bytes" and closes the program.
//   measure_startup PROGRAM PATH
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

HWND VisibleWindowOf(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && IsWindowVisible(window) && GetDlgItem(window, 104)) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\" \"" + argv[2] + L"\"";
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 3;
    HWND window = nullptr;
    const ULONGLONG deadline = GetTickCount64() + 20000;
    for (;;) {
        if (GetTickCount64() > deadline) {
            TerminateProcess(process.hProcess, 1);
            return 5;
        }
        window = VisibleWindowOf(process.dwProcessId);
        if (window) {
            wchar_t text[16] = {};
            SendMessageTimeoutW(GetDlgItem(window, 104), WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text),
                                SMTO_ABORTIFHUNG, 1000, nullptr);
            if (text[0]) break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) return 4;
    }
    QueryPerformanceCounter(&now);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    std::printf("%.2f %llu\n",
                1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart),
                static_cast<unsigned long long>(memory.PeakWorkingSetSize));
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    return 0;
}
