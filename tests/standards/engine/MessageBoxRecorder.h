// Records every message box shown while it lives (caption, text and icon), so
// that a test can check exactly which boxes an evaluation showed.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/MessageBox.h"

namespace standardstest {

struct ShownBox {
    std::string caption;
    std::string text;
    unsigned icon = 0;
};

class MessageBoxRecorder {
  public:
    MessageBoxRecorder()
        : token_(ui::addMessageBoxListener([this](const ui::MessageBoxPrompt& prompt, int) {
              boxes_.push_back({prompt.caption.toUtf8(), prompt.text.toUtf8(), prompt.icon});
          })) {}
    ~MessageBoxRecorder() { ui::removeMessageBoxListener(token_); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<ShownBox>& boxes() const { return boxes_; }

  private:
    std::vector<ShownBox> boxes_;
    int token_;
};

}  // namespace standardstest
