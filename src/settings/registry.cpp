#include "registry.h"

#include "common/unique_handle.h"

#include <algorithm>
#include <vector>

namespace shortex::registry {

// Only REG_SZ is read: the program writes nothing else. The data ends at its first NUL, or at its
// end when the writer left the terminator out; an odd last byte is half a character and dropped.
// A value that another program rewrites meanwhile is read again, a few times.
std::optional<std::wstring> ReadRegValue(HKEY root, const wchar_t* subKey, const wchar_t* name) {
    UniqueHkey key;
    DWORD type = REG_NONE, bytes = 0;
    if (::RegOpenKeyExW(root, subKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS ||
        ::RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    for (int attempt = 0; attempt < 8 && type == REG_SZ; ++attempt) {
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        const auto capacity = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        bytes = capacity;
        const LSTATUS status =
            ::RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes);
        if (status == ERROR_SUCCESS && type == REG_SZ) {
            const auto end = buffer.begin() + std::min(bytes, capacity) / sizeof(wchar_t);
            return std::wstring(buffer.begin(), std::find(buffer.begin(), end, L'\0'));
        }
        if (status != ERROR_MORE_DATA || capacity > MAXDWORD / 2) break;  // doubled, it would not fit a DWORD
        if (bytes <= capacity) bytes = capacity * 2;                      // some sources answer no size at all
    }
    return std::nullopt;
}

LSTATUS WriteRegValue(HKEY root, const wchar_t* subKey, const wchar_t* name, const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);  // with the terminating NUL
    if (bytes > MAXDWORD) return ERROR_INVALID_PARAMETER;
    UniqueHkey key;
    LSTATUS status = ::RegOpenKeyExW(root, subKey, 0, KEY_SET_VALUE, key.put());
    if (status == ERROR_SUCCESS)
        status = ::RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                  static_cast<DWORD>(bytes));
    return status;
}

LSTATUS CreateRegKey(HKEY root, const wchar_t* subKey) {
    UniqueHkey key;  // closed as soon as it is made
    return ::RegCreateKeyExW(root, subKey, 0, nullptr, 0, KEY_READ, nullptr, key.put(), nullptr);
}

namespace {

constexpr std::wstring_view kTruthWords[] = {L"False", L"True"};

template <typename Choice>
Choice ReadChoice(const wchar_t* name, std::span<const std::wstring_view> words) {
    const std::optional<std::wstring> text = ReadRegValue(HKEY_CURRENT_USER, kSettingsKey, name);
    return static_cast<Choice>(text ? WordPosition(words, *text).value_or(0) : 0);
}

void WriteChoice(const wchar_t* name, std::span<const std::wstring_view> words, int choice) {
    WriteRegValue(HKEY_CURRENT_USER, kSettingsKey, name, std::wstring(words[static_cast<std::size_t>(choice)]));
}

}  // namespace

CopyForm ReadCopyForm() {
    return {ReadChoice<PathForm>(L"CopyForm", kFormWords), ReadChoice<Quotes>(L"CopyQuotes", kQuoteWords),
            ReadChoice<int>(L"CopyUNC", kTruthWords) == 1, ReadChoice<Separator>(L"CopySeparator", kSeparatorWords)};
}

void WriteCopyForm(const CopyForm& form) {
    WriteChoice(L"CopyForm", kFormWords, static_cast<int>(form.form));
    WriteChoice(L"CopyQuotes", kQuoteWords, static_cast<int>(form.quotes));
    WriteChoice(L"CopyUNC", kTruthWords, form.unc ? 1 : 0);
    WriteChoice(L"CopySeparator", kSeparatorWords, static_cast<int>(form.separator));
}

}  // namespace shortex::registry
