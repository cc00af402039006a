// The one way the program shows a message box, so that tests can answer boxes instead of a person.
#pragma once

#include <cstdint>
#include <string>

namespace shortex {

// Styles, as MessageBoxW takes them.
namespace box_style {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kIconExclamation = 0x30;
inline constexpr unsigned kIconInformation = 0x40;
}  // namespace box_style

struct MessageBoxRequest {
    std::wstring text;
    std::wstring title;
    unsigned style = box_style::kOk;
    std::wstring helpFile;         // the failure's help file, possibly empty
    std::uint32_t helpContext = 0;  // the topic in it
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally over the program's active window (or on its own when there is none)
    // and returns when it is dismissed.
    virtual void Show(const MessageBoxRequest& request) = 0;

protected:
    MessageBoxes() = default;
    MessageBoxes(const MessageBoxes&) = default;
    MessageBoxes& operator=(const MessageBoxes&) = default;
};

}  // namespace shortex
