// The system's file dialog and folder picker (IFileOpenDialog); the classic GetOpenFileNameW
// where the former is missing.
#pragma once

#include "file_filter.h"
#include "pickers.h"

#include <windows.h>

namespace shortex::main_window {

class WindowsFileDialog final : public FileDialog {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void SetFilter(const std::wstring& filter) override { filter_ = ParseFilter(filter); }
    void SetStartLocation(const std::wstring& path) override { start_ = path; }
    void Show() override;
    bool Dismissed() const override { return dismissed_; }
    std::wstring ChosenPath() const override { return chosen_; }

private:
    void ShowClassic();

    HWND owner_ = nullptr;
    std::vector<FilterEntry> filter_;
    std::wstring start_;
    bool dismissed_ = true;
    std::wstring chosen_;
};

class WindowsFolderChoosers final : public FolderChooserFactory {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    std::unique_ptr<FolderChooser> Create() override;

private:
    HWND owner_ = nullptr;
};

// The failure that an HRESULT stands for: its number and the system's description.
Failure FailureFromResult(HRESULT result);

}  // namespace shortex::main_window
