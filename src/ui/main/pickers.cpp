#include "pickers.h"

#include "common/com.h"
#include "pathnames/path_names.h"
#include "ui/window.h"

#include <shobjidl.h>

namespace shortex::main_window {
namespace {

Failure FailureOf(HRESULT result) {
    const DWORD code = HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result) : static_cast<DWORD>(result);
    return Failure{static_cast<std::int32_t>(result), SystemMessage(code)};
}

HRESULT CreateOpenDialog(ComPtr<IFileOpenDialog>& dialog) {
    if (!InitializeOle()) return CO_E_NOTINITIALIZED;
    return ::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                              dialog.put_void());
}

ComPtr<IShellItem> ItemFor(const std::wstring& path) {
    ComPtr<IShellItem> item;
    if (!path.empty()) ::SHCreateItemFromParsingName(path.c_str(), nullptr, IID_IShellItem, item.put_void());
    return item;
}

// Shows the dialog and answers the chosen file system path.
Choice Run(IFileOpenDialog& dialog, HWND owner, FILEOPENDIALOGOPTIONS options) {
    FILEOPENDIALOGOPTIONS current = 0;
    dialog.GetOptions(&current);
    dialog.SetOptions(current | options | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | FOS_NOCHANGEDIR);
    const HRESULT shown = dialog.Show(owner);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return {};
    ComPtr<IShellItem> result;
    wchar_t* path = nullptr;
    HRESULT status = FAILED(shown) ? shown : dialog.GetResult(result.put());
    if (SUCCEEDED(status)) status = result->GetDisplayName(SIGDN_FILESYSPATH, &path);
    if (FAILED(status)) return {FailureOf(status), std::nullopt};
    return {std::nullopt, TakeComText(path)};
}

}  // namespace

Choice SystemPickers::ChooseFile(HWND owner, const std::wstring& start) {
    ComPtr<IFileOpenDialog> dialog;
    if (const HRESULT created = CreateOpenDialog(dialog); FAILED(created)) return {FailureOf(created), std::nullopt};
    const COMDLG_FILTERSPEC anyFile{L"All Files (*.*)", L"*.*"};
    dialog->SetFileTypes(1, &anyFile);

    // Opens in the start folder, or in the start file's folder with its name filled in.
    SFGAOF attributes = 0;
    if (const auto item = ItemFor(start);
        item && SUCCEEDED(item->GetAttributes(SFGAO_FOLDER, &attributes)) && (attributes & SFGAO_FOLDER)) {
        dialog->SetFolder(item.get());
    } else if (const std::wstring folder = FolderPart(start); folder != start) {
        if (const auto parent = ItemFor(folder)) dialog->SetFolder(parent.get());
        dialog->SetFileName(start.substr(folder.size()).c_str());
    }
    return Run(*dialog.get(), owner, FOS_FILEMUSTEXIST);
}

Choice SystemPickers::ChooseFolder(HWND owner, const std::wstring& title, const std::wstring& label,
                                   const std::wstring& startFolder) {
    ComPtr<IFileOpenDialog> dialog;
    if (const HRESULT created = CreateOpenDialog(dialog); FAILED(created))
        return {
            Failure{kCannotCreateObject, L"The folder chooser cannot be created. " + FailureOf(created).description},
            std::nullopt};
    dialog->SetTitle(title.c_str());
    dialog->SetFileNameLabel(label.c_str());
    if (const auto item = ItemFor(startFolder)) dialog->SetFolder(item.get());
    return Run(*dialog.get(), owner, FOS_PICKFOLDERS);
}

}  // namespace shortex::main_window
