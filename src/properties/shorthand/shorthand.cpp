#include "properties/shorthand/shorthand.h"

#include <optional>
#include <string>

#include "properties/shorthand/background.h"
#include "properties/shorthand/border_side.h"
#include "properties/shorthand/font.h"
#include "properties/shorthand/four_sided.h"

namespace lorp {

namespace {
constexpr BorderSide kTop = {PropertyId::BorderTopWidth, PropertyId::BorderTopStyle,
                             PropertyId::BorderTopColor};
constexpr BorderSide kRight = {PropertyId::BorderRightWidth, PropertyId::BorderRightStyle,
                               PropertyId::BorderRightColor};
constexpr BorderSide kBottom = {PropertyId::BorderBottomWidth, PropertyId::BorderBottomStyle,
                                PropertyId::BorderBottomColor};
constexpr BorderSide kLeft = {PropertyId::BorderLeftWidth, PropertyId::BorderLeftStyle,
                              PropertyId::BorderLeftColor};
}  // namespace

bool is_shorthand(PropertyId id) {
    switch (id) {
        case PropertyId::Font:
        case PropertyId::Margin:
        case PropertyId::Padding:
        case PropertyId::Border:
        case PropertyId::BorderTop:
        case PropertyId::BorderRight:
        case PropertyId::BorderBottom:
        case PropertyId::BorderLeft:
        case PropertyId::BorderWidth:
        case PropertyId::BorderColor:
        case PropertyId::BorderStyle:
        case PropertyId::Background:
            return true;
        default:
            return false;
    }
}

void expand_shorthand(PropertyList& list, PropertyId shorthand, const PropertyValue& value,
                      std::string_view text) {
    switch (shorthand) {
        case PropertyId::Font:
            if (std::optional<std::string> font_text = font_shorthand_text(value, text)) {
                expand_font(list, *font_text);
            }
            return;
        case PropertyId::Margin:
            expand_four_sided(list,
                              {PropertyId::MarginTop, PropertyId::MarginRight,
                               PropertyId::MarginBottom, PropertyId::MarginLeft},
                              value);
            return;
        case PropertyId::Padding:
            expand_four_sided(list,
                              {PropertyId::PaddingTop, PropertyId::PaddingRight,
                               PropertyId::PaddingBottom, PropertyId::PaddingLeft},
                              value);
            return;
        case PropertyId::BorderWidth:
            expand_four_sided(list, {kTop.width, kRight.width, kBottom.width, kLeft.width}, value);
            return;
        case PropertyId::BorderColor:
            expand_four_sided(list, {kTop.color, kRight.color, kBottom.color, kLeft.color}, value);
            return;
        case PropertyId::BorderStyle:
            expand_four_sided(list, {kTop.style, kRight.style, kBottom.style, kLeft.style}, value);
            return;
        case PropertyId::Border:
            for (const BorderSide& side : {kTop, kRight, kBottom, kLeft}) {
                expand_border_side(list, side, value);
            }
            return;
        case PropertyId::BorderTop:
            expand_border_side(list, kTop, value);
            return;
        case PropertyId::BorderRight:
            expand_border_side(list, kRight, value);
            return;
        case PropertyId::BorderBottom:
            expand_border_side(list, kBottom, value);
            return;
        case PropertyId::BorderLeft:
            expand_border_side(list, kLeft, value);
            return;
        case PropertyId::Background:
            expand_background(list, value);
            return;
        default:
            return;
    }
}

}  // namespace lorp
