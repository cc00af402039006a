#include "lookup.h"

#include "main_layout.h"

#include <atomic>

namespace shortex::main_window {
namespace {

// What a pool thread needs to ask, owned by it until it has asked.
struct Question {
    std::shared_ptr<Lookup> lookup;
    std::shared_ptr<FileSystem> files;
    HWND window;
};

void CALLBACK Ask(PTP_CALLBACK_INSTANCE, void* context) {
    const std::unique_ptr<Question> question(static_cast<Question*>(context));
    Lookup& asked = *question->lookup;
    FileSystem& files = *question->files;
    if (asked.check != Check::None)
        asked.exists =
            DirExists(files, asked.path) || (asked.check == Check::FileOrFolder && FileExists(files, asked.path));
    const std::wstring trimmed(Trim(asked.path));
    if (asked.exists) asked.answer = asked.longForm ? LongPath(files, trimmed) : ShortPath(files, trimmed);
    if (asked.exists && !asked.longForm) asked.note = NoteOnShortForm(files, trimmed, asked.answer);
    ::SetEvent(asked.done.get());
    ::PostMessageW(question->window, kLookupAnswered, static_cast<WPARAM>(asked.number), 0);
}

}  // namespace

std::shared_ptr<Lookup> Lookup::Start(std::shared_ptr<FileSystem> files, HWND window, std::wstring path, Check check,
                                      bool longForm) {
    static std::atomic<unsigned long long> lookups = 0;
    auto lookup = std::make_shared<Lookup>(
        Lookup{.path = std::move(path), .check = check, .longForm = longForm, .number = ++lookups});
    auto question = std::make_unique<Question>(Question{lookup, std::move(files), window});
    // A thread of the process's pool: none is made per question once the pool has one to spare.
    if (::TrySubmitThreadpoolCallback(&Ask, question.get(), nullptr))
        question.release();
    else
        Ask(nullptr, question.release());  // the system has no thread to spare: asked here
    return lookup;
}

}  // namespace shortex::main_window
