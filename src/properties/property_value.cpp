#include "properties/property_value.h"

#include <cstdio>

#include "types/number_text.h"
#include "types/percentage.h"

namespace lorp {

template <class T>
struct PropertyValue::Boxed : Box {
    explicit Boxed(T held) : value(std::move(held)) {}
    T value;
};

namespace {
using Items = std::vector<PropertyValue>;
using Two = std::pair<PropertyValue, PropertyValue>;
}  // namespace

PropertyValue::PropertyValue(const PropertyValue& other) noexcept
    : payload_(other.payload_), kind_(other.kind_) {
    if (is_boxed(kind_)) {
        retain();
    }
}

PropertyValue::PropertyValue(PropertyValue&& other) noexcept
    : payload_(other.payload_), kind_(other.kind_) {
    other.kind_ = ValueKind::Auto;
    other.payload_.bits = 0;
}

PropertyValue& PropertyValue::operator=(const PropertyValue& other) noexcept {
    if (is_boxed(other.kind_)) {
        other.retain();  // first, so that assigning a value to itself keeps its box
    }
    if (is_boxed(kind_)) {
        release();
    }
    payload_ = other.payload_;
    kind_ = other.kind_;
    return *this;
}

PropertyValue& PropertyValue::operator=(PropertyValue&& other) noexcept {
    if (this != &other) {
        if (is_boxed(kind_)) {
            release();
        }
        payload_ = other.payload_;
        kind_ = other.kind_;
        other.kind_ = ValueKind::Auto;
        other.payload_.bits = 0;
    }
    return *this;
}

void PropertyValue::release() noexcept {
    const Box* box = payload_.box;
    if (box->references.fetch_sub(1, std::memory_order_acq_rel) != 1) {
        return;
    }
    switch (kind_) {
        case ValueKind::String:
            delete static_cast<const StringBox*>(box);
            break;
        case ValueKind::Gradient:
            delete static_cast<const Boxed<Gradient>*>(box);
            break;
        case ValueKind::List:
            delete static_cast<const Boxed<Items>*>(box);
            break;
        case ValueKind::Pair:
            delete static_cast<const Boxed<Two>*>(box);
            break;
        case ValueKind::Expression:
            delete static_cast<const Boxed<Expression>*>(box);
            break;
        case ValueKind::Length:
        case ValueKind::Color:
        case ValueKind::Enum:
        case ValueKind::Percentage:
        case ValueKind::Integer:
        case ValueKind::Number:
        case ValueKind::Boolean:
        case ValueKind::RelativeFontSize:
        case ValueKind::Auto:
        case ValueKind::None:
        case ValueKind::Inherit:
            break;
    }
}

template <class T>
const T* PropertyValue::boxed(ValueKind kind) const {
    return kind_ == kind ? &static_cast<const Boxed<T>*>(payload_.box)->value : nullptr;
}

PropertyValue PropertyValue::gradient(Gradient gradient) {
    return PropertyValue(ValueKind::Gradient, new Boxed<Gradient>(std::move(gradient)));
}

PropertyValue PropertyValue::string(std::string text) {
    return PropertyValue(ValueKind::String, new StringBox(std::move(text)));
}

PropertyValue PropertyValue::list(std::vector<PropertyValue> items) {
    return PropertyValue(ValueKind::List, new Boxed<Items>(std::move(items)));
}

PropertyValue PropertyValue::pair(PropertyValue first, PropertyValue second) {
    return PropertyValue(ValueKind::Pair, new Boxed<Two>(Two(std::move(first), std::move(second))));
}

PropertyValue PropertyValue::expression(Expression expression) {
    return PropertyValue(ValueKind::Expression, new Boxed<Expression>(std::move(expression)));
}

const Gradient* PropertyValue::gradient() const {
    return boxed<Gradient>(ValueKind::Gradient);
}

const std::vector<PropertyValue>* PropertyValue::list() const {
    return boxed<Items>(ValueKind::List);
}

const std::pair<PropertyValue, PropertyValue>* PropertyValue::pair() const {
    return boxed<Two>(ValueKind::Pair);
}

const Expression* PropertyValue::expression() const {
    return boxed<Expression>(ValueKind::Expression);
}

bool operator==(const PropertyValue& a, const PropertyValue& b) {
    if (a.kind_ != b.kind_) {
        return false;
    }
    switch (a.kind_) {
        case ValueKind::Length:
            return *a.length() == *b.length();
        case ValueKind::Color:
            return *a.color() == *b.color();
        case ValueKind::Gradient:
            return a.payload_.box == b.payload_.box || *a.gradient() == *b.gradient();
        case ValueKind::Enum:
            return *a.enumeration() == *b.enumeration();
        case ValueKind::String:
            return a.payload_.box == b.payload_.box || *a.string() == *b.string();
        case ValueKind::Percentage:
        case ValueKind::Number:
            return a.payload_.real == b.payload_.real;
        case ValueKind::Integer:
            return *a.integer() == *b.integer();
        case ValueKind::Boolean:
            return *a.boolean() == *b.boolean();
        case ValueKind::List:
            return a.payload_.box == b.payload_.box || *a.list() == *b.list();
        case ValueKind::Pair:
            return a.payload_.box == b.payload_.box || *a.pair() == *b.pair();
        case ValueKind::RelativeFontSize:
            return *a.relative_font_size() == *b.relative_font_size();
        case ValueKind::Expression:
            return a.payload_.box == b.payload_.box || *a.expression() == *b.expression();
        case ValueKind::Auto:
        case ValueKind::None:
        case ValueKind::Inherit:
            return true;
    }
    return false;
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
