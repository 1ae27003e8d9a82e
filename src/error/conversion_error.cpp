#include "error/conversion_error.h"

#include <charconv>
#include <utility>

namespace lorp {

namespace {

void append_unsigned(std::string& out, std::uint32_t value) {
    char buffer[16];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    out.append(buffer, end);
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang before 17).
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

std::string display(const Location& location) {
    if (location.line == 0 && location.column == 0) {
        return "unknown location";
    }
    std::string out = "line ";
    append_unsigned(out, location.line);
    out += ", column ";
    append_unsigned(out, location.column);
    return out;
}

ConversionError ConversionError::xml_located(std::string message, Location location) {
    return {XmlLocated{std::move(message), location}};
}
ConversionError ConversionError::entity_resolution(std::string message, Location location) {
    return {EntityResolution{std::move(message), location}};
}
ConversionError ConversionError::unknown_property(std::string name) {
    return {UnknownProperty{std::move(name)}};
}
ConversionError ConversionError::invalid_element(std::string message) {
    return {InvalidElement{std::move(message)}};
}
ConversionError ConversionError::missing_attribute(std::string element, std::string attribute) {
    return {MissingAttribute{std::move(element), std::move(attribute)}};
}
ConversionError ConversionError::property_validation(std::string property, std::string value,
                                                     std::string message) {
    return {PropertyValidation{std::move(property), std::move(value), std::move(message)}};
}
ConversionError ConversionError::parse(std::string message) { return {ParseError{std::move(message)}}; }
ConversionError ConversionError::generic(std::string message) {
    return {GenericError{std::move(message)}};
}

std::string display(const ConversionError& error) {
    return std::visit(
        Overloaded{
            [](const XmlLocated& e) {
                return "XML parsing error at " + display(e.location) + ": " + e.message;
            },
            [](const EntityResolution& e) {
                return "Entity resolution error at " + display(e.location) + ": " + e.message;
            },
            [](const UnknownProperty& e) { return "Unknown property: " + e.name; },
            [](const InvalidElement& e) { return "Invalid element: " + e.message; },
            [](const MissingAttribute& e) {
                return "Missing required attribute " + e.attribute + " on element " + e.element;
            },
            [](const PropertyValidation& e) {
                return "Property validation error for " + e.property + ": " + e.value + " - " +
                       e.message;
            },
            [](const ParseError& e) { return "Parse error: " + e.message; },
            [](const GenericError& e) { return e.message; },
        },
        error.kind);
}

}  // namespace lorp
