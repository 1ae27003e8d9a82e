#include "types/real_number.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace lorp {

namespace {
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// For a syntactically valid number that from_chars found out of range: true
// when it is too large, false when too small. The decimal exponent of the
// leading significant digit decides.
bool overflows(std::string_view mantissa, std::string_view exponent) {
    std::int64_t scale = 0;
    bool seen_point = false;
    bool seen_significant = false;
    std::int64_t leading = 0;  // decimal exponent of the first significant digit
    for (char c : mantissa) {
        if (c == '.') {
            seen_point = true;
            continue;
        }
        if (!seen_significant && c != '0') {
            seen_significant = true;
            leading = seen_point ? -(scale + 1) : 0;
        }
        if (!seen_point && seen_significant) {
            ++leading;
        }
        if (seen_point) {
            ++scale;
        }
    }
    if (!seen_significant) {
        return false;
    }
    if (leading > 0) {
        --leading;  // counted integer digits, including the first one
    }
    std::int64_t exp = 0;
    bool negative = false;
    for (char c : exponent) {
        if (c == '-') {
            negative = true;
        } else if (is_digit(c) && exp < 1'000'000) {
            exp = exp * 10 + (c - '0');
        }
    }
    return leading + (negative ? -exp : exp) > 0;
}
}  // namespace

std::optional<double> parse_real(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::size_t mantissa_begin = pos;
    std::size_t digits = 0;
    while (pos < text.size() && is_digit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && is_digit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    std::size_t mantissa_end = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        std::size_t exponent_digits = 0;
        while (pos < text.size() && is_digit(text[pos])) {
            ++pos;
            ++exponent_digits;
        }
        if (exponent_digits == 0) {
            return std::nullopt;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }

    const char* first = text.data() + mantissa_begin;
    const char* last = text.data() + text.size();
    double value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        std::string_view mantissa = text.substr(mantissa_begin, mantissa_end - mantissa_begin);
        std::string_view exponent = text.substr(mantissa_end);
        value = overflows(mantissa, exponent) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc() || ptr != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::int32_t> parse_int32(std::string_view text) {
    std::size_t pos = 0;
    if (!text.empty() && text[0] == '+') {
        pos = 1;
    } else if (!text.empty() && text[0] == '-') {
        pos = 1;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    for (std::size_t i = pos; i < text.size(); ++i) {
        if (!is_digit(text[i])) {
            return std::nullopt;
        }
    }
    // from_chars takes "-" but not "+".
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    const char* last = text.data() + text.size();
    std::int32_t value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) {
        return std::nullopt;
    }
    return value;
}

}  // namespace lorp
