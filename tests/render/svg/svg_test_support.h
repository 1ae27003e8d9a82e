#pragma once

#include <gtest/gtest.h>

#include <string>

#include "layout/area/area_tree.h"
#include "render/page_tree.h"
#include "render/svg/svg_renderer.h"

namespace lorp::svg_test {

// A tree holding one page (A4 unless given); areas are added under it with
// `child`.
struct PageTree : render_fixture::PageTree {
    explicit PageTree(std::int32_t width = 595280, std::int32_t height = 841890)
        : render_fixture::PageTree(width, height) {}
};

using render_fixture::text_area;

// The SVG of a tree that must render without error.
inline std::string svg(const AreaTree& tree) {
    auto result = render_svg(tree);
    EXPECT_TRUE(result.ok()) << display(result.error());
    return result.ok() ? std::move(result).value() : std::string();
}

// The element lines of a one-page document, without their two blanks of
// indentation: everything between the svg start line and "</svg>".
inline std::string elements(const AreaTree& tree) {
    const std::string document = svg(tree);
    const std::size_t start = document.find('\n', document.find("<svg")) + 1;
    const std::size_t end = document.rfind("</svg>");
    std::string out;
    for (std::size_t line = start; line < end;) {
        const std::size_t next = document.find('\n', line);
        EXPECT_EQ(document.substr(line, 2), "  ");
        out += document.substr(line + 2, next + 1 - (line + 2));
        line = next + 1;
    }
    return out;
}

}  // namespace lorp::svg_test
