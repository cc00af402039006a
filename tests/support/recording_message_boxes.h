// Message boxes that are recorded instead of shown.
#pragma once

#include "common/message_box.h"

#include <vector>

namespace shortex::testing {

class RecordingMessageBoxes final : public MessageBoxes {
public:
    void Show(const MessageBoxRequest& request) override { shown.push_back(request); }

    std::vector<MessageBoxRequest> shown;
};

}  // namespace shortex::testing
