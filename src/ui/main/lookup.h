// A question for the file system, asked on a thread of its own so that a volume slow to answer
// (an offline share, a sleeping drive) cannot freeze the window.
#pragma once

#include "common/unique_handle.h"
#include "pathnames/path_names.h"

#include <memory>
#include <string>

namespace shortex::main_window {

// Posted to the window when a lookup has its answer; wParam is the lookup's number.
inline constexpr UINT kLookupAnswered = WM_APP + 1;

struct Question {
    std::wstring path;         // as the path box gives it
    bool checkExists = false;  // first: does it name a file or a folder?
    bool longForm = false;     // the long form instead of the short one
};

struct Answer {
    bool exists = true;  // false only when asked to check
    std::wstring text;
    std::wstring reason;  // why a long name in a short form has no short name; empty when none
};

class Lookup {
public:
    // Asks on a new thread, which shares the file system and this lookup with its caller, and
    // posts kLookupAnswered to the window when it has the answer.
    static std::shared_ptr<Lookup> Start(std::shared_ptr<FileSystem> files, Question question, HWND window);

    unsigned long long number() const { return number_; }
    // Waits at most that long for the answer; true when it is there.
    bool WaitForAnswer(DWORD milliseconds) const {
        return ::WaitForSingleObject(answered_.get(), milliseconds) == WAIT_OBJECT_0;
    }
    // Only once WaitForAnswer said true, or kLookupAnswered came.
    const Answer& answer() const { return answer_; }

private:
    Lookup(Question question, unsigned long long number) : question_(std::move(question)), number_(number) {}
    void Ask(FileSystem& files);

    const Question question_;
    const unsigned long long number_;
    Answer answer_;  // written by the asking thread before it sets answered_
    UniqueKernelHandle answered_{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

}  // namespace shortex::main_window
