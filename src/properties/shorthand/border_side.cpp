#include "properties/shorthand/border_side.h"

#include <vector>

namespace lorp {

void expand_border_side(PropertyList& list, const BorderSide& side, const PropertyValue& value) {
    switch (value.kind()) {
        case ValueKind::Length:
            list.set(side.width, value);
            return;
        case ValueKind::Color:
            list.set(side.color, value);
            return;
        case ValueKind::List: {
            const PropertyValue* width = nullptr;
            const PropertyValue* style = nullptr;
            const PropertyValue* color = nullptr;
            for (const PropertyValue& item : *value.list()) {
                switch (item.kind()) {
                    case ValueKind::Length:
                        width = &item;
                        break;
                    case ValueKind::Color:
                        color = &item;
                        break;
                    case ValueKind::String:
                    case ValueKind::Enum:
                        style = &item;
                        break;
                    default:
                        break;
                }
            }
            if (width != nullptr) {
                list.set(side.width, *width);
            }
            if (style != nullptr) {
                list.set(side.style, *style);
            }
            if (color != nullptr) {
                list.set(side.color, *color);
            }
            return;
        }
        default:
            list.set(side.width, value);
            list.set(side.style, value);
            list.set(side.color, value);
            return;
    }
}

}  // namespace lorp
