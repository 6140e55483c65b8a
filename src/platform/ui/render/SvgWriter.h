// A small writer of SVG (XML) text: nested elements with attributes, text
// content escaped, numbers without locale.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/ui/WinTypes.h"

class SvgWriter {
  public:
    using Attributes = std::vector<std::pair<std::string, std::string>>;

    // Opens an element; close() ends the most recent open one.
    void open(const std::string& tag, const Attributes& attributes = {});
    void close();
    // An element without content, or with text content.
    void element(const std::string& tag, const Attributes& attributes);
    void element(const std::string& tag, const Attributes& attributes, const Tvx_String& text);

    // The text so far, with every element still open closed.
    std::string finish();

    // "#rrggbb" of a colour.
    static std::string colour(COLORREF colour);
    // Attribute-safe text (quotes, angle brackets and ampersands escaped;
    // control characters other than tab and line breaks dropped).
    static std::string escape(const std::string& utf8);

  private:
    void indent();
    std::string text_;
    std::vector<std::string> open_;
};
