// The main window's logic over fakes: a view that records, an in-memory volume and registry, and
// boxes, clipboard and program end that are recorded instead of done.
#pragma once

#include "pathnames/memory_volume.h"
#include "settings/memory_registry.h"
#include "support/recording_exit.h"
#include "support/recording_message_boxes.h"
#include "ui/main/main_form.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <optional>

namespace shortex::main_window {

struct FakeView final : MainView {
    std::map<Control, std::wstring> texts, tooltips;
    std::optional<Control> focused;
    int unloads = 0;
    int otherWindowsUnloaded = 0;
    bool minimized = false;
    PointTwips position{};
    DisplayGeometry displays{5805, 2400, 450, 28800, 16200, {{0, 0, 28800, 15600}}};

    std::wstring Text(Control control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? L"" : found->second;
    }
    void SetText(Control control, const std::wstring& text) override { texts[control] = text; }
    void SetTooltip(Control control, const std::wstring& text) override { tooltips[control] = text; }
    void SetFocus(Control control) override { focused = control; }
    void Unload() override { ++unloads; }
    void UnloadOtherWindows() override { ++otherWindowsUnloaded; }
    PointTwips Position() const override { return position; }
    void MoveTo(PointTwips to) override { position = to; }
    DisplayGeometry Displays() const override { return displays; }
    bool IsMinimized() const override { return minimized; }
};

struct FakeClipboard final : Clipboard {
    std::vector<std::wstring> puts;
    void PutText(const std::wstring& text) override { puts.push_back(text); }
};

// A file dialog answered by the test: the next answer, or a failure at a given step.
struct FakeFileDialog final : FileDialog {
    std::wstring filter, start;
    int shows = 0;
    bool dismiss = true;
    std::wstring answer;
    std::optional<Failure> failOnShow;
    void SetFilter(const std::wstring& text) override { filter = text; }
    void SetStartLocation(const std::wstring& path) override { start = path; }
    void Show() override {
        ++shows;
        if (failOnShow) throw FailureError(*failOnShow);
    }
    bool Dismissed() const override { return dismiss; }
    std::wstring ChosenPath() const override { return answer; }
};

struct FakeFolderChoosers final : FolderChooserFactory {
    struct Record {
        std::wstring title, instruction, start;
        int shows = 0;
        bool released = false;
    };
    std::vector<Record> made;
    std::optional<Failure> failToCreate, failOnShow;
    bool choose = true;
    std::wstring answer;

    struct Chooser final : FolderChooser {
        FakeFolderChoosers& owner;
        std::size_t index;
        Chooser(FakeFolderChoosers& o, std::size_t i) : owner(o), index(i) {}
        ~Chooser() override { owner.made[index].released = true; }
        void SetTexts(const std::wstring& t, const std::wstring& i) override {
            owner.made[index].title = t;
            owner.made[index].instruction = i;
        }
        void SetStartFolder(const std::wstring& folder) override { owner.made[index].start = folder; }
        bool Show() override {
            ++owner.made[index].shows;
            if (owner.failOnShow) throw FailureError(*owner.failOnShow);
            return owner.choose;
        }
        std::wstring ChosenFolder() const override { return owner.answer; }
    };
    std::unique_ptr<FolderChooser> Create() override {
        if (failToCreate) throw FailureError(*failToCreate);
        made.push_back({});
        return std::make_unique<Chooser>(*this, made.size() - 1);
    }
};

inline std::wstring AsciiLower(const std::wstring& text) {
    std::wstring lower = text;
    for (auto& c : lower)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return lower;
}

inline const std::wstring kKey = L"Software\\Tandril\\Shortex";

class MainFormFixture : public ::testing::Test {
protected:
    MainFormFixture() { volume.AddFolder(L"C:\\Program Files", L"PROGRA~1").AddFolder(L"C:\\Windows"); }

    // The form as the program makes it, with this command line's argument text.
    MainForm& Form(const std::wstring& commandLine = L"", const std::wstring& decimalSeparator = L".") {
        form_ = std::make_unique<MainForm>(
            view, MainServices{volume, clipboard, registry, boxes, exit, commandLine, decimalSeparator, fileDialog,
                               folderChoosers, AsciiLower, [this] { ++aboutBoxes; }});
        return *form_;
    }

    void Store(const std::wstring& name, const std::wstring& text) {
        registryStore.AddKey(registry::RootKey::kCurrentUser, kKey);
        registryStore.SetValue(registry::RootKey::kCurrentUser, kKey, name, testing::StringValue(text));
    }
    std::optional<std::wstring> Stored(const std::wstring& name) const {
        const auto value = registryStore.GetValue(registry::RootKey::kCurrentUser, kKey, name);
        if (!value || value->type != registry::value_type::kString) return std::nullopt;
        std::wstring text(value->data.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), value->data.data(), text.size() * sizeof(wchar_t));
        return text.substr(0, text.find(L'\0'));
    }

    testing::MemoryVolume volume;
    testing::MemoryRegistry registryStore;
    testing::RecordingMessageBoxes boxes;
    testing::RecordingExit exit;
    registry::Registry registry{registryStore, boxes};
    FakeView view;
    FakeClipboard clipboard;
    FakeFileDialog fileDialog;
    FakeFolderChoosers folderChoosers;
    int aboutBoxes = 0;

private:
    std::unique_ptr<MainForm> form_;
};

}  // namespace shortex::main_window
