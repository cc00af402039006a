#include "registry.h"

#include "common/unique_handle.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace shortex::registry {

// A value that another program rewrites meanwhile is read again, a few times.
std::optional<StoredValue> ReadStoredValue(HKEY root, const wchar_t* subKey, const wchar_t* name) {
    UniqueHkey key;
    StoredValue value;
    DWORD bytes = 0;
    if (::RegOpenKeyExW(root, subKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS ||
        ::RegQueryValueExW(key.get(), name, nullptr, &value.type, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    for (int attempt = 0; attempt < 8; ++attempt) {
        value.bytes.resize(bytes);
        const LSTATUS status = ::RegQueryValueExW(key.get(), name, nullptr, &value.type, value.bytes.data(), &bytes);
        if (status == ERROR_SUCCESS) {
            value.bytes.resize(std::min<std::size_t>(bytes, value.bytes.size()));
            return value;
        }
        if (status != ERROR_MORE_DATA || bytes > MAXDWORD / 2) break;
        bytes = std::max<DWORD>(bytes, static_cast<DWORD>(value.bytes.size()) * 2 + 2);  // some sources answer no size
    }
    return std::nullopt;
}

// The data ends at its first NUL, or at its end when the writer left the terminator out; an odd
// last byte is half a character and dropped.
std::wstring TextOf(const StoredValue& value) {
    std::wstring text(value.bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), value.bytes.data(), text.size() * sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

// Only REG_SZ is read: the program writes nothing else.
std::optional<std::wstring> ReadRegValue(HKEY root, const wchar_t* subKey, const wchar_t* name) {
    const std::optional<StoredValue> value = ReadStoredValue(root, subKey, name);
    if (!value || value->type != REG_SZ) return std::nullopt;
    return TextOf(*value);
}

LSTATUS WriteStoredValue(HKEY root, const wchar_t* subKey, const wchar_t* name, const StoredValue& value) {
    if (value.bytes.size() > MAXDWORD) return ERROR_INVALID_PARAMETER;
    UniqueHkey key;
    LSTATUS status = ::RegOpenKeyExW(root, subKey, 0, KEY_SET_VALUE, key.put());
    if (status == ERROR_SUCCESS)
        status = ::RegSetValueExW(key.get(), name, 0, value.type, value.bytes.data(),
                                  static_cast<DWORD>(value.bytes.size()));
    return status;
}

StoredValue StoredText(DWORD type, const std::wstring& text) {
    const auto* data = reinterpret_cast<const BYTE*>(text.c_str());
    return {type, {data, data + (text.size() + 1) * sizeof(wchar_t)}};  // with the terminating NUL
}

LSTATUS WriteRegValue(HKEY root, const wchar_t* subKey, const wchar_t* name, const std::wstring& text) {
    return WriteStoredValue(root, subKey, name, StoredText(REG_SZ, text));
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
