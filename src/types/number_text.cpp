#include "types/number_text.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <string_view>

namespace lorp {

namespace {
// Fixed notation of the largest double needs 309 integer digits; shortest
// round-trip of the smallest denormal needs about 330 more after the point.
constexpr int kBufferSize = 800;

bool append_special(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "NaN";
        return true;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return true;
    }
    return false;
}
}  // namespace

void append_shortest(std::string& out, double value) {
    if (append_special(out, value)) {
        return;
    }
    if (value == 0) {
        value = 0;  // folds -0 into 0
    }
    char buffer[kBufferSize];
    auto result = std::to_chars(buffer, buffer + kBufferSize, value, std::chars_format::fixed);
    out.append(buffer, result.ptr);
}

std::string shortest(double value) {
    std::string out;
    append_shortest(out, value);
    return out;
}

void append_shortest_percent(std::string& out, double fraction) {
    if (append_special(out, fraction)) {
        return;
    }
    std::string digits = shortest(fraction);
    std::string_view text = digits;
    if (!text.empty() && text.front() == '-') {
        out += '-';
        text.remove_prefix(1);
    }
    std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view decimals = point == std::string_view::npos ? "" : text.substr(point + 1);
    std::string shifted(whole);
    for (std::size_t i = 0; i < 2; ++i) {
        shifted += i < decimals.size() ? decimals[i] : '0';
    }
    std::size_t first = shifted.find_first_not_of('0');
    out.append(first == std::string::npos ? std::string_view("0")
                                          : std::string_view(shifted).substr(first));
    if (decimals.size() > 2) {
        out += '.';
        out.append(decimals.substr(2));
    }
}

void append_fixed(std::string& out, double value, int decimals) {
    if (append_special(out, value)) {
        return;
    }
    char buffer[kBufferSize];
    auto result =
        std::to_chars(buffer, buffer + kBufferSize, value, std::chars_format::fixed, decimals);
    out.append(buffer, result.ptr);
}

void append_integer(std::string& out, std::int64_t value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void append_real(std::string& out, double value) {
    if (append_special(out, value)) {
        return;
    }
    if (value == 0) {
        out += std::signbit(value) ? "-0.0" : "0.0";
        return;
    }
    char buffer[kBufferSize];
    double magnitude = std::fabs(value);
    if (magnitude >= 1e16 || magnitude < 1e-4) {
        auto result =
            std::to_chars(buffer, buffer + kBufferSize, value, std::chars_format::scientific);
        std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
        std::size_t e = text.find('e');
        out.append(text.substr(0, e));
        out += 'e';
        std::string_view exponent = text.substr(e + 1);
        if (exponent.front() == '-') {
            out += '-';
        }
        exponent.remove_prefix(1);  // the sign to_chars always writes
        while (exponent.size() > 1 && exponent.front() == '0') {
            exponent.remove_prefix(1);
        }
        out.append(exponent);
        return;
    }
    auto result = std::to_chars(buffer, buffer + kBufferSize, value, std::chars_format::fixed);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    out.append(text);
    if (text.find('.') == std::string_view::npos) {
        out += ".0";
    }
}

std::string real_text(double value) {
    std::string out;
    append_real(out, value);
    return out;
}

}  // namespace lorp
