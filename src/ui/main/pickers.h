// The file dialog and the folder chooser as the main window uses them. Their calls may fail with
// a Failure (thrown as FailureError), which the handlers report.
#pragma once

#include "common/failure.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace shortex::main_window {

class FailureError : public std::runtime_error {
public:
    explicit FailureError(Failure failure) : std::runtime_error("failure"), failure_(std::move(failure)) {}
    const Failure& failure() const { return failure_; }

private:
    Failure failure_;
};

// An object of a component cannot be created.
inline constexpr std::int32_t kCannotCreateObject = 429;

// Choosing one file. One instance lives as long as the main window; the filter and the start
// location are set anew before every showing.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // "Description|pattern|Description|pattern..."
    virtual void SetFilter(const std::wstring& filter) = 0;
    // A folder, or a file whose folder the dialog opens in; empty for the dialog's own choice.
    virtual void SetStartLocation(const std::wstring& path) = 0;
    // Modal; returns when the user closes the dialog. Closing it without a choice is no failure.
    virtual void Show() = 0;
    virtual bool Dismissed() const = 0;
    // The chosen file's full path; the same text at every reading.
    virtual std::wstring ChosenPath() const = 0;

protected:
    FileDialog() = default;
    FileDialog(const FileDialog&) = default;
    FileDialog& operator=(const FileDialog&) = default;
};

// Choosing one folder: made anew for every choice and released after it.
class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    virtual void SetTexts(const std::wstring& title, const std::wstring& instruction) = 0;
    virtual void SetStartFolder(const std::wstring& folder) = 0;
    // Modal; true when a folder was chosen, false when the chooser was closed without a choice.
    virtual bool Show() = 0;
    virtual std::wstring ChosenFolder() const = 0;

protected:
    FolderChooser() = default;
    FolderChooser(const FolderChooser&) = default;
    FolderChooser& operator=(const FolderChooser&) = default;
};

class FolderChooserFactory {
public:
    virtual ~FolderChooserFactory() = default;
    // Throws FailureError (kCannotCreateObject) when no chooser can be made.
    virtual std::unique_ptr<FolderChooser> Create() = 0;

protected:
    FolderChooserFactory() = default;
    FolderChooserFactory(const FolderChooserFactory&) = default;
    FolderChooserFactory& operator=(const FolderChooserFactory&) = default;
};

}  // namespace shortex::main_window
