#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "properties/relative_font_size.h"
#include "types/color.h"
#include "types/expression.h"
#include "types/gradient.h"
#include "types/length.h"

namespace lorp {

// The kinds of PropertyValue.
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

// The parsed value of one property, in 16 bytes: the kind and an 8-byte
// payload. Scalars live in the payload; strings, lists, pairs, gradients and
// expressions live in an immutable, reference-counted box, so copying a value
// never copies its payload and the four sides of a shorthand share one
// string. Values behave as plain values all the same: nothing can change a
// payload once it is built.
//
// Keywords other than auto, none, inherit and the font-size keywords are
// Strings that their consumers interpret; Enum codes come only from initial
// values.
//
// Read a value by switching on kind(), or with the typed accessors, which
// return null when the value is of another kind:
//
//     if (const Length* length = value.length()) { ... }
class PropertyValue {
public:
    // Auto.
    PropertyValue() noexcept = default;
    PropertyValue(const PropertyValue& other) noexcept;
    PropertyValue(PropertyValue&& other) noexcept;
    PropertyValue& operator=(const PropertyValue& other) noexcept;
    PropertyValue& operator=(PropertyValue&& other) noexcept;
    ~PropertyValue() {
        if (is_boxed(kind_)) {
            release();
        }
    }

    static PropertyValue length(Length length) {
        PropertyValue v(ValueKind::Length);
        v.payload_.length = length;
        return v;
    }
    static PropertyValue color(Color color) {
        PropertyValue v(ValueKind::Color);
        v.payload_.color = color;
        return v;
    }
    static PropertyValue gradient(Gradient gradient);
    static PropertyValue enumeration(std::uint16_t code) {
        PropertyValue v(ValueKind::Enum);
        v.payload_.code = code;
        return v;
    }
    static PropertyValue string(std::string text);
    // The fraction: 50% is 0.5.
    static PropertyValue percentage(double fraction) {
        PropertyValue v(ValueKind::Percentage);
        v.payload_.real = fraction;
        return v;
    }
    static PropertyValue integer(std::int32_t value) {
        PropertyValue v(ValueKind::Integer);
        v.payload_.integer = value;
        return v;
    }
    static PropertyValue number(double value) {
        PropertyValue v(ValueKind::Number);
        v.payload_.real = value;
        return v;
    }
    static PropertyValue boolean(bool value) {
        PropertyValue v(ValueKind::Boolean);
        v.payload_.boolean = value;
        return v;
    }
    static PropertyValue list(std::vector<PropertyValue> items);
    static PropertyValue pair(PropertyValue first, PropertyValue second);
    static PropertyValue relative_font_size(RelativeFontSize size) {
        PropertyValue v(ValueKind::RelativeFontSize);
        v.payload_.relative = size;
        return v;
    }
    static PropertyValue expression(Expression expression);
    static PropertyValue auto_value() { return PropertyValue(); }
    static PropertyValue none() { return PropertyValue(ValueKind::None); }
    static PropertyValue inherit() { return PropertyValue(ValueKind::Inherit); }

    ValueKind kind() const { return kind_; }

    const Length* length() const { return when(ValueKind::Length, &payload_.length); }
    const Color* color() const { return when(ValueKind::Color, &payload_.color); }
    const Gradient* gradient() const;
    const std::uint16_t* enumeration() const { return when(ValueKind::Enum, &payload_.code); }
    const std::string* string() const {
        return kind_ == ValueKind::String ? &static_cast<const StringBox*>(payload_.box)->text
                                          : nullptr;
    }
    const double* percentage() const { return when(ValueKind::Percentage, &payload_.real); }
    const std::int32_t* integer() const { return when(ValueKind::Integer, &payload_.integer); }
    const double* number() const { return when(ValueKind::Number, &payload_.real); }
    const bool* boolean() const { return when(ValueKind::Boolean, &payload_.boolean); }
    const std::vector<PropertyValue>* list() const;
    const std::pair<PropertyValue, PropertyValue>* pair() const;
    const RelativeFontSize* relative_font_size() const {
        return when(ValueKind::RelativeFontSize, &payload_.relative);
    }
    const Expression* expression() const;
    bool is_auto() const { return kind_ == ValueKind::Auto; }
    bool is_none() const { return kind_ == ValueKind::None; }
    bool is_inherit() const { return kind_ == ValueKind::Inherit; }

    // Payload equality: boxed payloads compare by content.
    friend bool operator==(const PropertyValue& a, const PropertyValue& b);

    // Whether both values hold the very same box (or equal scalars, bit for
    // bit): a cheap test that implies equality.
    bool shares_payload_with(const PropertyValue& other) const {
        return kind_ == other.kind_ && payload_bits() == other.payload_bits();
    }
    // The payload's raw bits, for hashing together with kind().
    std::uint64_t payload_bits() const {
        std::uint64_t bits;
        std::memcpy(&bits, &payload_, sizeof bits);
        return bits;
    }

private:
    // The common head of every box; the count starts at one.
    struct Box {
        mutable std::atomic<std::uint32_t> references{1};
    };
    struct StringBox : Box {
        explicit StringBox(std::string value) : text(std::move(value)) {}
        std::string text;
    };
    template <class T>
    struct Boxed;  // Box holding a T; defined where used

    union Payload {
        Payload() : bits(0) {}
        std::uint64_t bits;
        Length length;
        Color color;
        std::uint16_t code;
        double real;
        std::int32_t integer;
        bool boolean;
        RelativeFontSize relative;
        const Box* box;
    };
    static_assert(sizeof(Payload) == 8);

    static constexpr bool is_boxed(ValueKind kind) {
        return kind == ValueKind::Gradient || kind == ValueKind::String ||
               kind == ValueKind::List || kind == ValueKind::Pair || kind == ValueKind::Expression;
    }

    explicit PropertyValue(ValueKind kind) : kind_(kind) {}
    PropertyValue(ValueKind kind, const Box* box) : kind_(kind) { payload_.box = box; }

    template <class T>
    const T* when(ValueKind kind, const T* field) const {
        return kind_ == kind ? field : nullptr;
    }
    template <class T>
    const T* boxed(ValueKind kind) const;

    void retain() const { payload_.box->references.fetch_add(1, std::memory_order_relaxed); }
    void release() noexcept;

    Payload payload_;
    ValueKind kind_ = ValueKind::Auto;
};

static_assert(sizeof(PropertyValue) == 16);

// The diagnostic text quoted in validation messages: the kind's name and, when
// there is a payload, its display in parentheses: Length(Length(12pt)),
// Color(Color(#FF0000)), String("text"), Percentage(Percentage(50%)),
// Integer(3), Number(2.0), List([a, b]), Pair(a, b), RelativeFontSize(Larger),
// Expression(...), Gradient(...), Auto.
std::string display(const PropertyValue& value);
void append_display(std::string& out, const PropertyValue& value);

}  // namespace lorp
