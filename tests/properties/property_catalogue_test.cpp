#include "properties/property_catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace lorp {
namespace {

TEST(PropertyCatalogue, LooksUpNames) {
    struct Case {
        std::string_view name;
        int id;
    };
    const Case cases[] = {
        {"absolute-position", 1},
        {"id", 122},
        {"src", 232},
        {"xml-lang", 268},
        {"xml:lang", 268},
        {"x-abbreviation", 294},
        {"opacity", 295},
        {"merge-ranges-across-index-key-references", 159},
        {"merge-pages-across-index-key-references", 158},
        {"Color", 0},
        {"XML:LANG", 0},
        {"color ", 0},
        {" color", 0},
        {"fo:color", 0},
        {"xml_lang", 0},
        {"colo", 0},
        {"", 0},
        {"x", 0},
        {"merge-ranges-across-index-key-referencesX", 0},
        {std::string_view("color\0", 6), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<int>(property_id(c.name)), c.id) << c.name;
    }
}

TEST(PropertyCatalogue, EveryNameRoundTripsAndDisplaysInUpperCamelCase) {
    for (int raw = 1; raw <= kPropertyCount; ++raw) {
        auto id = static_cast<PropertyId>(raw);
        std::string_view name = property_name(id);
        ASSERT_FALSE(name.empty()) << raw;
        EXPECT_EQ(property_id(name), id) << name;

        std::string expected;
        bool word_start = true;
        for (char c : name) {
            if (c == '-') {
                word_start = true;
                continue;
            }
            expected += word_start ? static_cast<char>(c - 'a' + 'A') : c;
            word_start = false;
        }
        EXPECT_EQ(property_display_name(id), expected) << name;
    }
}

TEST(PropertyCatalogue, DisplayNamesMatchTheEnumerators) {
    EXPECT_EQ(property_display_name(PropertyId::TextTransform), "TextTransform");
    EXPECT_EQ(static_cast<int>(PropertyId::TextTransform), 252);
    EXPECT_EQ(property_display_name(PropertyId{274}), "XXmlBase");
    EXPECT_EQ(property_display_name(PropertyId{269}), "ZIndex");
    EXPECT_EQ(property_display_name(PropertyId{275}), "XBorderBeforeRadiusStart");
}

TEST(PropertyCatalogue, IdsOutsideTheCatalogueHaveNoNames) {
    for (int raw : {0, 296, 65535}) {
        auto id = static_cast<PropertyId>(raw);
        EXPECT_FALSE(is_catalogued(id));
        EXPECT_EQ(property_name(id), "");
        EXPECT_EQ(property_display_name(id), "");
        EXPECT_FALSE(is_inherited(id));
    }
}

TEST(PropertyCatalogue, FourteenPropertiesAreInherited) {
    const char* inherited[] = {"color",        "direction",   "font-family",    "font-size",
                               "font-style",   "font-weight", "letter-spacing", "line-height",
                               "text-align",   "text-indent", "visibility",     "white-space",
                               "word-spacing", "writing-mode"};
    int count = 0;
    for (int raw = 1; raw <= kPropertyCount; ++raw) {
        count += is_inherited(static_cast<PropertyId>(raw));
    }
    EXPECT_EQ(count, 14);
    for (const char* name : inherited) {
        EXPECT_TRUE(is_inherited(property_id(name))) << name;
    }
}

}  // namespace
}  // namespace lorp
