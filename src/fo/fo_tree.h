#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "error/result.h"
#include "fo/fo_node_data.h"
#include "fo/text_store.h"
#include "properties/property_list.h"
#include "properties/property_store.h"

namespace lorp {

// Index of a node in its FoTree, given in creation (document) order from 0, so
// a parent always has a smaller id than its children.
using NodeId = std::size_t;

// One node of the tree, in 32 bytes. Links are stored as 32-bit indexes with
// a sentinel for "absent" and read back as optional NodeIds. A node's "id"
// attribute is read through FoTree::id_of.
class FoNode {
public:
    std::optional<NodeId> parent() const { return link(parent_); }
    std::optional<NodeId> first_child() const { return link(first_child_); }
    std::optional<NodeId> next_sibling() const { return link(next_sibling_); }

    // The element payload, or null for a text node.
    const FoElementData* element() const { return is_text() ? nullptr : &payload_.element; }
    // The text of a text node, or null for an element.
    const TextNode* text() const { return is_text() ? &payload_.text : nullptr; }

    FoNode(FoNode&& other) noexcept;
    FoNode(const FoNode&) = delete;
    FoNode& operator=(const FoNode&) = delete;
    FoNode& operator=(FoNode&&) = delete;
    ~FoNode() {
        if (!is_text()) {
            payload_.element.~FoElementData();
        }
    }

private:
    friend class FoTree;
    using Link = std::uint32_t;
    static constexpr Link kNone = std::numeric_limits<Link>::max();
    // A text node has no children: its last-child link marks it as text.
    static constexpr Link kTextMark = kNone - 1;

    static std::optional<NodeId> link(Link value) {
        return value == kNone ? std::nullopt : std::optional<NodeId>(value);
    }

    explicit FoNode(FoElementData element) {
        new (&payload_.element) FoElementData(std::move(element));
    }
    explicit FoNode(TextNode text) : last_child_(kTextMark) { new (&payload_.text) TextNode(text); }

    bool is_text() const { return last_child_ == kTextMark; }

    union Payload {
        Payload() {}
        ~Payload() {}
        FoElementData element;
        TextNode text;
    };

    Link parent_ = kNone;
    Link first_child_ = kNone;
    Link next_sibling_ = kNone;
    Link last_child_ = kNone;  // makes appending a child constant time
    Payload payload_;
};

// The formatting-object tree: an append-only arena of nodes in document order,
// the map from "id" values to nodes, and the document language. The builder
// fills it; afterwards it is only read.
class FoTree {
public:
    // The arena's capacity: links are 32-bit; one value is the "absent"
    // sentinel and one marks text nodes.
    static constexpr std::size_t kMaxNodes = FoNode::kTextMark;

    // Ordered child ids of a node, walked lazily along the sibling links.
    class Children {
    public:
        class iterator {
        public:
            using iterator_category = std::forward_iterator_tag;
            using value_type = NodeId;
            using difference_type = std::ptrdiff_t;
            using pointer = const NodeId*;
            using reference = NodeId;

            iterator() = default;
            NodeId operator*() const { return at_; }
            iterator& operator++();
            iterator operator++(int) {
                iterator before = *this;
                ++*this;
                return before;
            }
            friend bool operator==(const iterator& a, const iterator& b) { return a.at_ == b.at_; }

        private:
            friend class Children;
            iterator(const FoTree* tree, NodeId at) : tree_(tree), at_(at) {}
            const FoTree* tree_ = nullptr;
            NodeId at_ = FoNode::kNone;
        };

        iterator begin() const { return iterator(tree_, first_); }
        iterator end() const { return iterator(tree_, FoNode::kNone); }
        bool empty() const { return first_ == FoNode::kNone; }
        std::vector<NodeId> to_vector() const { return std::vector<NodeId>(begin(), end()); }

    private:
        friend class FoTree;
        Children(const FoTree* tree, NodeId first) : tree_(tree), first_(first) {}
        const FoTree* tree_;
        NodeId first_;
    };

    FoTree() = default;
    FoTree(FoTree&&) noexcept = default;
    FoTree& operator=(FoTree&&) noexcept = default;

    // Appends a node without links and returns its id (the node count before
    // the call). The id text, if any, is copied into the tree. Requires
    // node_count() < kMaxNodes.
    NodeId add_node(std::optional<std::string_view> id, FoNodeData data);

    // Links an existing node as the last child of another.
    Status append_child(NodeId parent, NodeId child);

    // Makes a text node under parent when parent exists and its kind takes
    // text; otherwise the text is dropped. Requires node_count() < kMaxNodes.
    void add_text(std::optional<NodeId> parent, std::string_view text);

    // Maps an id value to its node; a value already in use is an error.
    Status register_id(std::string_view id, NodeId node);

    // A new, empty PropertyList linked to parent, owned by the tree, for the
    // element about to be added. The most recent one can be given back while
    // no other has been made since, for the kinds that keep none.
    PropertyList& new_property_list(const PropertyList* parent);
    void discard_last_property_list(const PropertyList& list);

    // Precondition: id < node_count().
    const FoNode& node(NodeId id) const { return blocks_[id >> kBlockBits][id & kBlockMask]; }
    // Empty when id names no node.
    Children children(NodeId id) const;
    std::size_t node_count() const { return count_; }
    std::optional<NodeId> lookup_id(std::string_view id) const;
    // The element's "id" attribute as written; absent for text nodes, for
    // elements without one and when id names no node.
    std::optional<std::string_view> id_of(NodeId id) const;

    // The document language from fo:root; absent when not given.
    const std::optional<std::string>& language() const { return language_; }
    void set_language(std::string_view language) { language_.emplace(language); }

    // Element payload for the builder's late fill-ins (captured foreign
    // markup); null when id names no element node.
    FoElementData* mutable_element(NodeId id);

private:
    // Nodes live in fixed-size blocks: growing never moves a node, and the
    // arena never holds an old and a new copy of itself at once.
    static constexpr std::size_t kBlockBits = 12;
    static constexpr std::size_t kBlockMask = (std::size_t{1} << kBlockBits) - 1;

    FoNode& at(NodeId id) { return blocks_[id >> kBlockBits][id & kBlockMask]; }
    NodeId push(FoNode node);
    void link_last_child(FoNode::Link parent, FoNode::Link child);

    std::vector<std::vector<FoNode>> blocks_;  // each reserved to exactly one block
    std::size_t count_ = 0;
    std::optional<std::string> language_;
    std::unordered_map<std::string_view, NodeId> ids_;  // keys live in texts_
    std::vector<std::string_view> id_texts_;            // by FoElementData::id_, in texts_
    TextStore texts_;
    // Lists never move once made: their children point at them.
    std::unique_ptr<PropertyStore> properties_ = std::make_unique<PropertyStore>();
};

}  // namespace lorp
