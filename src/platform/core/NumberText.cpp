// Locale-independent number formatting and parsing (see the header for the rules).
#include "platform/core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace numtext {
namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f';
}

// The digits and exponent of the shortest round-trip text of |value|: the
// value equals 0.d1d2d3... * 10^exponent10. A double has at most 17
// significant digits; rounding may add one in front.
struct DecimalDigits {
    char digits[20] = {'0'};  // no leading zeros; "0" for zero
    int count = 1;
    int exponent10 = 1;

    bool isZero() const { return count == 1 && digits[0] == '0'; }
    void setZero() {
        digits[0] = '0';
        count = 1;
        exponent10 = 1;
    }
    // The digit at index, '0' past the last one.
    char at(int index) const { return index < count ? digits[index] : '0'; }
};

DecimalDigits shortestDigits(double magnitude) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));  // d.dddde[+-]xx
    const size_t e = text.find('e');
    DecimalDigits out;
    out.count = 0;
    for (size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            out.digits[out.count++] = text[i];
    }
    int exponent = 0;
    for (size_t i = e + 2; i < text.size(); ++i)
        exponent = exponent * 10 + (text[i] - '0');
    out.exponent10 = (text[e + 1] == '-' ? -exponent : exponent) + 1;
    while (out.count > 1 && out.digits[out.count - 1] == '0')
        --out.count;
    if (out.isZero())
        out.exponent10 = 1;
    return out;
}

// Rounds the digits half away from zero, keeping `keep` digits (keep may be 0
// or negative: then the number rounds to 0 or to one unit of the first kept place).
void roundDigits(DecimalDigits& d, int keep) {
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.setZero();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            std::copy_backward(d.digits, d.digits + d.count, d.digits + d.count + 1);
            d.digits[0] = '1';
            ++d.count;
            d.exponent10 += 1;
        } else {
            d.digits[i] += 1;
        }
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
    if (d.count == 0)
        d.setZero();
}

const wchar_t* specialText(double value) {
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

// The powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Reads the usual short number exactly without the general conversion: with
// at most 15 significant digits the digits form a whole number that a double
// holds exactly, and scaled by an exact power of ten (at most 22) one
// multiplication or division gives the correctly rounded double, the same one
// the general conversion finds. Nothing for other numbers. The text is one
// that numberPrefixLength accepted in full.
std::optional<double> readShortNumber(std::wstring_view number) {
    size_t i = 0;
    bool negative = false;
    if (i < number.size() && (number[i] == L'+' || number[i] == L'-'))
        negative = number[i++] == L'-';
    std::uint64_t digits = 0;
    int significant = 0;
    int scale = 0;
    bool afterPoint = false;
    for (; i < number.size(); ++i) {
        const wchar_t c = number[i];
        if (c == L'.') {
            afterPoint = true;
            continue;
        }
        if (c < L'0' || c > L'9')
            break;
        if (afterPoint)
            --scale;
        if (digits == 0 && c == L'0')
            continue;
        if (++significant > 15)
            return std::nullopt;
        digits = digits * 10 + static_cast<std::uint64_t>(c - L'0');
    }
    if (i < number.size()) {  // the exponent: 'e' or 'E', a sign, digits
        ++i;
        bool negativeExponent = false;
        if (number[i] == L'+' || number[i] == L'-')
            negativeExponent = number[i++] == L'-';
        int exponent = 0;
        for (; i < number.size(); ++i) {
            if (exponent < 100000)
                exponent = exponent * 10 + (number[i] - L'0');
        }
        scale += negativeExponent ? -exponent : exponent;
    }
    if (digits == 0)
        return negative ? -0.0 : 0.0;
    if (scale < -22 || scale > 22)
        return std::nullopt;
    double value = static_cast<double>(digits);
    value = scale < 0 ? value / kExactPowersOfTen[-scale] : value * kExactPowersOfTen[scale];
    return negative ? -value : value;
}

// Converts a text that numberPrefixLength accepted in full.
double convertNumber(std::wstring_view number) {
    if (const std::optional<double> exact = readShortNumber(number))
        return *exact;
    // Such a text is ASCII: each character narrows to one byte.
    char small[64];
    std::string large;
    char* bytes = small;
    if (number.size() > sizeof small) {
        large.resize(number.size());
        bytes = large.data();
    }
    for (size_t i = 0; i < number.size(); ++i)
        bytes[i] = static_cast<char>(number[i]);
    const std::string_view narrow(bytes, number.size());
    const char* begin = narrow.data();
    if (!narrow.empty() && narrow[0] == '+')
        ++begin;
    double value = 0;
    auto result = std::from_chars(begin, narrow.data() + narrow.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Overflow reads as infinity, underflow as zero, like strtod.
        const bool negative = !narrow.empty() && narrow[0] == '-';
        const size_t e = narrow.find_first_of("eE");
        const bool tiny =
            e != std::string_view::npos && narrow.find('-', e) != std::string_view::npos;
        value = tiny ? 0.0 : HUGE_VAL;
        if (negative)
            value = -value;
    }
    return value;
}

// Whole numbers below 2^53 are their own shortest digits and need no
// rounding: their digits, then the decimals as zeros.
constexpr double kWholeNumbersBelow = 9007199254740992.0;

void appendWholeNumber(std::wstring& out, double value, int decimals) {
    auto whole = static_cast<std::uint64_t>(std::fabs(value));
    wchar_t digits[20];
    int count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    const bool negative = value < 0;  // -0.0 is not below zero
    out.reserve(out.size() + static_cast<size_t>(count + decimals + 2));
    if (negative)
        out.push_back(L'-');
    while (count > 0)
        out.push_back(digits[--count]);
    if (decimals > 0) {
        out.push_back(L'.');
        out.append(static_cast<size_t>(decimals), L'0');
    }
}

}  // namespace

