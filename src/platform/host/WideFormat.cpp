// The host's printf-style wide formatting (directives documented in the header).
#include "platform/host/WideFormat.h"

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string_view>
#include <vector>

#include "platform/core/Unicode.h"

namespace host {
namespace {

enum class Length { None, Char, Short, Long, LongLong, IntMax, Size, PtrDiff, LongDouble, Int64 };

struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    Length length = Length::None;
    bool leftJustify = false;
};

bool isFlag(wchar_t c) {
    return c == L'-' || c == L'+' || c == L' ' || c == L'#' || c == L'0';
}

// Reads a run of decimal digits at format[i]; -1 when there is none.
int readNumber(const wchar_t* format, size_t& i) {
    if (format[i] < L'0' || format[i] > L'9')
        return -1;
    long value = 0;
    while (format[i] >= L'0' && format[i] <= L'9') {
        if (value < 100000)
            value = value * 10 + (format[i] - L'0');
        ++i;
    }
    return static_cast<int>(value);
}

Length readLength(const wchar_t* format, size_t& i) {
    const std::wstring_view rest(format + i);
    auto take = [&](std::wstring_view prefix) {
        if (!rest.starts_with(prefix))
            return false;
        i += prefix.size();
        return true;
    };
    if (take(L"hh"))
        return Length::Char;
    if (take(L"h"))
        return Length::Short;
    if (take(L"ll"))
        return Length::LongLong;
    if (take(L"l"))
        return Length::Long;
    if (take(L"I64"))
        return Length::Int64;
    if (take(L"j"))
        return Length::IntMax;
    if (take(L"z"))
        return Length::Size;
    if (take(L"t"))
        return Length::PtrDiff;
    if (take(L"L"))
        return Length::LongDouble;
    return Length::None;
}

// The narrow printf directive of a numeric conversion.
std::string narrowDirective(const Directive& d, const char* lengthText, char conversion) {
    std::string pattern = "%" + d.flags;
    if (d.leftJustify && d.flags.find('-') == std::string::npos)
        pattern += '-';
    if (d.width >= 0)
        pattern += std::to_string(d.width);
    if (d.precision >= 0)
        pattern += "." + std::to_string(d.precision);
    pattern += lengthText;
    pattern += conversion;
    return pattern;
}

template <typename T>
std::wstring printNumber(const std::string& pattern, T value) {
    std::vector<char> buffer(64);
    for (;;) {
        const int n = std::snprintf(buffer.data(), buffer.size(), pattern.c_str(), value);
        if (n < 0)
            return {};
        if (static_cast<size_t>(n) < buffer.size()) {
            return std::wstring(buffer.data(), buffer.data() + n);
        }
        buffer.resize(static_cast<size_t>(n) + 1);
    }
}

// Pads text to the directive's width.
std::wstring pad(std::wstring text, const Directive& d) {
    if (d.width > 0 && text.size() < static_cast<size_t>(d.width)) {
        const std::wstring fill(static_cast<size_t>(d.width) - text.size(), L' ');
        text = d.leftJustify ? text + fill : fill + text;
    }
    return text;
}

std::wstring formatText(std::wstring text, const Directive& d) {
    if (d.precision >= 0 && text.size() > static_cast<size_t>(d.precision)) {
        text.resize(static_cast<size_t>(d.precision));
    }
    return pad(std::move(text), d);
}

std::wstring formatSigned(const Directive& d, wchar_t conversion, va_list& args) {
    const char c = static_cast<char>(conversion);
    switch (d.length) {
        case Length::Char:
            return printNumber(narrowDirective(d, "hh", c),
                               static_cast<signed char>(va_arg(args, int)));
        case Length::Short:
            return printNumber(narrowDirective(d, "h", c), static_cast<short>(va_arg(args, int)));
        case Length::Long:
            return printNumber(narrowDirective(d, "l", c), va_arg(args, long));
        case Length::LongLong:
        case Length::Int64:
            return printNumber(narrowDirective(d, "ll", c), va_arg(args, long long));
        case Length::IntMax:
            return printNumber(narrowDirective(d, "j", c), va_arg(args, intmax_t));
        case Length::Size:
        case Length::PtrDiff:
            return printNumber(narrowDirective(d, "t", c), va_arg(args, std::ptrdiff_t));
        default:
            return printNumber(narrowDirective(d, "", c), va_arg(args, int));
    }
}

std::wstring formatUnsigned(const Directive& d, wchar_t conversion, va_list& args) {
    const char c = static_cast<char>(conversion);
    switch (d.length) {
        case Length::Char:
            return printNumber(narrowDirective(d, "hh", c),
                               static_cast<unsigned char>(va_arg(args, unsigned)));
        case Length::Short:
            return printNumber(narrowDirective(d, "h", c),
                               static_cast<unsigned short>(va_arg(args, unsigned)));
        case Length::Long:
            return printNumber(narrowDirective(d, "l", c), va_arg(args, unsigned long));
        case Length::LongLong:
        case Length::Int64:
            return printNumber(narrowDirective(d, "ll", c), va_arg(args, unsigned long long));
        case Length::IntMax:
            return printNumber(narrowDirective(d, "j", c), va_arg(args, uintmax_t));
        case Length::Size:
        case Length::PtrDiff:
            return printNumber(narrowDirective(d, "z", c), va_arg(args, std::size_t));
        default:
            return printNumber(narrowDirective(d, "", c), va_arg(args, unsigned));
    }
}

std::wstring formatFloating(const Directive& d, wchar_t conversion, va_list& args) {
    const char c = static_cast<char>(conversion);
    std::wstring text = d.length == Length::LongDouble
                            ? printNumber(narrowDirective(d, "L", c), va_arg(args, long double))
                            : printNumber(narrowDirective(d, "", c), va_arg(args, double));
    // The process locale may use another decimal point; the command line does not.
    const char* localePoint = std::localeconv()->decimal_point;
    if (localePoint && localePoint[0] != '.' && localePoint[0] != '\0' && localePoint[1] == '\0') {
        for (wchar_t& ch : text) {
            if (ch == static_cast<unsigned char>(localePoint[0]))
                ch = L'.';
        }
    }
    return text;
}

std::wstring formatWideString(const Directive& d, va_list& args) {
    const wchar_t* text = va_arg(args, const wchar_t*);
    return formatText(text ? std::wstring(text) : std::wstring(L"(null)"), d);
}

std::wstring formatNarrowString(const Directive& d, va_list& args) {
    const char* text = va_arg(args, const char*);
    return formatText(text ? unicode::fromUtf8(text) : std::wstring(L"(null)"), d);
}

}  // namespace

