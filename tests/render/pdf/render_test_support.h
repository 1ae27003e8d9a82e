#pragma once

#include <gtest/gtest.h>

#include <string>

#include "layout/area/area_tree.h"
#include "render/page_tree.h"
#include "render/pdf/pdf_renderer.h"

namespace lorp::render_test {

// A US Letter page: 612 by 792 points.
inline constexpr std::int32_t kPageWidth = 612000;
inline constexpr std::int32_t kPageHeight = 792000;

// A tree holding one US Letter page; areas are added under it with `child`.
struct PageTree : render_fixture::PageTree {
    PageTree() : render_fixture::PageTree(kPageWidth, kPageHeight) {}
};

using render_fixture::text_area;

// The rendered model of a tree that must render without error.
inline PdfDocument rendered(const AreaTree& tree) {
    auto result = render_pdf(tree, {});
    EXPECT_TRUE(result.ok()) << display(result.error());
    return result.ok() ? std::move(result).value() : PdfDocument{};
}

// The content stream of the tree's first page.
inline std::string content(const AreaTree& tree) {
    PdfDocument document = rendered(tree);
    return document.pages.empty() ? "(no page)" : document.pages[0].content;
}

}  // namespace lorp::render_test
