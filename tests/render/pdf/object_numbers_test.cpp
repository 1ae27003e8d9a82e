#include "render/pdf/object_numbers.h"

#include <gtest/gtest.h>

namespace lorp {
namespace {

PdfPage page_with_links(std::size_t links) {
    PdfPage page;
    page.links.resize(links);
    return page;
}

TEST(ObjectNumbers, PlainDocumentNumbersPagesThenLinks) {
    PdfDocument document;
    document.pages = {page_with_links(1), page_with_links(0), page_with_links(2)};
    ObjectNumbers numbers = number_objects(document);
    EXPECT_EQ(numbers.outline_root, 0u);
    EXPECT_EQ(numbers.encryption, 0u);
    EXPECT_EQ(numbers.metadata, 0u);
    EXPECT_EQ(numbers.output_intent, 0u);
    EXPECT_EQ(numbers.struct_tree_root, 0u);
    EXPECT_EQ(numbers.page(0), 4u);
    EXPECT_EQ(numbers.content(0), 5u);
    EXPECT_EQ(numbers.page(2), 8u);
    EXPECT_EQ(numbers.first_link, 10u);
    EXPECT_EQ(numbers.last, 12u);
}

TEST(ObjectNumbers, EveryBlockFollowsThePreviousOne) {
    PdfDocument document;
    document.outline = std::vector<OutlineItem>(3);
    (*document.outline)[1].children.resize(2);
    (*document.outline)[1].children[0].children.resize(1);
    document.encryption = EncryptionSettings{};
    document.conformance = kConformancePdfA1b | kConformancePdfUa1;
    document.fonts.resize(2);
    document.images.resize(2);
    document.shadings.resize(2);
    document.ext_gstates.resize(1);
    document.pages = {page_with_links(2), page_with_links(1)};

    ObjectNumbers n = number_objects(document);
    EXPECT_EQ(n.outline_root, 4u);
    EXPECT_EQ(n.first_outline_item, 5u);
    EXPECT_EQ(n.outline_items, 6u);  // 3 + 2 + 1
    EXPECT_EQ(n.encryption, 11u);
    EXPECT_EQ(n.metadata, 12u);
    EXPECT_EQ(n.output_intent, 13u);
    EXPECT_EQ(n.icc_profile(), 14u);
    EXPECT_EQ(n.struct_tree_root, 15u);
    EXPECT_EQ(n.font(0), 16u);
    EXPECT_EQ(n.font_type0(1), 22u + 3u);
    EXPECT_EQ(n.image(0), 28u);
    EXPECT_EQ(n.shading_function(0), 30u);
    EXPECT_EQ(n.shading_dictionary(1), 33u);
    EXPECT_EQ(n.ext_gstate(0), 34u);
    EXPECT_EQ(n.page(0), 35u);
    EXPECT_EQ(n.content(1), 38u);
    EXPECT_EQ(n.first_link, 39u);
    EXPECT_EQ(n.last, 41u);
}

TEST(ObjectNumbers, ConformanceFlagsChooseTheirObjects) {
    struct Case {
        std::uint8_t conformance;
        std::size_t metadata, output_intent, struct_tree_root, first_page;
    };
    const Case cases[] = {
        {kConformancePdfA1b, 4, 5, 0, 7},
        {kConformancePdfUa1, 4, 0, 5, 6},
    };
    for (const auto& c : cases) {
        PdfDocument document;
        document.conformance = c.conformance;
        ObjectNumbers n = number_objects(document);
        EXPECT_EQ(n.metadata, c.metadata);
        EXPECT_EQ(n.output_intent, c.output_intent);
        EXPECT_EQ(n.struct_tree_root, c.struct_tree_root);
        EXPECT_EQ(n.first_page, c.first_page);
    }
}

TEST(ObjectNumbers, EmptyOutlineStillTakesTheRoot) {
    PdfDocument document;
    document.outline.emplace();
    ObjectNumbers n = number_objects(document);
    EXPECT_EQ(n.outline_root, 4u);
    EXPECT_EQ(n.outline_items, 0u);
    EXPECT_EQ(n.first_page, 5u);
}

}  // namespace
}  // namespace lorp