std::wstring formatWide(const wchar_t* format, va_list args) {
    std::wstring out;
    if (!format)
        return out;
    va_list ap;
    va_copy(ap, args);
    size_t i = 0;
    while (format[i] != L'\0') {
        if (format[i] != L'%') {
            out += format[i++];
            continue;
        }
        const size_t start = i++;
        Directive d;
        while (isFlag(format[i])) {
            if (format[i] == L'-')
                d.leftJustify = true;
            d.flags += static_cast<char>(format[i++]);
        }
        if (format[i] == L'*') {
            ++i;
            d.width = va_arg(ap, int);
            if (d.width < 0) {
                d.leftJustify = true;
                d.width = d.width == INT32_MIN ? 0 : -d.width;
            }
        } else {
            d.width = readNumber(format, i);
        }
        if (format[i] == L'.') {
            ++i;
            if (format[i] == L'*') {
                ++i;
                d.precision = va_arg(ap, int);
                if (d.precision < 0)
                    d.precision = -1;
            } else {
                d.precision = readNumber(format, i);
                if (d.precision < 0)
                    d.precision = 0;
            }
        }
        d.length = readLength(format, i);
        const wchar_t conversion = format[i];
        if (conversion == L'\0') {
            out.append(format + start);
            break;
        }
        ++i;
        switch (conversion) {
            case L'%':
                out += L'%';
                break;
            case L'd':
            case L'i':
                out += formatSigned(d, conversion, ap);
                break;
            case L'u':
            case L'o':
            case L'x':
            case L'X':
                out += formatUnsigned(d, conversion, ap);
                break;
            case L'f':
            case L'F':
            case L'e':
            case L'E':
            case L'g':
            case L'G':
            case L'a':
            case L'A':
                out += formatFloating(d, conversion, ap);
                break;
            case L's':
                out += (d.length == Length::Short) ? formatNarrowString(d, ap)
                                                   : formatWideString(d, ap);
                break;
            case L'S':
                out += formatNarrowString(d, ap);
                break;
            case L'c':
                if (d.length == Length::Short) {
                    out += pad(std::wstring(1, static_cast<unsigned char>(va_arg(ap, int))), d);
                } else {
                    out += pad(std::wstring(1, static_cast<wchar_t>(va_arg(ap, wint_t))), d);
                }
                break;
            case L'C':
                out += pad(std::wstring(1, static_cast<unsigned char>(va_arg(ap, int))), d);
                break;
            case L'p':
                out += pad(printNumber(std::string("%p"), va_arg(ap, void*)), d);
                break;
            case L'n':
                break;
            default:
                out.append(format + start, format + i);
                break;
        }
    }
    va_end(ap);
    return out;
}

std::wstring formatWideText(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    std::wstring text = formatWide(format, args);
    va_end(args);
    return text;
}

}  // namespace host
