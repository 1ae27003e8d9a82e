#include "error/conversion_error.h"

#include <gtest/gtest.h>

#include "error/result.h"

namespace lorp {
namespace {

struct DisplayCase {
    ConversionError error;
    const char* expected;
};

TEST(ConversionErrorTest, EveryKindDisplaysItsTemplate) {
    const DisplayCase cases[] = {
        {ConversionError::xml_located("XML parsing error: unexpected end of input", {3, 7}),
         "XML parsing error at line 3, column 7: XML parsing error: unexpected end of input"},
        {ConversionError::entity_resolution("Unknown entity: &nbsp;", {1, 12}),
         "Entity resolution error at line 1, column 12: Unknown entity: &nbsp;"},
        {ConversionError::xml_located("boom", {0, 0}), "XML parsing error at unknown location: boom"},
        {ConversionError::unknown_property("fonts-size"), "Unknown property: fonts-size"},
        {ConversionError::invalid_element("Unknown FO element: foo"),
         "Invalid element: Unknown FO element: foo"},
        {ConversionError::missing_attribute("flow", "flow-name"),
         "Missing required attribute flow-name on element flow"},
        {ConversionError::property_validation("column-count", "Integer(300)", "out of range"),
         "Property validation error for column-count: Integer(300) - out of range"},
        {ConversionError::parse("Invalid length"), "Parse error: Invalid length"},
        {ConversionError::generic("Parent node 4 does not exist"), "Parent node 4 does not exist"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(display(c.error), c.expected);
    }
}

TEST(ConversionErrorTest, LocationDisplay) {
    EXPECT_EQ(display(Location{0, 0}), "unknown location");
    EXPECT_EQ(display(Location{0, 5}), "line 0, column 5");
    EXPECT_EQ(display(Location{4294967295u, 1}), "line 4294967295, column 1");
}

TEST(ResultTest, CarriesValueOrError) {
    Result<int> good(42);
    ASSERT_TRUE(good.ok());
    EXPECT_EQ(*good, 42);
    Result<int> bad(ConversionError::generic("nope"));
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(display(bad.error()), "nope");
}

}  // namespace
}  // namespace lorp
