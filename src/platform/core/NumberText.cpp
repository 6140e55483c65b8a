// Locale-independent number formatting and parsing (see the header for the rules).
#include "platform/core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace numtext {
namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f';
}

std::wstring widen(std::string_view text) {
    return std::wstring(text.begin(), text.end());
}

// The digits and exponent of the shortest round-trip text of |value|: the
// value equals 0.d1d2d3... * 10^exponent10.
struct DecimalDigits {
    std::string digits;  // no leading zeros; "0" for zero
    int exponent10 = 0;
};

DecimalDigits shortestDigits(double magnitude) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    std::string text(buffer, result.ptr);  // d.dddde[+-]xx
    const size_t e = text.find('e');
    DecimalDigits out;
    out.exponent10 = std::stoi(text.substr(e + 1)) + 1;
    for (size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            out.digits.push_back(text[i]);
    }
    while (out.digits.size() > 1 && out.digits.back() == '0')
        out.digits.pop_back();
    if (out.digits == "0")
        out.exponent10 = 1;
    return out;
}

// Rounds the digits half away from zero, keeping `keep` digits (keep may be 0
// or negative: then the number rounds to 0 or to one unit of the first kept place).
void roundDigits(DecimalDigits& d, int keep) {
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits = "0";
        d.exponent10 = 1;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.exponent10 += 1;
        } else {
            d.digits[i] += 1;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) {
        d.digits = "0";
        d.exponent10 = 1;
    }
}

bool isZero(const DecimalDigits& d) {
    return d.digits == "0";
}

std::wstring specialText(double value) {
    if (std::isnan(value))
        return L"nan";
    return value < 0 ? L"-inf" : L"inf";
}

// The longest prefix of text (after the start) that forms a decimal number;
// returns its length, 0 when there is none.
size_t numberPrefixLength(std::wstring_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && text[i] >= L'0' && text[i] <= L'9')
        ++i, ++digits;
    if (i < text.size() && text[i] == L'.') {
        ++i;
        while (i < text.size() && text[i] >= L'0' && text[i] <= L'9')
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-'))
            ++j;
        const size_t exponentStart = j;
        while (j < text.size() && text[j] >= L'0' && text[j] <= L'9')
            ++j;
        if (j > exponentStart)
            i = j;
    }
    return i;
}

double convertNumber(std::wstring_view number) {
    std::string narrow;
    narrow.reserve(number.size());
    for (wchar_t c : number)
        narrow.push_back(static_cast<char>(c));
    const char* begin = narrow.data();
    if (!narrow.empty() && narrow[0] == '+')
        ++begin;
    double value = 0;
    auto result = std::from_chars(begin, narrow.data() + narrow.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Overflow reads as infinity, underflow as zero, like strtod.
        const bool negative = !narrow.empty() && narrow[0] == '-';
        const size_t e = narrow.find_first_of("eE");
        const bool tiny = e != std::string::npos && narrow.find('-', e) != std::string::npos;
        value = tiny ? 0.0 : HUGE_VAL;
        if (negative)
            value = -value;
    }
    return value;
}

}  // namespace

std::wstring formatFixed(double value, int decimals) {
    if (!std::isfinite(value))
        return specialText(value);
    decimals = std::clamp(decimals, 0, 17);
    DecimalDigits d = shortestDigits(std::fabs(value));
    roundDigits(d, d.exponent10 + decimals);
    std::string out;
    if (value < 0 && !isZero(d))
        out.push_back('-');
    // Integer part.
    if (d.exponent10 <= 0 || isZero(d)) {
        out.push_back('0');
    } else {
        for (int i = 0; i < d.exponent10; ++i) {
            out.push_back(i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0');
        }
    }
    if (decimals > 0) {
        out.push_back('.');
        for (int place = 1; place <= decimals; ++place) {
            const int index = d.exponent10 + place - 1;
            const bool inDigits =
                !isZero(d) && index >= 0 && index < static_cast<int>(d.digits.size());
            out.push_back(inDigits ? d.digits[index] : '0');
        }
    }
    return widen(out);
}

std::wstring formatGeneral(double value) {
    if (!std::isfinite(value))
        return specialText(value);
    DecimalDigits d = shortestDigits(std::fabs(value));
    roundDigits(d, 15);
    if (isZero(d))
        return L"0";
    std::string out;
    if (value < 0)
        out.push_back('-');
    const int exponent = d.exponent10 - 1;  // of the first digit
    if (exponent >= 15 || exponent < -5) {
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1) {
            out.push_back('.');
            out.append(d.digits, 1);
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            out.push_back('0');
        out.append(std::to_string(magnitude));
    } else if (d.exponent10 <= 0) {
        out.append("0.");
        out.append(static_cast<size_t>(-d.exponent10), '0');
        out.append(d.digits);
    } else {
        for (int i = 0; i < d.exponent10; ++i) {
            out.push_back(i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0');
        }
        if (static_cast<int>(d.digits.size()) > d.exponent10) {
            out.push_back('.');
            out.append(d.digits, static_cast<size_t>(d.exponent10));
        }
    }
    return widen(out);
}

double parseLeadingDouble(std::wstring_view text) {
    size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    text.remove_prefix(start);
    const size_t length = numberPrefixLength(text);
    return length == 0 ? 0.0 : convertNumber(text.substr(0, length));
}

int parseLeadingInt(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool parseWholeDouble(std::wstring_view text, double& value) {
    size_t start = 0;
    size_t end = text.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    text = text.substr(start, end - start);
    const size_t length = numberPrefixLength(text);
    if (length == 0 || length != text.size())
        return false;
    value = convertNumber(text);
    return true;
}

}  // namespace numtext
