#include "fo/fo_tree.h"

#include "types/number_text.h"

namespace lorp {

static_assert(sizeof(FoNode) == 32);

FoTree::Children::iterator& FoTree::Children::iterator::operator++() {
    at_ = tree_->node(at_).next_sibling_;
    return *this;
}

NodeId FoTree::push(FoNode node) {
    if ((count_ & kBlockMask) == 0) {
        blocks_.emplace_back().reserve(kBlockMask + 1);
    }
    blocks_.back().push_back(std::move(node));
    return count_++;
}

FoNode::FoNode(FoNode&& other) noexcept
    : parent_(other.parent_),
      first_child_(other.first_child_),
      next_sibling_(other.next_sibling_),
      last_child_(other.last_child_) {
    if (is_text()) {
        new (&payload_.text) TextNode(other.payload_.text);
    } else {
        new (&payload_.element) FoElementData(std::move(other.payload_.element));
    }
}

NodeId FoTree::add_node(std::optional<std::string_view> id, FoNodeData data) {
    if (auto* text = std::get_if<TextNode>(&data)) {
        return push(FoNode(TextNode{texts_.store(text->text)}));
    }
    auto& element = std::get<FoElementData>(data);
    if (id) {
        element.id_ = static_cast<std::uint32_t>(id_texts_.size());
        id_texts_.push_back(texts_.store(*id));
    }
    return push(FoNode(std::move(element)));
}

PropertyList& FoTree::new_property_list(const PropertyList* parent) {
    return properties_->new_list(parent);
}

void FoTree::discard_last_property_list(const PropertyList& list) {
    properties_->discard_last(list);
}

std::optional<std::string_view> FoTree::id_of(NodeId id) const {
    if (id >= count_) {
        return std::nullopt;
    }
    const FoElementData* element = node(id).element();
    if (element == nullptr || element->id_ == FoElementData::kNoId) {
        return std::nullopt;
    }
    return id_texts_[element->id_];
}

Status FoTree::append_child(NodeId parent, NodeId child) {
    if (child >= count_) {
        std::string message = "Child node ";
        append_integer(message, static_cast<std::int64_t>(child));
        message += " does not exist";
        return ConversionError::generic(std::move(message));
    }
    if (parent >= count_) {
        std::string message = "Parent node ";
        append_integer(message, static_cast<std::int64_t>(parent));
        message += " does not exist";
        return ConversionError::generic(std::move(message));
    }
    if (node(parent).is_text()) {
        std::string message = "Parent node ";
        append_integer(message, static_cast<std::int64_t>(parent));
        message += " is a text node";
        return ConversionError::generic(std::move(message));
    }
    link_last_child(static_cast<FoNode::Link>(parent), static_cast<FoNode::Link>(child));
    return ok_status();
}

void FoTree::link_last_child(FoNode::Link parent, FoNode::Link child) {
    FoNode& p = at(parent);
    at(child).parent_ = parent;
    if (p.first_child_ == FoNode::kNone) {
        p.first_child_ = child;
    } else {
        at(p.last_child_).next_sibling_ = child;
    }
    p.last_child_ = child;
}

void FoTree::add_text(std::optional<NodeId> parent, std::string_view text) {
    if (!parent || *parent >= count_) {
        return;
    }
    const FoElementData* element = at(*parent).element();
    if (element == nullptr || !accepts_text(element->kind())) {
        return;
    }
    const NodeId child = push(FoNode(TextNode{texts_.store(text)}));
    link_last_child(static_cast<FoNode::Link>(*parent), static_cast<FoNode::Link>(child));
}

Status FoTree::register_id(std::string_view id, NodeId node) {
    if (auto found = ids_.find(id); found != ids_.end()) {
        std::string message = "Duplicate ID '";
        message.append(id);
        message += "': already used by node ";
        append_integer(message, static_cast<std::int64_t>(found->second));
        message += " (attempted reuse at node ";
        append_integer(message, static_cast<std::int64_t>(node));
        message += ')';
        return ConversionError::generic(std::move(message));
    }
    // The key must outlive the caller's text: use the node's own copy when it is the same id.
    std::string_view key;
    if (std::optional<std::string_view> own = id_of(node); own && *own == id) {
        key = *own;
    } else {
        key = texts_.store(id);
    }
    ids_.emplace(key, node);
    return ok_status();
}

FoTree::Children FoTree::children(NodeId id) const {
    if (id >= count_) {
        return Children(this, FoNode::kNone);
    }
    return Children(this, node(id).first_child_);
}

std::optional<NodeId> FoTree::lookup_id(std::string_view id) const {
    auto it = ids_.find(id);
    if (it == ids_.end()) {
        return std::nullopt;
    }
    return it->second;
}

FoElementData* FoTree::mutable_element(NodeId id) {
    if (id >= count_) {
        return nullptr;
    }
    FoNode& node = at(id);
    return node.is_text() ? nullptr : &node.payload_.element;
}

}  // namespace lorp
