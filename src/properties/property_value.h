#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "properties/relative_font_size.h"
#include "types/color.h"
#include "types/expression.h"
#include "types/gradient.h"
#include "types/length.h"

namespace lorp {

// The kinds of PropertyValue, in the order of its payload alternatives.
enum class ValueKind : std::uint8_t {
    Length,
    Color,
    Gradient,
    Enum,
    String,
    Percentage,
    Integer,
    Number,
    Boolean,
    List,
    Pair,
    RelativeFontSize,
    Expression,
    Auto,
    None,
    Inherit,
};

// The parsed value of one property. Values own their payload: copying a value
// copies lists, pairs and expression trees whole. Keywords other than auto,
// none, inherit and the font-size keywords are Strings that their consumers
// interpret; Enum codes come only from initial values.
//
// Read a value by switching on kind(), or with the typed accessors, which
// return null when the value is of another kind:
//
//     if (const Length* length = value.length()) { ... }
class PropertyValue {
public:
    // Auto.
    PropertyValue() = default;

    static PropertyValue length(Length length) { return PropertyValue(length); }
    static PropertyValue color(Color color) { return PropertyValue(color); }
    static PropertyValue gradient(Gradient gradient);
    static PropertyValue enumeration(std::uint16_t code) { return PropertyValue(EnumCode{code}); }
    static PropertyValue string(std::string text) { return PropertyValue(Text{std::move(text)}); }
    // The fraction: 50% is 0.5.
    static PropertyValue percentage(double fraction) {
        return PropertyValue(PercentageValue{fraction});
    }
    static PropertyValue integer(std::int32_t value) { return PropertyValue(IntegerValue{value}); }
    static PropertyValue number(double value) { return PropertyValue(NumberValue{value}); }
    static PropertyValue boolean(bool value) { return PropertyValue(BooleanValue{value}); }
    static PropertyValue list(std::vector<PropertyValue> items) {
        return PropertyValue(ListValue{std::move(items)});
    }
    static PropertyValue pair(PropertyValue first, PropertyValue second);
    static PropertyValue relative_font_size(RelativeFontSize size) { return PropertyValue(size); }
    static PropertyValue expression(Expression expression) {
        return PropertyValue(std::move(expression));
    }
    static PropertyValue auto_value() { return PropertyValue(AutoKeyword{}); }
    static PropertyValue none() { return PropertyValue(NoneKeyword{}); }
    static PropertyValue inherit() { return PropertyValue(InheritKeyword{}); }

    ValueKind kind() const { return static_cast<ValueKind>(payload_.index()); }

    const Length* length() const { return std::get_if<Length>(&payload_); }
    const Color* color() const { return std::get_if<Color>(&payload_); }
    const Gradient* gradient() const;
    const std::uint16_t* enumeration() const { return member(&EnumCode::code); }
    const std::string* string() const { return member(&Text::text); }
    const double* percentage() const { return member(&PercentageValue::fraction); }
    const std::int32_t* integer() const { return member(&IntegerValue::value); }
    const double* number() const { return member(&NumberValue::value); }
    const bool* boolean() const { return member(&BooleanValue::value); }
    const std::vector<PropertyValue>* list() const { return member(&ListValue::items); }
    const std::pair<PropertyValue, PropertyValue>* pair() const;
    const RelativeFontSize* relative_font_size() const {
        return std::get_if<RelativeFontSize>(&payload_);
    }
    const Expression* expression() const { return std::get_if<Expression>(&payload_); }
    bool is_auto() const { return kind() == ValueKind::Auto; }
    bool is_none() const { return kind() == ValueKind::None; }
    bool is_inherit() const { return kind() == ValueKind::Inherit; }

    friend bool operator==(const PropertyValue& a, const PropertyValue& b);

private:
    // A heap payload that copies deeply; keeps rare large payloads out of line
    // so that every value stays small.
    template <class T>
    class Boxed {
    public:
        explicit Boxed(T value) : ptr_(std::make_unique<T>(std::move(value))) {}
        Boxed(const Boxed& other) : ptr_(std::make_unique<T>(*other.ptr_)) {}
        Boxed(Boxed&&) noexcept = default;
        Boxed& operator=(const Boxed& other) {
            ptr_ = std::make_unique<T>(*other.ptr_);
            return *this;
        }
        Boxed& operator=(Boxed&&) noexcept = default;
        const T& get() const { return *ptr_; }
        friend bool operator==(const Boxed& a, const Boxed& b) { return a.get() == b.get(); }

    private:
        std::unique_ptr<T> ptr_;
    };

    struct EnumCode {
        std::uint16_t code;
        friend bool operator==(const EnumCode&, const EnumCode&) = default;
    };
    struct Text {
        std::string text;
        friend bool operator==(const Text&, const Text&) = default;
    };
    struct PercentageValue {
        double fraction;
        friend bool operator==(const PercentageValue&, const PercentageValue&) = default;
    };
    struct IntegerValue {
        std::int32_t value;
        friend bool operator==(const IntegerValue&, const IntegerValue&) = default;
    };
    struct NumberValue {
        double value;
        friend bool operator==(const NumberValue&, const NumberValue&) = default;
    };
    struct BooleanValue {
        bool value;
        friend bool operator==(const BooleanValue&, const BooleanValue&) = default;
    };
    struct ListValue {
        std::vector<PropertyValue> items;
        friend bool operator==(const ListValue&, const ListValue&) = default;
    };
    struct PairValue {
        Boxed<std::pair<PropertyValue, PropertyValue>> items;
        friend bool operator==(const PairValue&, const PairValue&) = default;
    };
    struct AutoKeyword {
        friend bool operator==(const AutoKeyword&, const AutoKeyword&) = default;
    };
    struct NoneKeyword {
        friend bool operator==(const NoneKeyword&, const NoneKeyword&) = default;
    };
    struct InheritKeyword {
        friend bool operator==(const InheritKeyword&, const InheritKeyword&) = default;
    };

    // Alternatives in ValueKind order.
    using Payload =
        std::variant<Length, Color, Boxed<Gradient>, EnumCode, Text, PercentageValue, IntegerValue,
                     NumberValue, BooleanValue, ListValue, PairValue, RelativeFontSize, Expression,
                     AutoKeyword, NoneKeyword, InheritKeyword>;
    static_assert(std::variant_size_v<Payload> == static_cast<std::size_t>(ValueKind::Inherit) + 1);
    static_assert(
        std::is_same_v<
            std::variant_alternative_t<static_cast<std::size_t>(ValueKind::Expression), Payload>,
            Expression>);

    template <class T>
    explicit PropertyValue(T payload) : payload_(std::move(payload)) {}

    template <class Record, class Field>
    const Field* member(Field Record::*field) const {
        const Record* record = std::get_if<Record>(&payload_);
        return record ? &(record->*field) : nullptr;
    }

    Payload payload_{AutoKeyword{}};
};

// The diagnostic text quoted in validation messages: the kind's name and, when
// there is a payload, its display in parentheses: Length(Length(12pt)),
// Color(Color(#FF0000)), String("text"), Percentage(Percentage(50%)),
// Integer(3), Number(2.0), List([a, b]), Pair(a, b), RelativeFontSize(Larger),
// Expression(...), Gradient(...), Auto.
std::string display(const PropertyValue& value);
void append_display(std::string& out, const PropertyValue& value);

}  // namespace lorp
