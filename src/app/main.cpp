// Shortex.exe: the entry point and the message loop.
#include "app/startup.h"
#include "app/windows_startup_host.h"
#include "pathnames/windows_path_platform.h"
#include "settings/windows_registry_platform.h"
#include "ui/main/frm_main.h"
#include "ui/windows_message_boxes.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // DLLs only from the system folder: no planted DLL beside the exe or in the working folder.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    ::HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);

    using namespace shortex;
    WindowsPathPlatform paths;
    WindowsMessageBoxes boxes;
    startup::QuitMessageLoop quit;
    registry::WindowsRegistryPlatform registryPlatform;
    registry::Registry settings(registryPlatform, boxes);
    main_window::frmMain mainWindow({paths, boxes, quit, settings, main_window::ArgumentText(::GetCommandLineW())});

    startup::WindowsStartupHost host([&]() -> std::optional<Failure> {
        if (auto failure = mainWindow.Create(instance)) return failure;
        mainWindow.Show(showCommand);
        return std::nullopt;
    });
    startup::Main(host, boxes);
    if (!mainWindow.hwnd()) return 0;

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (mainWindow.TranslateDialogMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
