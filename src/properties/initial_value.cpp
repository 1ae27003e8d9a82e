#include "properties/initial_value.h"

#include <array>
#include <cstdint>

namespace lorp {

namespace {

enum class InitialKind : std::uint8_t { Auto, None, Color, Length, Integer, Number, String, Enum };

struct InitialSpec {
    InitialKind kind;
    std::uint32_t number;  // colours packed 0xRRGGBBAA, lengths in millipoints
    const char* text;
};

#include "properties/initial_values.inc"

static_assert(std::size(kInitialSpecs) == kPropertyCount);

PropertyValue make(const InitialSpec& spec) {
    switch (spec.kind) {
        case InitialKind::Auto:
            return PropertyValue::auto_value();
        case InitialKind::None:
            return PropertyValue::none();
        case InitialKind::Color:
            return PropertyValue::color(Color{static_cast<std::uint8_t>(spec.number >> 24),
                                              static_cast<std::uint8_t>(spec.number >> 16),
                                              static_cast<std::uint8_t>(spec.number >> 8),
                                              static_cast<std::uint8_t>(spec.number)});
        case InitialKind::Length:
            return PropertyValue::length(
                Length::from_millipoints(static_cast<std::int32_t>(spec.number)));
        case InitialKind::Integer:
            return PropertyValue::integer(static_cast<std::int32_t>(spec.number));
        case InitialKind::Number:
            return PropertyValue::number(spec.number);
        case InitialKind::String:
            return PropertyValue::string(spec.text);
        case InitialKind::Enum:
            return PropertyValue::enumeration(static_cast<std::uint16_t>(spec.number));
    }
    return PropertyValue::auto_value();
}

// Index 0 (no property) holds Auto.
using InitialTable = std::array<PropertyValue, kPropertyCount + 1>;

InitialTable make_table() {
    InitialTable table;
    for (std::size_t i = 0; i < kPropertyCount; ++i) {
        table[i + 1] = make(kInitialSpecs[i]);
    }
    return table;
}

}  // namespace

const PropertyValue& initial_value(PropertyId id) {
    static const InitialTable table = make_table();
    auto raw = static_cast<std::uint16_t>(id);
    return table[raw <= kPropertyCount ? raw : 0];
}

}  // namespace lorp
