#include "lookup.h"

#include "main_layout.h"

#include <atomic>
#include <thread>

namespace shortex::main_window {

std::shared_ptr<Lookup> Lookup::Start(std::shared_ptr<FileSystem> files, Question question, HWND window) {
    static std::atomic<unsigned long long> lookups = 0;
    const std::shared_ptr<Lookup> lookup(new Lookup(std::move(question), ++lookups));
    std::thread([lookup, files = std::move(files), window] {
        lookup->Ask(*files);
        ::SetEvent(lookup->answered_.get());
        ::PostMessageW(window, kLookupAnswered, static_cast<WPARAM>(lookup->number_), 0);
    }).detach();
    return lookup;
}

void Lookup::Ask(FileSystem& files) {
    const std::wstring& path = question_.path;
    if (question_.checkExists) answer_.exists = FileExists(files, path) || DirExists(files, path);
    if (!answer_.exists) return;
    const std::wstring trimmed(Trim(path));
    answer_.text = question_.longForm ? LongPath(files, trimmed) : ShortPath(files, trimmed);
    const std::wstring component = question_.longForm ? L"" : FirstLongComponent(answer_.text);
    if (!component.empty()) answer_.reason = NoShortNameReason(component, files.Volume(trimmed));
}

}  // namespace shortex::main_window
