#include "properties/property_value.h"

#include <cstdio>

#include "types/number_text.h"
#include "types/percentage.h"

namespace lorp {

PropertyValue PropertyValue::gradient(Gradient gradient) {
    return PropertyValue(Boxed<Gradient>(std::move(gradient)));
}

PropertyValue PropertyValue::pair(PropertyValue first, PropertyValue second) {
    return PropertyValue(PairValue{
        Boxed<std::pair<PropertyValue, PropertyValue>>({std::move(first), std::move(second)})});
}

const Gradient* PropertyValue::gradient() const {
    const auto* boxed = std::get_if<Boxed<Gradient>>(&payload_);
    return boxed ? &boxed->get() : nullptr;
}

const std::pair<PropertyValue, PropertyValue>* PropertyValue::pair() const {
    const auto* pair = std::get_if<PairValue>(&payload_);
    return pair ? &pair->items.get() : nullptr;
}

bool operator==(const PropertyValue& a, const PropertyValue& b) {
    return a.payload_ == b.payload_;
}

namespace {

// Quoted, with quotes, backslashes and control characters escaped.
void append_quoted(std::string& out, const std::string& text) {
    out += '"';
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default: {
                auto byte = static_cast<unsigned char>(c);
                if (byte < 0x20 || byte == 0x7f) {
                    char escape[8];
                    int n = std::snprintf(escape, sizeof escape, "\\u{%x}", byte);
                    out.append(escape, static_cast<std::size_t>(n));
                } else {
                    out += c;
                }
            }
        }
    }
    out += '"';
}

}  // namespace

void append_display(std::string& out, const PropertyValue& value) {
    // Payloads nest at most one level (a list of tokens, a pair of values), so
    // the recursion depth does not depend on the document.
    switch (value.kind()) {
        case ValueKind::Length:
            out += "Length(";
            out += display(*value.length());
            break;
        case ValueKind::Color:
            out += "Color(";
            out += display(*value.color());
            break;
        case ValueKind::Gradient:
            out += "Gradient(";
            out += display(*value.gradient());
            break;
        case ValueKind::Enum:
            out += "Enum(";
            append_integer(out, *value.enumeration());
            break;
        case ValueKind::String:
            out += "String(";
            append_quoted(out, *value.string());
            break;
        case ValueKind::Percentage:
            out += "Percentage(";
            out += display_percentage(*value.percentage());
            break;
        case ValueKind::Integer:
            out += "Integer(";
            append_integer(out, *value.integer());
            break;
        case ValueKind::Number:
            out += "Number(";
            append_real(out, *value.number());
            break;
        case ValueKind::Boolean:
            out += *value.boolean() ? "Boolean(true" : "Boolean(false";
            break;
        case ValueKind::List: {
            out += "List([";
            const char* separator = "";
            for (const PropertyValue& item : *value.list()) {
                out += separator;
                append_display(out, item);
                separator = ", ";
            }
            out += ']';
            break;
        }
        case ValueKind::Pair:
            out += "Pair(";
            append_display(out, value.pair()->first);
            out += ", ";
            append_display(out, value.pair()->second);
            break;
        case ValueKind::RelativeFontSize:
            out += "RelativeFontSize(";
            out += relative_font_size_name(*value.relative_font_size());
            break;
        case ValueKind::Expression:
            out += "Expression(";
            out += display(*value.expression());
            break;
        case ValueKind::Auto:
            out += "Auto";
            return;
        case ValueKind::None:
            out += "None";
            return;
        case ValueKind::Inherit:
            out += "Inherit";
            return;
    }
    out += ')';
}

std::string display(const PropertyValue& value) {
    std::string out;
    append_display(out, value);
    return out;
}

}  // namespace lorp
