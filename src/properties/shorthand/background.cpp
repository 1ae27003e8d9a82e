#include "properties/shorthand/background.h"

#include <string>
#include <string_view>

namespace lorp {

namespace {
bool is_one_of(std::string_view text, std::initializer_list<std::string_view> keywords) {
    for (std::string_view keyword : keywords) {
        if (text == keyword) {
            return true;
        }
    }
    return false;
}

void store_text(PropertyList& list, const PropertyValue& value, std::string_view text) {
    if (text.size() > 3 && text.starts_with("url(") && text.ends_with(')')) {
        list.set(PropertyId::BackgroundImage, value);
    } else if (is_one_of(text, {"repeat", "repeat-x", "repeat-y", "no-repeat", "space", "round"})) {
        list.set(PropertyId::BackgroundRepeat, value);
    } else if (is_one_of(text, {"scroll", "fixed", "local"})) {
        list.set(PropertyId::BackgroundAttachment, value);
    } else if (is_one_of(text, {"top", "bottom", "left", "right", "center"})) {
        list.set(PropertyId::BackgroundPosition, value);
    }
}

// One value that is not a List.
void store_single(PropertyList& list, const PropertyValue& value) {
    switch (value.kind()) {
        case ValueKind::Color:
            list.set(PropertyId::BackgroundColor, value);
            return;
        case ValueKind::Length:
        case ValueKind::Percentage:
            list.set(PropertyId::BackgroundPosition, value);
            return;
        case ValueKind::String:
            store_text(list, value, *value.string());
            return;
        default:
            return;
    }
}
}  // namespace

void expand_background(PropertyList& list, const PropertyValue& value) {
    if (const std::vector<PropertyValue>* items = value.list()) {
        // Lists come from blank-separated tokens and never nest.
        for (const PropertyValue& item : *items) {
            store_single(list, item);
        }
        return;
    }
    store_single(list, value);
}

}  // namespace lorp
