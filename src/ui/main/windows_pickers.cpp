#include "windows_pickers.h"

#include "common/system_function.h"
#include "common/system_message.h"
#include "pathnames/path_names.h"
#include "ui/com.h"

#include <commdlg.h>
#include <shobjidl.h>

namespace shortex::main_window {
namespace {

const HRESULT kCancelled = HRESULT_FROM_WIN32(ERROR_CANCELLED);

void ThrowIfFailed(HRESULT result) {
    if (FAILED(result)) throw FailureError(FailureFromResult(result));
}

com::Ptr<IShellItem> ItemFor(const std::wstring& path) {
    com::Ptr<IShellItem> item;
    if (!path.empty()) com::ItemFromParsingName(path.c_str(), IID_IShellItem, item.put());
    return item;
}

bool IsFolder(IShellItem* item) {
    SFGAOF attributes = 0;
    return SUCCEEDED(item->GetAttributes(SFGAO_FOLDER, &attributes)) && (attributes & SFGAO_FOLDER);
}

// Opens the dialog in the folder, or in the folder of the file with the file's name filled in.
void StartAt(IFileDialog& dialog, const std::wstring& location) {
    if (const auto item = ItemFor(location); item && IsFolder(item.get())) {
        dialog.SetFolder(item.get());
        return;
    }
    const std::wstring folder = GetPath(location);
    if (folder == location) return;
    if (const auto parent = ItemFor(folder)) dialog.SetFolder(parent.get());
    dialog.SetFileName(location.substr(folder.size()).c_str());
}

// Shows the dialog; the chosen file system path, or nothing when the user closed it without one.
std::optional<std::wstring> RunDialog(IFileDialog& dialog, HWND owner) {
    const HRESULT shown = dialog.Show(owner);
    if (shown == kCancelled) return std::nullopt;
    ThrowIfFailed(shown);
    com::Ptr<IShellItem> result;
    ThrowIfFailed(dialog.GetResult(result.put_typed()));
    wchar_t* path = nullptr;
    ThrowIfFailed(result->GetDisplayName(SIGDN_FILESYSPATH, &path));
    std::wstring chosen = path;
    com::TaskMemFree(path);
    return chosen;
}

class WindowsFolderChooser final : public FolderChooser {
public:
    WindowsFolderChooser(com::Ptr<IFileOpenDialog> dialog, HWND owner) : dialog_(std::move(dialog)), owner_(owner) {
        FILEOPENDIALOGOPTIONS options = 0;
        dialog_->GetOptions(&options);
        dialog_->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | FOS_NOCHANGEDIR);
    }
    void SetTexts(const std::wstring& title, const std::wstring& instruction) override {
        dialog_->SetTitle(title.c_str());
        dialog_->SetFileNameLabel(instruction.c_str());
    }
    void SetStartFolder(const std::wstring& folder) override {
        if (const auto item = ItemFor(folder)) dialog_->SetFolder(item.get());
    }
    bool Show() override {
        const auto chosen = RunDialog(*dialog_.get(), owner_);
        chosen_ = chosen.value_or(L"");
        return chosen.has_value();
    }
    std::wstring ChosenFolder() const override { return chosen_; }

private:
    com::Ptr<IFileOpenDialog> dialog_;
    HWND owner_;
    std::wstring chosen_;
};

}  // namespace

Failure FailureFromResult(HRESULT result) {
    const DWORD code = HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result) : static_cast<DWORD>(result);
    return Failure{static_cast<std::int32_t>(result), SystemMessage(code), L"", 0};
}

void WindowsFileDialog::Show() {
    dismissed_ = true;
    chosen_.clear();
    com::Ptr<IFileOpenDialog> dialog;
    if (FAILED(com::CreateInstance(CLSID_FileOpenDialog, IID_IFileOpenDialog, dialog.put()))) {
        ShowClassic();
        return;
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    ThrowIfFailed(dialog->SetOptions(options | FOS_FORCEFILESYSTEM | FOS_FILEMUSTEXIST | FOS_PATHMUSTEXIST |
                                     FOS_NOCHANGEDIR));
    std::vector<COMDLG_FILTERSPEC> specs;
    for (const auto& [description, pattern] : filter_) specs.push_back({description.c_str(), pattern.c_str()});
    if (!specs.empty()) ThrowIfFailed(dialog->SetFileTypes(static_cast<UINT>(specs.size()), specs.data()));
    StartAt(*dialog.get(), start_);
    if (auto chosen = RunDialog(*dialog.get(), owner_)) {
        chosen_ = std::move(*chosen);
        dismissed_ = false;
    }
}

void WindowsFileDialog::ShowClassic() {
    using Function = BOOL(WINAPI*)(LPOPENFILENAMEW);
    using ErrorFunction = DWORD(WINAPI*)();
    const auto open = BindSystemFunction<Function>(L"comdlg32.dll", "GetOpenFileNameW");
    const auto lastError = BindSystemFunction<ErrorFunction>(L"comdlg32.dll", "CommDlgExtendedError");
    if (!open || !lastError) throw FailureError(Failure{kCannotCreateObject, L"No file dialog is available.", L"", 0});

    std::wstring filter;  // pairs, each part ended by a NUL, the whole by another
    for (const auto& [description, pattern] : filter_) filter += description + L'\0' + pattern + L'\0';
    filter += L'\0';
    std::wstring folder = start_, file;
    const DWORD attributes = ::GetFileAttributesW(start_.c_str());
    const bool startIsFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!start_.empty() && !startIsFolder) {
        folder = GetPath(start_);
        file = start_.substr(folder.size());
    }
    std::wstring buffer(32768, L'\0');
    file.copy(buffer.data(), std::min(file.size(), buffer.size() - 1));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   OFN_LONGNAMES | OFN_ENABLESIZING;
    if (!open(&dialog)) {
        if (const DWORD error = lastError())
            throw FailureError(Failure{static_cast<std::int32_t>(error), L"The file dialog failed.", L"", 0});
        return;
    }
    chosen_ = buffer.c_str();
    dismissed_ = false;
}

std::unique_ptr<FolderChooser> WindowsFolderChoosers::Create() {
    com::Ptr<IFileOpenDialog> dialog;
    const HRESULT created = com::CreateInstance(CLSID_FileOpenDialog, IID_IFileOpenDialog, dialog.put());
    if (FAILED(created)) {
        Failure failure = FailureFromResult(created);
        failure.number = kCannotCreateObject;
        failure.description = L"The folder chooser cannot be created. " + failure.description;
        throw FailureError(failure);
    }
    return std::make_unique<WindowsFolderChooser>(std::move(dialog), owner_);
}

}  // namespace shortex::main_window
