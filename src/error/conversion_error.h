#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace lorp {

// Where in the document text a failure was detected: 1-based line, 1-based
// column counted in characters. Both 0 means the place is unknown.
struct Location {
    std::uint32_t line = 0;
    std::uint32_t column = 0;

    friend bool operator==(const Location&, const Location&) = default;
};

// "unknown location" or "line {}, column {}".
std::string display(const Location& location);

// The one error every stage returns. Each kind is a plain record; the message a
// caller sees is display(error), built from fixed templates.
struct XmlLocated {
    std::string message;
    Location location;
};
struct EntityResolution {
    std::string message;
    Location location;
};
struct UnknownProperty {
    std::string name;
};
struct InvalidElement {
    std::string message;
};
struct MissingAttribute {
    std::string element;
    std::string attribute;
};
struct PropertyValidation {
    std::string property;
    std::string value;
    std::string message;
};
struct ParseError {
    std::string message;
};
struct GenericError {
    std::string message;
};

struct ConversionError {
    std::variant<XmlLocated, EntityResolution, UnknownProperty, InvalidElement, MissingAttribute,
                 PropertyValidation, ParseError, GenericError>
        kind;

    static ConversionError xml_located(std::string message, Location location);
    static ConversionError entity_resolution(std::string message, Location location);
    static ConversionError unknown_property(std::string name);
    static ConversionError invalid_element(std::string message);
    static ConversionError missing_attribute(std::string element, std::string attribute);
    static ConversionError property_validation(std::string property, std::string value,
                                               std::string message);
    static ConversionError parse(std::string message);
    static ConversionError generic(std::string message);
};

// The message text: the only thing a caller ever sees of an error.
std::string display(const ConversionError& error);

}  // namespace lorp
