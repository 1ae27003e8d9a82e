#include "properties/parse/attribute_pass.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "properties/property_catalogue.h"
#include "properties/property_validation.h"

namespace lorp {
namespace {

// "name=display" for every property set on the list, in id order.
std::vector<std::string> stored(const PropertyList& list) {
    std::vector<std::string> out;
    for (const PropertySlot& slot : list.slots()) {
        out.push_back(std::string(property_name(slot.id)) + "=" + display(slot.value));
    }
    return out;
}

std::vector<std::string> apply(std::initializer_list<AttributeText> attributes) {
    PropertyList list;
    EXPECT_TRUE(apply_attributes(list, std::span(attributes.begin(), attributes.size())).ok());
    return stored(list);
}

using Stored = std::vector<std::string>;

TEST(AttributePass, StoresPropertiesAndSkipsEverythingElse) {
    EXPECT_EQ(apply({{"id", "x"},
                     {"flow-name", "xsl-region-body"},
                     {"master-reference", "A4"},
                     {"external-destination", "url(x)"},
                     {"fo:color", "red"},
                     {"Color", "red"},
                     {"no-such-property", "1pt"},
                     {"xml:lang", "en"},
                     {"margin-left", "2cm"}}),
              (Stored{"margin-left=Length(Length(56.693pt))", "xml-lang=String(\"en\")"}));
    EXPECT_EQ(apply({}), Stored{});
}

TEST(AttributePass, LaterAttributesReplaceEarlierOnes) {
    EXPECT_EQ(apply({{"color", "red"}, {"color", "blue"}}), Stored{"color=Color(Color(#0000FF))"});
    EXPECT_EQ(apply({{"margin", "1pt"}, {"margin-top", "5pt"}}),
              (Stored{"margin-bottom=Length(Length(1pt))", "margin-left=Length(Length(1pt))",
                      "margin-right=Length(Length(1pt))", "margin-top=Length(Length(5pt))"}));
    EXPECT_EQ(apply({{"margin-top", "5pt"}, {"margin", "1pt"}}),
              (Stored{"margin-bottom=Length(Length(1pt))", "margin-left=Length(Length(1pt))",
                      "margin-right=Length(Length(1pt))", "margin-top=Length(Length(1pt))"}));
}

TEST(AttributePass, FourSidedShorthands) {
    const struct {
        const char* name;
        const char* value;
        Stored expected;  // top, right, bottom, left as stored, in id order below
    } cases[] = {
        {"margin",
         "1pt 2pt",
         {"margin-bottom=Length(Length(1pt))", "margin-left=Length(Length(2pt))",
          "margin-right=Length(Length(2pt))", "margin-top=Length(Length(1pt))"}},
        {"margin",
         "1pt 2pt 3pt",
         {"margin-bottom=Length(Length(3pt))", "margin-left=Length(Length(2pt))",
          "margin-right=Length(Length(2pt))", "margin-top=Length(Length(1pt))"}},
        {"margin",
         "1pt 2pt 3pt 4pt",
         {"margin-bottom=Length(Length(3pt))", "margin-left=Length(Length(4pt))",
          "margin-right=Length(Length(2pt))", "margin-top=Length(Length(1pt))"}},
        {"margin",
         "1pt 2pt 3pt 4pt 5pt",
         {"margin-bottom=Length(Length(1pt))", "margin-left=Length(Length(1pt))",
          "margin-right=Length(Length(1pt))", "margin-top=Length(Length(1pt))"}},
        {"margin",
         "auto",
         {"margin-bottom=Auto", "margin-left=Auto", "margin-right=Auto", "margin-top=Auto"}},
        {"padding",
         "inherit",
         {"padding-bottom=Inherit", "padding-left=Inherit", "padding-right=Inherit",
          "padding-top=Inherit"}},
        {"border-color",
         "red blue",
         {"border-bottom-color=Color(Color(#FF0000))", "border-left-color=Color(Color(#0000FF))",
          "border-right-color=Color(Color(#0000FF))", "border-top-color=Color(Color(#FF0000))"}},
        {"border-style",
         "solid",
         {"border-bottom-style=String(\"solid\")", "border-left-style=String(\"solid\")",
          "border-right-style=String(\"solid\")", "border-top-style=String(\"solid\")"}},
        {"border-width",
         "1pt 2pt 3pt",
         {"border-bottom-width=Length(Length(3pt))", "border-left-width=Length(Length(2pt))",
          "border-right-width=Length(Length(2pt))", "border-top-width=Length(Length(1pt))"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(apply({{c.name, c.value}}), c.expected) << c.name << "=" << c.value;
    }
}

TEST(AttributePass, BorderSideShorthands) {
    const struct {
        const char* name;
        const char* value;
        Stored expected;
    } cases[] = {
        {"border-top", "2pt", {"border-top-width=Length(Length(2pt))"}},
        {"border-top", "red", {"border-top-color=Color(Color(#FF0000))"}},
        {"border-left",
         "1pt solid",
         {"border-left-style=String(\"solid\")", "border-left-width=Length(Length(1pt))"}},
        {"border-bottom",
         "red 1pt dashed 3pt 7 dotted",
         {"border-bottom-color=Color(Color(#FF0000))", "border-bottom-style=String(\"dotted\")",
          "border-bottom-width=Length(Length(3pt))"}},
        {"border-right",
         "none",
         {"border-right-color=None", "border-right-style=None", "border-right-width=None"}},
        {"border-right",
         "solid",
         {"border-right-color=String(\"solid\")", "border-right-style=String(\"solid\")",
          "border-right-width=String(\"solid\")"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(apply({{c.name, c.value}}), c.expected) << c.name << "=" << c.value;
    }
}

TEST(AttributePass, BorderSetsEverySide) {
    Stored expected;
    for (const char* side : {"bottom", "left", "right", "top"}) {
        expected.push_back(std::string("border-") + side + "-color=Color(Color(#000000))");
        expected.push_back(std::string("border-") + side + "-style=String(\"solid\")");
        expected.push_back(std::string("border-") + side + "-width=Length(Length(1pt))");
    }
    std::vector<std::string> got = apply({{"border", "1pt solid black"}});
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, expected);
    // One keyword fills width, style and colour of all four sides.
    EXPECT_EQ(apply({{"border", "solid"}}).size(), 12u);
}

TEST(AttributePass, FontShorthand) {
    const struct {
        const char* value;
        Stored expected;
    } cases[] = {
        {"bold 12pt Arial",
         {"font-family=String(\"Arial\")", "font-size=Length(Length(12pt))",
          "font-style=String(\"normal\")", "font-variant=String(\"normal\")",
          "font-weight=String(\"bold\")"}},
        {"italic small-caps 700 14pt/1.2 Times, serif",
         {"font-family=List([String(\"Times\"), String(\"serif\")])",
          "font-size=Length(Length(14pt))", "font-style=String(\"italic\")",
          "font-variant=String(\"small-caps\")", "font-weight=String(\"700\")",
          "line-height=Number(1.2)"}},
        {"12pt/18pt Arial",
         {"font-family=String(\"Arial\")", "font-size=Length(Length(12pt))",
          "font-style=String(\"normal\")", "font-variant=String(\"normal\")",
          "font-weight=String(\"normal\")", "line-height=Length(Length(18pt))"}},
        {"12pt/150%",
         {"font-size=Length(Length(12pt))", "font-style=String(\"normal\")",
          "font-variant=String(\"normal\")", "font-weight=String(\"normal\")",
          "line-height=Percentage(Percentage(150%))"}},
        // 16px arrives as 12pt; line heights in px, em and the keyword normal.
        {"16px/20px a",
         {"font-family=String(\"a\")", "font-size=Length(Length(12pt))",
          "font-style=String(\"normal\")", "font-variant=String(\"normal\")",
          "font-weight=String(\"normal\")", "line-height=Length(Length(15pt))"}},
        {"1.2em/1.5em x",
         {"font-family=String(\"x\")", "font-size=String(\"1.2em\")",
          "font-style=String(\"normal\")", "font-variant=String(\"normal\")",
          "font-weight=String(\"normal\")", "line-height=String(\"1.5em\")"}},
        {"1cm/normal",
         {"font-size=Length(Length(28.346pt))", "font-style=String(\"normal\")",
          "font-variant=String(\"normal\")", "font-weight=String(\"normal\")",
          "line-height=String(\"normal\")"}},
        // A kind given twice ends the prefix: the second "normal" is the size token.
        {"normal normal 12pt",
         {"font-family=String(\"12pt\")", "font-style=String(\"normal\")",
          "font-variant=String(\"normal\")", "font-weight=String(\"normal\")"}},
        // Sizes in ex, bare numbers and unknown texts store no font-size.
        {"2ex/bad a, , \"b c\"",
         {"font-family=List([String(\"a\"), String(\"\\\"b c\\\"\")])",
          "font-style=String(\"normal\")", "font-variant=String(\"normal\")",
          "font-weight=String(\"normal\")"}},
        {"large serif",
         {"font-family=String(\"serif\")", "font-size=String(\"large\")",
          "font-style=String(\"normal\")", "font-variant=String(\"normal\")",
          "font-weight=String(\"normal\")"}},
        {"initial",
         {"font-family=String(\"serif\")", "font-size=String(\"medium\")",
          "font-style=String(\"normal\")", "font-variant=String(\"normal\")",
          "font-weight=String(\"normal\")", "line-height=String(\"normal\")"}},
        {"bold", {}},
        {"bold italic small-caps", {}},
        {"12pt", {}},
        {"inherit", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(apply({{"font", c.value}}), c.expected) << c.value;
    }
}

TEST(AttributePass, FontShorthandFailsValidationWhereItStoresKeywords) {
    for (const char* value : {"large serif", "initial"}) {
        PropertyList list;
        AttributeText attribute{"font", value};
        ASSERT_TRUE(apply_attributes(list, std::span(&attribute, 1)).ok());
        Status status = validate_properties(list.slots());
        ASSERT_FALSE(status.ok()) << value;
        EXPECT_NE(display(status.error()).find("Expected length value"), std::string::npos);
    }
}

TEST(AttributePass, BackgroundShorthand) {
    const struct {
        const char* value;
        Stored expected;
    } cases[] = {
        {"#ff0000 url(bg.png) no-repeat center",
         {"background-color=Color(Color(#FF0000))", "background-image=String(\"url(bg.png)\")",
          "background-position=String(\"center\")", "background-repeat=String(\"no-repeat\")"}},
        {"left top", {"background-position=String(\"top\")"}},
        {"10% fixed",
         {"background-attachment=String(\"fixed\")",
          "background-position=Percentage(Percentage(10%))"}},
        {"2pt", {"background-position=Length(Length(2pt))"}},
        {"url(", {}},
        {"none", {}},
        {"inherit", {}},
        {"linear-gradient(red,blue)", {}},
        {"fancy 3", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(apply({{"background", c.value}}), c.expected) << c.value;
    }
}

}  // namespace
}  // namespace lorp
