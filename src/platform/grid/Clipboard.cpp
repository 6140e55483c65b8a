// The process-wide clipboard text.
#include "platform/grid/Clipboard.h"

namespace grid {
namespace {

std::wstring& storedText() {
    static std::wstring text;
    return text;
}

}  // namespace

void setClipboardText(std::wstring text) {
    storedText() = std::move(text);
}

const std::wstring& clipboardText() {
    return storedText();
}

}  // namespace grid
