// The floor for Shortex.exe's start-up: a bare window with the same ten controls that shows the
// short form of the path on its command line, and nothing else.
#include <windows.h>

#include <string>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"FloorWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"FloorWindow", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 387,
                                  154, nullptr, nullptr, instance, nullptr);
    struct Child {
        const wchar_t* kind;
        const wchar_t* text;
        int id;
    };
    const Child children[] = {{L"EDIT", commandLine, 100},
                              {L"STATIC", L"Enter path :", 101},
                              {L"BUTTON", L"Select Dir", 102},
                              {L"BUTTON", L"Select File", 103},
                              {L"EDIT", L"", 104},
                              {L"BUTTON", L"Get Shortex", 1},
                              {L"BUTTON", L"&Copy", 106},
                              {L"BUTTON", L"&About", 107},
                              {L"BUTTON", L"E&xit", 2},
                              {L"BUTTON", L"Get Long Name", 109}};
    int y = 0;
    for (const auto& child : children)
        CreateWindowExW(0, child.kind, child.text, WS_CHILD | WS_VISIBLE, 0, y += 10, 100, 10, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.id)), instance, nullptr);
    std::wstring path = commandLine;
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') path = path.substr(1, path.size() - 2);
    wchar_t shortPath[32768];
    if (GetShortPathNameW(path.c_str(), shortPath, 32768)) SetDlgItemTextW(window, 104, shortPath);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
