#include "properties/relative_font_size.h"

namespace lorp {

namespace {

struct KeywordInfo {
    RelativeFontSize size;
    std::string_view keyword;
    std::string_view name;
    std::int32_t millipoints;  // 0 for the keywords relative to the parent
};

// In RelativeFontSize order.
constexpr KeywordInfo kKeywords[] = {
    {RelativeFontSize::Larger, "larger", "Larger", 0},
    {RelativeFontSize::Smaller, "smaller", "Smaller", 0},
    {RelativeFontSize::XxSmall, "xx-small", "XxSmall", 9000},
    {RelativeFontSize::XSmall, "x-small", "XSmall", 10000},
    {RelativeFontSize::Small, "small", "Small", 13000},
    {RelativeFontSize::Medium, "medium", "Medium", 16000},
    {RelativeFontSize::Large, "large", "Large", 18000},
    {RelativeFontSize::XLarge, "x-large", "XLarge", 24000},
    {RelativeFontSize::XxLarge, "xx-large", "XxLarge", 32000},
};

constexpr bool keywords_in_enum_order() {
    for (std::size_t i = 0; i < std::size(kKeywords); ++i) {
        if (static_cast<std::size_t>(kKeywords[i].size) != i) {
            return false;
        }
    }
    return true;
}
static_assert(keywords_in_enum_order());

const KeywordInfo& info(RelativeFontSize size) {
    return kKeywords[static_cast<std::size_t>(size)];
}

}  // namespace

std::optional<RelativeFontSize> relative_font_size_from_keyword(std::string_view text) {
    for (const KeywordInfo& k : kKeywords) {
        if (k.keyword == text) {
            return k.size;
        }
    }
    return std::nullopt;
}

std::string_view relative_font_size_keyword(RelativeFontSize size) {
    return info(size).keyword;
}

std::string_view relative_font_size_name(RelativeFontSize size) {
    return info(size).name;
}

std::optional<Length> absolute_font_size(RelativeFontSize size) {
    std::int32_t millipoints = info(size).millipoints;
    if (millipoints == 0) {
        return std::nullopt;
    }
    return Length::from_millipoints(millipoints);
}

}  // namespace lorp
