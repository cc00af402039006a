#include "lookup.h"

#include "main_layout.h"

#include <atomic>
#include <thread>

namespace shortex::main_window {

std::shared_ptr<Lookup> Lookup::Start(std::shared_ptr<FileSystem> files, HWND window, std::wstring path,
                                      Check check, bool longForm) {
    static std::atomic<unsigned long long> lookups = 0;
    auto lookup = std::make_shared<Lookup>(
        Lookup{.path = std::move(path), .check = check, .longForm = longForm, .number = ++lookups});
    std::thread([lookup, files = std::move(files), window] {
        Lookup& asked = *lookup;
        if (asked.check != Check::None)
            asked.exists = DirExists(*files, asked.path) || (asked.check == Check::FileOrFolder && FileExists(*files, asked.path));
        const std::wstring trimmed(Trim(asked.path));
        if (asked.exists) asked.answer = asked.longForm ? LongPath(*files, trimmed) : ShortPath(*files, trimmed);
        if (asked.exists && !asked.longForm) asked.note = NoteOnShortForm(*files, trimmed, asked.answer);
        ::SetEvent(asked.done.get());
        ::PostMessageW(window, kLookupAnswered, static_cast<WPARAM>(asked.number), 0);
    }).detach();
    return lookup;
}

}  // namespace shortex::main_window
