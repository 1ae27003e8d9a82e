#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "layout/area/area_kind.h"
#include "layout/area/shared_traits.h"

namespace lorp {

struct NoContent {
    friend bool operator==(const NoContent&, const NoContent&) = default;
};
struct TextContent {
    std::string text;  // UTF-8
    friend bool operator==(const TextContent&, const TextContent&) = default;
};
struct ImageContent {
    std::vector<std::uint8_t> bytes;  // the whole image file
    friend bool operator==(const ImageContent&, const ImageContent&) = default;
};

// Only Text areas carry TextContent and only Image areas carry ImageContent.
using AreaContent = std::variant<NoContent, TextContent, ImageContent>;

// One rectangle of the area tree. Geometry is in millipoints relative to the
// parent's top-left corner, y downward.
struct Area {
    AreaKind kind = AreaKind::Block;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    AreaContent content;
    SharedTraits traits;

    // An empty area of the kind at the given place with no traits set.
    static Area at(AreaKind kind, std::int32_t x = 0, std::int32_t y = 0, std::int32_t width = 0,
                   std::int32_t height = 0) {
        Area area;
        area.kind = kind;
        area.x = x;
        area.y = y;
        area.width = width;
        area.height = height;
        return area;
    }

    // The text of a Text area, or nullptr when the area holds no text.
    const std::string* text() const {
        const auto* t = std::get_if<TextContent>(&content);
        return t != nullptr ? &t->text : nullptr;
    }
};

}  // namespace lorp
