// A question for the file system, asked on a thread of the process's pool so that a volume slow
// to answer (an offline share, a sleeping drive) cannot freeze the window.
#pragma once

#include "common/unique_handle.h"
#include "pathnames/path_forms.h"
#include "ui/make_short.h"

#include <memory>
#include <optional>
#include <string>

namespace shortex::main_window {

// Posted to the window when a lookup has its answer; wParam is the lookup's number.
inline constexpr UINT kLookupAnswered = WM_APP + 1;

// What is checked before the path's short or long form is asked.
enum class Check { None, FileOrFolder, Folder };

struct Answer {
    bool exists = true;
    std::wstring text;                // the short or long form, written in the copy form; empty when there is none
    ShortFormNote note;               // what to say of the short form's names
    std::vector<GivenName> names;     // with a component that has no short name: what giving them would do
    std::vector<std::wstring> paths;  // the paths asked, references expanded: a list's entries, or one
    std::optional<NamesGiven> given;  // after names were given: how the run that gave them ended
};

class Lookup {
public:
    // Asks on a pool thread, which shares the file system and the lookup with its caller; after
    // the run that gives short names has ended, when there is one.
    static std::shared_ptr<Lookup> Start(std::shared_ptr<FileSystem> files, HWND window, std::wstring path, Check check,
                                         bool longForm, const CopyForm& form, std::optional<MakeShortRun> giving);
    // The answer, when it comes within that wait.
    std::optional<Answer> Answered(DWORD milliseconds) const {
        if (::WaitForSingleObject(done_.get(), milliseconds) != WAIT_OBJECT_0) return std::nullopt;
        return answer_;
    }

    const std::wstring path;  // as the path box gives it
    const Check check;
    const bool longForm;
    const CopyForm form;  // a network drive's UNC path is asked here too: a server may sleep
    const unsigned long long number;

private:
    Lookup(std::wstring path, Check check, bool longForm, const CopyForm& form, unsigned long long number)
        : path(std::move(path)), check(check), longForm(longForm), form(form), number(number) {}
    static void CALLBACK Ask(PTP_CALLBACK_INSTANCE, void* context);

    Answer answer_;  // the pool thread's until done_ is set
    UniqueKernelHandle done_{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

}  // namespace shortex::main_window
