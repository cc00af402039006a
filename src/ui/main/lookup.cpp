#include "lookup.h"

#include "main_layout.h"
#include "pathnames/environment_value.h"

#include <atomic>

namespace shortex::main_window {
namespace {

// What a pool thread needs to ask, owned by it until it has asked.
struct Question {
    std::shared_ptr<Lookup> lookup;
    std::shared_ptr<FileSystem> files;
    HWND window;
    std::optional<MakeShortRun> giving;
};

}  // namespace

void CALLBACK Lookup::Ask(PTP_CALLBACK_INSTANCE, void* context) {
    const std::unique_ptr<Question> question(static_cast<Question*>(context));
    Lookup& asked = *question->lookup;
    FileSystem& files = *question->files;
    Answer& answer = asked.answer_;
    if (question->giving) answer.given = question->giving->Finish();
    const std::wstring expanded = ExpandedReferences(asked.path);  // %NAME% as this machine expands it
    if (asked.check != Check::None)
        answer.exists =
            DirExists(files, expanded) || (asked.check == Check::FileOrFolder && FileExists(files, expanded));
    // A text with ";" that names nothing is a list, as a PATH is: each entry is answered in turn.
    const std::wstring trimmed(Trim(expanded));
    const bool list = trimmed.find(L';') != std::wstring::npos && !files.Attributes(trimmed);
    const std::vector<std::wstring> paths = list ? ListEntries(trimmed) : std::vector{trimmed};
    if (answer.exists && asked.longForm) answer.text = PastingForm{asked.form}({LongPath(files, trimmed)});
    for (std::size_t i = 0; answer.exists && !asked.longForm && i < paths.size(); ++i) {
        const std::wstring shortForm = ShortPath(files, paths[i]);
        if (!answer.note.noShortName) answer.note = NoteOnShortForm(files, paths[i], shortForm);
        const std::wstring shown = list && shortForm.empty() ? paths[i] : shortForm;
        answer.text += (i > 0 ? L";" : L"") + (list ? shown : PastingForm{asked.form}({shown}));
    }
    if (answer.note.noShortName) answer.names = NamesToGive(files, paths);
    answer.paths = paths;
    ::SetEvent(asked.done_.get());
    ::PostMessageW(question->window, kLookupAnswered, static_cast<WPARAM>(asked.number), 0);
}

std::shared_ptr<Lookup> Lookup::Start(std::shared_ptr<FileSystem> files, HWND window, std::wstring path, Check check,
                                      bool longForm, const CopyForm& form, std::optional<MakeShortRun> giving) {
    static std::atomic<unsigned long long> lookups = 0;
    const std::shared_ptr<Lookup> lookup(new Lookup(std::move(path), check, longForm, form, ++lookups));
    auto question = std::make_unique<Question>(Question{lookup, std::move(files), window, std::move(giving)});
    // A thread of the process's pool: none is made per question once the pool has one to spare.
    if (::TrySubmitThreadpoolCallback(&Ask, question.get(), nullptr))
        question.release();
    else
        Ask(nullptr, question.release());  // the system has no thread to spare: asked here
    return lookup;
}

}  // namespace shortex::main_window
