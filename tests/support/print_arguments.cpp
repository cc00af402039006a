// Prints each of its arguments on a line of its own, as CommandLineToArgvW reads its command line.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

int main() {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; i < count; ++i) std::printf("%ls\n", arguments[i]);
    ::LocalFree(arguments);
}
