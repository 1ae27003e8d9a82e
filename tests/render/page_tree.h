#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "layout/area/area_tree.h"

namespace lorp::render_fixture {

// A tree holding one page of the given size; areas are added under it with
// `child`.
struct PageTree {
    AreaTree tree;
    AreaId page;

    PageTree(std::int32_t width, std::int32_t height)
        : page(tree.add(Area::at(AreaKind::Page, 0, 0, width, height))) {}

    AreaId child(AreaId parent, Area area) {
        const AreaId id = tree.add(std::move(area));
        EXPECT_TRUE(tree.attach_child(parent, id).ok());
        return id;
    }
    AreaId child(Area area) { return child(page, std::move(area)); }
};

// A 50 by 12 point Text area holding `text`.
inline Area text_area(std::int32_t x, std::int32_t y, std::string text) {
    Area area = Area::at(AreaKind::Text, x, y, 50000, 12000);
    area.content = TextContent{std::move(text)};
    return area;
}

}  // namespace lorp::render_fixture
