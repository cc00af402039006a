#include "dropped_paths.h"

#include "common/com.h"

#include <shlobj.h>

#include <cstring>
#include <optional>

namespace shortex {
namespace {

// A copy of the data in one format, when it comes as global memory.
std::optional<std::string> GlobalData(IDataObject& data, CLIPFORMAT format) {
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data.GetData(&wanted, &medium))) return std::nullopt;
    std::optional<std::string> bytes;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        if (const auto* start = static_cast<const char*>(::GlobalLock(medium.hGlobal))) {
            bytes.emplace(start, ::GlobalSize(medium.hGlobal));
            ::GlobalUnlock(medium.hGlobal);
        }
    }
    ::ReleaseStgMedium(&medium);
    return bytes;
}

// The UTF-16 text of the bytes; an odd last byte is dropped.
std::wstring WideText(std::string_view bytes) {
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    return text;
}

// The files of a DROPFILES block: wide names, or names in the ANSI code page, each ended by a NUL,
// the list by an empty name (or by the end of the data).
std::vector<std::wstring> DroppedFiles(const std::string& block) {
    DROPFILES header{};
    if (block.size() < sizeof header) return {};
    std::memcpy(&header, block.data(), sizeof header);
    if (header.pFiles < sizeof header || header.pFiles >= block.size()) return {};
    const std::string_view list = std::string_view(block).substr(header.pFiles);
    std::wstring names = header.fWide ? WideText(list) : std::wstring(list.size(), L'\0');
    if (!header.fWide)
        names.resize(static_cast<std::size_t>(::MultiByteToWideChar(
            CP_ACP, 0, list.data(), static_cast<int>(list.size()), names.data(), static_cast<int>(names.size()))));
    std::vector<std::wstring> paths;
    for (std::size_t at = 0, end; at < names.size() && names[at] != L'\0'; at = end + 1) {
        end = std::min(names.find(L'\0', at), names.size());
        paths.push_back(names.substr(at, end - at));
    }
    return paths;
}

bool Offers(IDataObject& data, CLIPFORMAT format) {
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return data.QueryGetData(&wanted) == S_OK;
}

CLIPFORMAT ItemList() { return static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(CFSTR_SHELLIDLIST)); }

// The paths of the shell's item list, in its order; none when the data offers no list. An item
// outside the file system (a control panel, an entry of a zip folder) comes as its parsing name,
// which names no file, so that it is reported as having no short form instead of left out.
std::vector<std::wstring> ItemListPaths(IDataObject& data) {
    ComPtr<IShellItemArray> items;
    DWORD count = 0;
    if (!Offers(data, ItemList()) ||
        FAILED(::SHCreateShellItemArrayFromDataObject(&data, IID_IShellItemArray, items.put_void())) ||
        FAILED(items->GetCount(&count)))
        return {};
    std::vector<std::wstring> paths;
    for (DWORD i = 0; i < count; ++i) {
        ComPtr<IShellItem> item;
        wchar_t* name = nullptr;
        if (FAILED(items->GetItemAt(i, item.put())) ||
            (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &name)) &&
             FAILED(item->GetDisplayName(SIGDN_DESKTOPABSOLUTEPARSING, &name))))
            return {};
        paths.push_back(TakeComText(name));
    }
    return paths;
}

}  // namespace

std::vector<std::wstring> PathsIn(IDataObject& data) {
    // Explorer's CF_HDROP leaves out the items whose paths are longer than MAX_PATH; its item list
    // holds them all.
    if (auto paths = ItemListPaths(data); !paths.empty()) return paths;
    if (const auto block = GlobalData(data, CF_HDROP)) return DroppedFiles(*block);
    std::wstring text = WideText(GlobalData(data, CF_UNICODETEXT).value_or(std::string()));
    text.resize(std::min(text.find(L'\0'), text.size()));
    while (text.ends_with(L'\n') || text.ends_with(L'\r')) text.pop_back();
    if (text.empty() || text.find_first_of(L"\r\n") != text.npos) return {};
    return {text};
}

// Only the formats are asked for here: reading the names waits for the drop.
HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    offersPath_ = Offers(*data, ItemList()) || Offers(*data, CF_HDROP) || Offers(*data, CF_UNICODETEXT);
    return DragOver(0, {}, effect);
}

}  // namespace shortex
