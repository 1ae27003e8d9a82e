#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "fo/builder.h"
#include "layout/area/area_tree.h"
#include "layout/layout.h"

namespace lorp::testing {

inline constexpr std::string_view kFoNamespace = "http://www.w3.org/1999/XSL/Format";

// A document with the given master set content and page sequences.
inline std::string fo_document(std::string_view masters, std::string_view sequences) {
    std::string doc = "<fo:root xmlns:fo=\"";
    doc += kFoNamespace;
    doc += "\"><fo:layout-master-set>";
    doc += masters;
    doc += "</fo:layout-master-set>";
    doc += sequences;
    doc += "</fo:root>";
    return doc;
}

// One page sequence on an A4 master without margins on the body, holding
// the flow content given; the body region is (72000, 72000, 451276, 697890).
inline std::string flow_document(std::string_view flow_content,
                                 std::string_view flow_attributes = "") {
    std::string seq =
        "<fo:page-sequence master-reference=\"A4\"><fo:flow flow-name=\"xsl-region-body\"";
    if (!flow_attributes.empty()) {
        seq += ' ';
        seq += flow_attributes;
    }
    seq += '>';
    seq += flow_content;
    seq += "</fo:flow></fo:page-sequence>";
    return fo_document(
        "<fo:simple-page-master master-name=\"A4\"><fo:region-body/>"
        "</fo:simple-page-master>",
        seq);
}

// Parses and lays out; a failure of either stage fails the test.
inline AreaTree lay_out(const std::string& document) {
    Result<FoTree> tree = build_fo_tree(document);
    EXPECT_TRUE(tree.ok()) << (tree.ok() ? "" : display(tree.error()));
    if (!tree.ok()) {
        return AreaTree();
    }
    Result<AreaTree> areas = layout(*tree, LayoutConfig{});
    EXPECT_TRUE(areas.ok()) << (areas.ok() ? "" : display(areas.error()));
    return areas.ok() ? std::move(areas).value() : AreaTree();
}

// The areas of one kind in arena (creation) order.
inline std::vector<AreaId> areas_of(const AreaTree& tree, AreaKind kind) {
    std::vector<AreaId> out;
    for (AreaId id = 0; id < tree.size(); ++id) {
        if (tree.get(id).kind == kind) {
            out.push_back(id);
        }
    }
    return out;
}

// The i-th area of a kind; fails the test when there are fewer.
inline const Area& nth(const AreaTree& tree, AreaKind kind, std::size_t i) {
    static const Area missing = Area::at(AreaKind::Page);
    const std::vector<AreaId> all = areas_of(tree, kind);
    EXPECT_LT(i, all.size()) << "too few areas of the kind asked for";
    return i < all.size() ? tree.get(all[i]) : missing;
}

inline std::string text_of(const Area& area) {
    const std::string* text = area.text();
    return text != nullptr ? *text : std::string("<no text>");
}

struct Geometry {
    std::int32_t x, y, width, height;
    friend bool operator==(const Geometry&, const Geometry&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Geometry& g) {
        return os << "(" << g.x << ", " << g.y << ", " << g.width << ", " << g.height << ")";
    }
};

inline Geometry geometry(const Area& area) {
    return Geometry{area.x, area.y, area.width, area.height};
}

}  // namespace lorp::testing
