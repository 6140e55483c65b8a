// Writing SVG text.
#include "platform/ui/render/SvgWriter.h"

#include <cstdio>

namespace {

std::string attributeText(const SvgWriter::Attributes& attributes) {
    std::string out;
    for (const auto& [name, value] : attributes)
        out += " " + name + "=\"" + SvgWriter::escape(value) + "\"";
    return out;
}

}  // namespace

void SvgWriter::indent() {
    text_.append(open_.size() * 2, ' ');
}

void SvgWriter::open(const std::string& tag, const Attributes& attributes) {
    indent();
    text_ += "<" + tag + attributeText(attributes) + ">\n";
    open_.push_back(tag);
}

void SvgWriter::close() {
    if (open_.empty())
        return;
    const std::string tag = open_.back();
    open_.pop_back();
    indent();
    text_ += "</" + tag + ">\n";
}

void SvgWriter::element(const std::string& tag, const Attributes& attributes) {
    indent();
    text_ += "<" + tag + attributeText(attributes) + "/>\n";
}

void SvgWriter::element(const std::string& tag, const Attributes& attributes,
                        const Tvx_String& text) {
    indent();
    text_ +=
        "<" + tag + attributeText(attributes) + ">" + escape(text.toUtf8()) + "</" + tag + ">\n";
}

std::string SvgWriter::finish() {
    while (!open_.empty())
        close();
    return text_;
}

std::string SvgWriter::colour(COLORREF c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return buffer;
}

std::string SvgWriter::escape(const std::string& utf8) {
    std::string out;
    for (const char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                    break;
                out += c;
        }
    }
    return out;
}
