// The floor for shortex-cli: one GetShortPathNameW call per path, from the arguments or, with "-",
// from standard input (UTF-8 lines), answers written as UTF-8 lines. Nothing else.
#include <windows.h>

#include <string>

namespace {

void Answer(const std::wstring& path, std::string& out) {
    wchar_t shortPath[32768];
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath, 32768);
    char bytes[3 * 32768];
    const int count =
        length ? WideCharToMultiByte(CP_UTF8, 0, shortPath, length, bytes, sizeof bytes, nullptr, nullptr) : 0;
    out.append(bytes, count);
    out += "\r\n";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::string out;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) != L"-") {
            Answer(argv[i], out);
            continue;
        }
        std::string input;
        char chunk[65536];
        DWORD read = 0;
        while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), chunk, sizeof chunk, &read, nullptr) && read)
            input.append(chunk, read);
        std::size_t start = 0;
        while (start < input.size()) {
            std::size_t end = input.find('\n', start);
            if (end == std::string::npos) end = input.size();
            std::size_t stop = end > start && input[end - 1] == '\r' ? end - 1 : end;
            wchar_t wide[32768];
            const int length =
                MultiByteToWideChar(CP_UTF8, 0, input.data() + start, static_cast<int>(stop - start), wide, 32767);
            Answer(std::wstring(wide, length), out);
            start = end + 1;
        }
    }
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
    return 0;
}
