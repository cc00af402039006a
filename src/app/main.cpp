// Shortex.exe: the entry point and the message loop.
#include "app/copy_short_forms.h"
#include "app/startup.h"
#include "app/verb_server.h"
#include "ui/main/main_layout.h"

#include <shellapi.h>

namespace {

// The arguments after "--copy" when the command line starts with it, split as CommandLineToArgvW
// splits them; nothing otherwise. shell32 loads only then.
std::optional<std::vector<std::wstring>> CopyArguments(const std::wstring& argumentText) {
    if (!argumentText.starts_with(L"--copy") && !argumentText.starts_with(L"\"--copy\"")) return std::nullopt;
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::optional<std::vector<std::wstring>> paths;
    if (count >= 2 && std::wstring_view(arguments[1]) == L"--copy") paths.emplace(arguments + 2, arguments + count);
    ::LocalFree(arguments);
    return paths;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    // DLLs only from the system folder: no planted DLL beside the exe or in the working folder.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    ::HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);

    using namespace shortex;
    const auto files = std::make_shared<SystemFileSystem>();  // shared with the lookups still asking
    SystemMessageBoxes boxes;
    main_window::SystemPickers pickers;
    const std::wstring argumentText = main_window::ArgumentText(::GetCommandLineW());
    // COM starts the verb's server with -Embedding; one that nothing is dropped on ends after this long.
    constexpr UINT kUnusedServerTimeoutMs = 30000;
    if (argumentText == L"-Embedding" || argumentText == L"/Embedding")
        return verb::Serve(*files, boxes, kUnusedServerTimeoutMs);
    if (auto paths = CopyArguments(argumentText)) return CopyShortForms(*files, boxes, std::move(*paths)) ? 0 : 1;
    main_window::frmMain window(files, boxes, pickers, argumentText);
    if (!startup::Main(boxes, window, showCommand)) return 0;

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TranslateDialogMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
