#include "types/percentage.h"

#include <optional>

#include "types/number_text.h"
#include "types/real_number.h"
#include "types/white_space.h"

namespace lorp {

Result<double> parse_percentage(std::string_view text) {
    std::string_view trimmed = trim_white_space(text);
    if (trimmed.empty() || trimmed.back() != '%') {
        return ConversionError::parse("Percentage must end with '%': " + std::string(trimmed));
    }
    std::optional<double> number =
        parse_real(trim_white_space(trimmed.substr(0, trimmed.size() - 1)));
    if (!number) {
        return ConversionError::parse("Invalid percentage value: " + std::string(trimmed));
    }
    return *number / 100.0;
}

std::string display_percentage(double fraction) {
    std::string out = "Percentage(";
    append_shortest_percent(out, fraction);
    out += "%)";
    return out;
}

}  // namespace lorp
