#include "layout/area/area_tree.h"

#include <charconv>
#include <string>
#include <utility>

#include "types/huge_pages.h"

namespace lorp {

namespace {

ConversionError missing_area(const char* role, AreaId id) {
    std::string message = role;
    message += " area ";
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, id).ptr;
    message.append(digits, end);
    message += " does not exist";
    return ConversionError::generic(std::move(message));
}

}  // namespace

void AreaTree::reserve(std::size_t count) {
    nodes_.reserve(count);
    advise_huge_pages(nodes_.data(), nodes_.capacity() * sizeof(Node));
}

AreaId AreaTree::add(Area area) {
    nodes_.emplace_back(std::move(area));
    return nodes_.size() - 1;
}

Status AreaTree::attach_child(AreaId parent, AreaId child) {
    if (!contains(child)) {
        return missing_area("Child", child);
    }
    if (!contains(parent)) {
        return missing_area("Parent", parent);
    }
    Node& p = nodes_[parent];
    nodes_[child].parent = static_cast<Link>(parent);
    const auto link = static_cast<Link>(child);
    if (p.first_child == kNone) {
        p.first_child = link;
    } else {
        nodes_[p.last_child].next_sibling = link;
    }
    p.last_child = link;
    return ok_status();
}

std::vector<AreaId> AreaTree::children(AreaId id) const {
    std::vector<AreaId> out;
    if (!contains(id)) {
        return out;
    }
    for (Link c = nodes_[id].first_child; c != kNone; c = nodes_[c].next_sibling) {
        out.push_back(c);
    }
    return out;
}

void AreaTree::register_footnote(AreaId page, AreaId footnote) {
    page_footnotes_[page].push_back(footnote);
}

const std::vector<AreaId>* AreaTree::footnotes(AreaId page) const {
    auto it = page_footnotes_.find(page);
    return it == page_footnotes_.end() ? nullptr : &it->second;
}

}  // namespace lorp
