#include "fo/element_factory.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace lorp {
namespace {

struct Attr {
    std::string name;
    std::string value;
};

Result<FoElementData> make(std::string_view name, const std::vector<Attr>& attrs = {}) {
    std::vector<XmlAttribute> list;
    for (const Attr& a : attrs) {
        list.push_back({a.name, a.value});
    }
    return make_node_data(name, list, nullptr);
}

template <class T>
T attributes_of(std::string_view name, const std::vector<Attr>& attrs) {
    Result<FoElementData> data = make(name, attrs);
    EXPECT_TRUE(data) << display(data.error());
    const T* record = data->attributes<T>();
    EXPECT_NE(record, nullptr);
    return record ? *record : T{};
}

TEST(FoElementCatalogue, FiftyNineDistinctNamesRoundTrip) {
    std::set<std::string_view> names;
    std::size_t takes_text = 0;
    for (std::size_t i = 0; i < kFoElementCount; ++i) {
        const auto kind = static_cast<FoElement>(i);
        names.insert(element_name(kind));
        EXPECT_EQ(find_element(element_name(kind)), kind) << element_name(kind);
        takes_text += accepts_text(kind) ? 1 : 0;
    }
    EXPECT_EQ(names.size(), 59u);
    EXPECT_EQ(takes_text, 6u);
    EXPECT_FALSE(keeps_property_list(FoElement::Root));
    EXPECT_FALSE(keeps_property_list(FoElement::ChangeBarEnd));
    EXPECT_TRUE(keeps_property_list(FoElement::ChangeBarBegin));
}

TEST(ElementFactory, NamesOutsideTheCatalogueAreInvalidElements) {
    for (const char* name :
         {"title", "single-page-master-reference", "repeatable-page-master-reference",
          "retrieve-table-marker", "Block", "foo", ""}) {
        Result<FoElementData> data = make(name);
        ASSERT_FALSE(data) << name;
        EXPECT_EQ(display(data.error()),
                  std::string("Invalid element: Unknown FO element: ") + name);
    }
}

TEST(ElementFactory, RequiredAttributesMustBePresentButMayBeEmpty) {
    const std::pair<const char*, const char*> required[] = {
        {"simple-page-master", "master-name"},
        {"conditional-page-master-reference", "master-reference"},
        {"page-sequence", "master-reference"},
        {"flow", "flow-name"},
        {"static-content", "flow-name"},
        {"external-graphic", "src"},
        {"page-number-citation", "ref-id"},
        {"marker", "marker-class-name"},
        {"retrieve-marker", "retrieve-class-name"},
    };
    for (auto [element, attribute] : required) {
        Result<FoElementData> missing = make(element, {{"id", "x"}, {"font-size", "12pt"}});
        ASSERT_FALSE(missing) << element;
        EXPECT_EQ(display(missing.error()), std::string("Missing required attribute ") + attribute +
                                                " on element " + element);
        EXPECT_TRUE(make(element, {{attribute, ""}})) << element;
    }
    // Not required: absent values take their defaults.
    for (const char* element : {"page-number-citation-last", "page-sequence-master",
                                "color-profile", "repeatable-page-master-alternatives"}) {
        EXPECT_TRUE(make(element)) << element;
    }
}

TEST(ElementFactory, TextAttributesAreKeptAsWrittenWithTheirDefaults) {
    EXPECT_EQ(attributes_of<FlowAttributes>("flow", {{"flow-name", " xsl-region-body "}}).flow_name,
              " xsl-region-body ");
    const auto graphic = attributes_of<ExternalGraphicAttributes>(
        "external-graphic", {{"src", "url('a.png')"}, {"scaling", "uniform"}});
    EXPECT_EQ(graphic.src, "url('a.png')");
    EXPECT_EQ(graphic.scaling, "uniform");
    EXPECT_FALSE(graphic.content_width);

    const auto sequence = attributes_of<PageSequenceAttributes>(
        "page-sequence", {{"master-reference", "A4"}, {"grouping-separator", ""}});
    EXPECT_EQ(sequence.format, "1");
    EXPECT_FALSE(sequence.grouping_separator);
    EXPECT_FALSE(sequence.grouping_size);

    EXPECT_EQ(attributes_of<CitationAttributes>("page-number-citation-last", {}).ref_id, "");
    EXPECT_EQ(attributes_of<MultiCaseAttributes>("multi-case", {}).starting_state, "visible");
    EXPECT_EQ(attributes_of<BidiOverrideAttributes>("bidi-override", {}).direction, "ltr");
    EXPECT_EQ(attributes_of<ChangeBarAttributes>("change-bar-end", {}).change_bar_class, "default");
    EXPECT_EQ(attributes_of<MasterNameAttributes>("page-sequence-master", {}).master_name, "");
    // The first of two attributes with the same name counts.
    EXPECT_EQ(attributes_of<LinkAttributes>(
                  "basic-link", {{"internal-destination", "a"}, {"internal-destination", "b"}})
                  .internal_destination,
              "a");
    // Kinds without element-specific attributes carry none.
    Result<FoElementData> block = make("block", {{"master-name", "x"}});
    ASSERT_TRUE(block);
    EXPECT_EQ(block->kind(), FoElement::Block);
    EXPECT_EQ(block->attributes<MasterNameAttributes>(), nullptr);
}

TEST(ElementFactory, KeywordsSelectTheirMemberAndEverythingElseTheFallback) {
    auto position = [](const char* v) {
        return attributes_of<ConditionalReferenceAttributes>("conditional-page-master-reference",
                                                             {{"master-reference", "m"},
                                                              {"page-position", v},
                                                              {"odd-or-even", v},
                                                              {"blank-or-not-blank", v}});
    };
    EXPECT_EQ(position("first").page_position, PagePosition::First);
    EXPECT_EQ(position("last").page_position, PagePosition::Last);
    EXPECT_EQ(position("rest").page_position, PagePosition::Rest);
    for (const char* other : {"any", "middle", "FIRST", "", " first"}) {
        EXPECT_EQ(position(other).page_position, PagePosition::Any) << other;
    }
    EXPECT_EQ(position("odd").odd_or_even, OddOrEven::Odd);
    EXPECT_EQ(position("even").odd_or_even, OddOrEven::Even);
    EXPECT_EQ(position("Even").odd_or_even, OddOrEven::Any);
    EXPECT_EQ(position("blank").blank_or_not_blank, BlankOrNotBlank::Blank);
    EXPECT_EQ(position("not-blank").blank_or_not_blank, BlankOrNotBlank::NotBlank);
    EXPECT_EQ(position("first").blank_or_not_blank, BlankOrNotBlank::Any);

    auto retrieve = [](const char* v) {
        return attributes_of<RetrieveMarkerAttributes>(
                   "retrieve-marker", {{"retrieve-class-name", "c"}, {"retrieve-position", v}})
            .retrieve_position;
    };
    EXPECT_EQ(retrieve("first-including-carryover"), RetrievePosition::FirstIncludingCarryover);
    EXPECT_EQ(retrieve("last-starting-within-page"), RetrievePosition::LastStartingWithinPage);
    EXPECT_EQ(retrieve("last-ending-within-page"), RetrievePosition::LastEndingWithinPage);
    EXPECT_EQ(retrieve("last"), RetrievePosition::FirstStartingWithinPage);
}

TEST(ElementFactory, NumbersAndCharactersFallBackInsteadOfFailing) {
    const std::pair<const char*, std::optional<std::int32_t>> repeats[] = {
        {"no-limit", std::nullopt},
        {"-1", -1},
        {"", std::nullopt},
        {"+5", 5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"-2147483649", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (auto [text, expected] : repeats) {
        EXPECT_EQ(attributes_of<RepeatableAlternativesAttributes>(
                      "repeatable-page-master-alternatives", {{"maximum-repeats", text}})
                      .maximum_repeats,
                  expected)
            << text;
    }

    const std::pair<const char*, std::optional<std::uint64_t>> sizes[] = {
        {"3", 3},
        {"+3", 3},
        {"-3", std::nullopt},
        {"", std::nullopt},
        {"3x", std::nullopt},
        {"18446744073709551615", UINT64_MAX},
        {"18446744073709551616", std::nullopt},
    };
    for (auto [text, expected] : sizes) {
        EXPECT_EQ(attributes_of<PageSequenceAttributes>(
                      "page-sequence", {{"master-reference", "m"}, {"grouping-size", text}})
                      .grouping_size,
                  expected)
            << text;
    }

    const std::pair<const char*, char32_t> characters[] = {
        {"", U'\uFFFD'},
        {"ab", U'a'},
        {"\xC3\xA9t\xC3\xA9", U'\u00E9'},
        {"\xF0\x9F\x98\x80!", U'\U0001F600'},
    };
    for (auto [text, expected] : characters) {
        EXPECT_EQ(attributes_of<CharacterAttributes>("character", {{"character", text}}).character,
                  expected)
            << text;
    }
    EXPECT_EQ(attributes_of<CharacterAttributes>("character", {}).character, U'\uFFFD');
    EXPECT_EQ(
        attributes_of<PageSequenceAttributes>(
            "page-sequence", {{"master-reference", "m"}, {"grouping-separator", "\xE2\x80\x89,"}})
            .grouping_separator,
        U'\u2009');
}

}  // namespace
}  // namespace lorp