void appendFixed(std::wstring& out, double value, int decimals) {
    if (!std::isfinite(value)) {
        out.append(specialText(value));
        return;
    }
    decimals = std::clamp(decimals, 0, 17);
    if (std::fabs(value) < kWholeNumbersBelow && value == std::trunc(value)) {
        appendWholeNumber(out, value, decimals);
        return;
    }
    DecimalDigits d = shortestDigits(std::fabs(value));
    roundDigits(d, d.exponent10 + decimals);
    const bool zero = d.isZero();
    const int integerDigits = d.exponent10 <= 0 || zero ? 1 : d.exponent10;
    out.reserve(out.size() + static_cast<size_t>(integerDigits + decimals + 2));
    if (value < 0 && !zero)
        out.push_back(L'-');
    // Integer part.
    if (d.exponent10 <= 0 || zero) {
        out.push_back(L'0');
    } else {
        for (int i = 0; i < d.exponent10; ++i)
            out.push_back(static_cast<wchar_t>(d.at(i)));
    }
    if (decimals > 0) {
        out.push_back(L'.');
        for (int place = 1; place <= decimals; ++place) {
            const int index = d.exponent10 + place - 1;
            out.push_back(!zero && index >= 0 ? static_cast<wchar_t>(d.at(index)) : L'0');
        }
    }
}

std::wstring formatFixed(double value, int decimals) {
    std::wstring out;
    appendFixed(out, value, decimals);
    return out;
}

void appendGeneral(std::wstring& out, double value) {
    if (!std::isfinite(value)) {
        out.append(specialText(value));
        return;
    }
    DecimalDigits d = shortestDigits(std::fabs(value));
    roundDigits(d, 15);
    if (d.isZero()) {
        out.push_back(L'0');
        return;
    }
    out.reserve(out.size() + 24);
    const auto appendDigits = [&](int from) {
        for (int i = from; i < d.count; ++i)
            out.push_back(static_cast<wchar_t>(d.digits[i]));
    };
    if (value < 0)
        out.push_back(L'-');
    const int exponent = d.exponent10 - 1;  // of the first digit
    if (exponent >= 15 || exponent < -5) {
        out.push_back(static_cast<wchar_t>(d.digits[0]));
        if (d.count > 1) {
            out.push_back(L'.');
            appendDigits(1);
        }
        out.push_back(L'E');
        out.push_back(exponent < 0 ? L'-' : L'+');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            out.push_back(L'0');
        out.append(std::to_wstring(magnitude));
    } else if (d.exponent10 <= 0) {
        out.append(L"0.");
        out.append(static_cast<size_t>(-d.exponent10), L'0');
        appendDigits(0);
    } else {
        for (int i = 0; i < d.exponent10; ++i)
            out.push_back(static_cast<wchar_t>(d.at(i)));
        if (d.count > d.exponent10) {
            out.push_back(L'.');
            appendDigits(d.exponent10);
        }
    }
}

std::wstring formatGeneral(double value) {
    std::wstring out;
    appendGeneral(out, value);
    return out;
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
