// The host's command line log and acutPrintf.
#include "platform/host/CommandLine.h"

#include <cstdarg>

#include "platform/host/WideFormat.h"

int acutPrintf(const wchar_t* format, ...) {
    if (!format)
        return 0;
    va_list args;
    va_start(args, format);
    const std::wstring text = host::formatWide(format, args);
    va_end(args);
    host::commandLine().append(text);
    return static_cast<int>(text.size());
}

namespace host {

void CommandLine::append(const std::wstring& text) {
    if (text.empty())
        return;
    text_ += text;
    if (echo_)
        echo_(text);
}

std::vector<Tvx_String> CommandLine::lines() const {
    std::vector<Tvx_String> result;
    size_t start = 0;
    while (start < text_.size()) {
        const size_t end = text_.find(L'\n', start);
        if (end == std::wstring::npos) {
            result.emplace_back(text_.substr(start));
            break;
        }
        result.emplace_back(text_.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

CommandLine& commandLine() {
    static CommandLine line;
    return line;
}

}  // namespace host
