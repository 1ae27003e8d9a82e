#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "error/result.h"
#include "layout/area/area.h"

namespace lorp {

// Index of an area in its tree's arena. Ids are handed out in creation order
// and stay valid for the life of the tree.
using AreaId = std::size_t;

// The output of layout: an append-only arena of areas linked into trees whose
// roots are the pages, in document order.
class AreaTree {
public:
    AreaTree() = default;

    // Room for this many areas without moving the arena; a large arena is
    // backed by huge pages where the system offers them.
    void reserve(std::size_t count);

    // Appends an unlinked area and returns its id. An arena holds fewer than
    // 2^32 - 1 areas (far more than memory allows).
    AreaId add(Area area);

    // Links child as the last child of parent. Fails with "Child area {} does
    // not exist" or "Parent area {} does not exist" (the child is checked
    // first); the tree is unchanged on failure. Constant time.
    Status attach_child(AreaId parent, AreaId child);

    std::size_t size() const { return nodes_.size(); }
    bool contains(AreaId id) const { return id < nodes_.size(); }

    // Precondition for the accessors below: contains(id).
    const Area& get(AreaId id) const { return nodes_[id].area; }
    Area& get(AreaId id) { return nodes_[id].area; }
    std::optional<AreaId> parent(AreaId id) const { return link(nodes_[id].parent); }
    std::optional<AreaId> first_child(AreaId id) const { return link(nodes_[id].first_child); }
    std::optional<AreaId> next_sibling(AreaId id) const { return link(nodes_[id].next_sibling); }
    // The child ids in attach order (an empty list for an unknown id).
    std::vector<AreaId> children(AreaId id) const;

    // Footnote areas waiting to be placed at the bottom of a page, in
    // registration order.
    void register_footnote(AreaId page, AreaId footnote);
    const std::vector<AreaId>* footnotes(AreaId page) const;

private:
    // Links are stored in 32 bits to keep nodes small; the arena never
    // holds more areas than that.
    using Link = std::uint32_t;
    static constexpr Link kNone = std::numeric_limits<Link>::max();
    static std::optional<AreaId> link(Link id) {
        return id == kNone ? std::nullopt : std::optional<AreaId>(id);
    }

    struct Node {
        explicit Node(Area&& moved) : area(std::move(moved)) {}

        Area area;
        Link parent = kNone;
        Link first_child = kNone;
        Link next_sibling = kNone;
        Link last_child = kNone;  // makes attach_child constant time
    };

    std::vector<Node> nodes_;
    std::unordered_map<AreaId, std::vector<AreaId>> page_footnotes_;
};

}  // namespace lorp
