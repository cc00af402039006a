// Message boxes shown with MessageBoxIndirectW.
#pragma once

#include "common/message_box.h"

namespace shortex {

class WindowsMessageBoxes final : public MessageBoxes {
public:
    void Show(const MessageBoxRequest& request) override;
};

}  // namespace shortex
