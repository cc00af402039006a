// A question for the file system, asked on a thread of the process's pool so that a volume slow
// to answer (an offline share, a sleeping drive) cannot freeze the window.
#pragma once

#include "common/unique_handle.h"
#include "pathnames/path_names.h"

#include <memory>
#include <string>

namespace shortex::main_window {

// Posted to the window when a lookup has its answer; wParam is the lookup's number.
inline constexpr UINT kLookupAnswered = WM_APP + 1;

// What is checked before the path's short or long form is asked.
enum class Check { None, FileOrFolder, Folder };

struct Lookup {
    // Asks on a pool thread, which shares the file system and the lookup with its caller.
    static std::shared_ptr<Lookup> Start(std::shared_ptr<FileSystem> files, HWND window, std::wstring path, Check check,
                                         bool longForm);
    // True when the answer is there, within that wait; only then may the fields below be read.
    bool Answered(DWORD milliseconds) const { return ::WaitForSingleObject(done.get(), milliseconds) == WAIT_OBJECT_0; }

    std::wstring path;  // as the path box gives it
    Check check = Check::None;
    bool longForm = false;
    unsigned long long number = 0;
    bool exists = true;
    std::wstring answer{};
    ShortFormNote note{};  // what to say of the short form's names
    UniqueKernelHandle done{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

}  // namespace shortex::main_window
