// Shortex.exe: the entry point and the message loop.
#include "app/startup.h"
#include "app/windows_startup_host.h"
#include "pathnames/windows_path_platform.h"
#include "settings/windows_registry_platform.h"
#include "ui/about/about_box.h"
#include "ui/about/windows_about_services.h"
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
    about::SystemClock clock;
    about::WindowsShell shell;
    main_window::frmMain* window = nullptr;
    const auto showAboutBox = [&] {
        const HWND owner = window->hwnd();
        about::ShowAboutBox(owner, {clock, shell, [owner] { ::ShowWindow(owner, SW_MINIMIZE); }});
    };
    main_window::frmMain mainWindow({paths, boxes, quit, settings, main_window::ArgumentText(::GetCommandLineW()),
                                     nullptr, showAboutBox, about::UnloadAboutBox});
    window = &mainWindow;

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
