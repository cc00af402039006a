// Shortex.exe: the entry point and the message loop.
#include "app/startup.h"
#include "ui/main/main_layout.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    // DLLs only from the system folder: no planted DLL beside the exe or in the working folder.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    ::HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);

    using namespace shortex;
    SystemFileSystem files;
    SystemMessageBoxes boxes;
    main_window::SystemPickers pickers;
    main_window::frmMain window(files, boxes, pickers, main_window::ArgumentText(::GetCommandLineW()));
    if (!startup::Main(boxes, window, showCommand)) return 0;

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TranslateDialogMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
