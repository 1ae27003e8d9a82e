#include "fo/fo_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lorp {
namespace {

NodeId add_element(FoTree& tree, FoElement kind, std::optional<std::string_view> id = {}) {
    return tree.add_node(id, FoElementData(kind));
}

std::string message_of(const Status& status) {
    return status ? std::string("ok") : display(status.error());
}

TEST(FoTree, ChildrenKeepAttachOrderAcrossTextAndElements) {
    FoTree tree;
    const NodeId root = add_element(tree, FoElement::Root);
    const NodeId block = add_element(tree, FoElement::Block);
    ASSERT_TRUE(tree.append_child(root, block));
    tree.add_text(block, "one");
    const NodeId inline_node = add_element(tree, FoElement::Inline);
    ASSERT_TRUE(tree.append_child(block, inline_node));
    tree.add_text(block, "two");
    tree.add_text(inline_node, "inner");
    tree.add_text(block, "three");

    EXPECT_EQ(root, 0u);
    EXPECT_EQ(tree.node_count(), 7u);
    EXPECT_EQ(tree.children(block).to_vector(), (std::vector<NodeId>{2, 3, 4, 6}));
    std::vector<std::string> texts;
    for (NodeId child : tree.children(block)) {
        const FoNode& node = tree.node(child);
        EXPECT_EQ(node.parent(), block);
        texts.push_back(node.text() ? std::string(node.text()->text)
                                    : std::string(element_name(node.element()->kind())));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"one", "inline", "two", "three"}));
    EXPECT_EQ(tree.node(5).parent(), inline_node);
    EXPECT_FALSE(tree.node(root).parent());
    EXPECT_FALSE(tree.node(6).next_sibling());
    EXPECT_TRUE(tree.children(99).empty());
}

TEST(FoTree, TextIsKeptOnlyUnderKindsThatTakeText) {
    struct Case {
        FoElement parent;
        bool kept;
    };
    const Case cases[] = {
        {FoElement::Block, true},         {FoElement::Inline, true},
        {FoElement::BasicLink, true},     {FoElement::BookmarkTitle, true},
        {FoElement::Marker, true},        {FoElement::FootnoteBody, true},
        {FoElement::Flow, false},         {FoElement::TableCell, false},
        {FoElement::ListItemBody, false}, {FoElement::Wrapper, false},
        {FoElement::Leader, false},       {FoElement::PageNumber, false},
        {FoElement::Root, false},         {FoElement::InstreamForeignObject, false},
    };
    for (const Case& c : cases) {
        FoTree tree;
        const NodeId parent = add_element(tree, c.parent);
        tree.add_text(parent, "text");
        EXPECT_EQ(tree.node_count(), c.kept ? 2u : 1u) << element_name(c.parent);
        EXPECT_EQ(tree.children(parent).empty(), !c.kept) << element_name(c.parent);
    }

    FoTree tree;
    tree.add_text(std::nullopt, "no parent");
    tree.add_text(NodeId{7}, "missing parent");
    const NodeId block = add_element(tree, FoElement::Block);
    tree.add_text(block, "t");
    tree.add_text(NodeId{1}, "under a text node");
    EXPECT_EQ(tree.node_count(), 2u);
    EXPECT_FALSE(tree.id_of(1));
}

TEST(FoTree, AppendChildRefusesMissingNodesChildFirst) {
    FoTree tree;
    add_element(tree, FoElement::Root);
    EXPECT_EQ(message_of(tree.append_child(0, 5)), "Child node 5 does not exist");
    EXPECT_EQ(message_of(tree.append_child(9, 0)), "Parent node 9 does not exist");
    EXPECT_EQ(message_of(tree.append_child(9, 8)), "Child node 8 does not exist");

    // A text node takes no children: its links would stop marking it as text.
    tree.add_text(std::nullopt, "dropped");
    const NodeId block = add_element(tree, FoElement::Block);
    ASSERT_TRUE(tree.append_child(0, block));
    tree.add_text(block, "text");
    const NodeId inner = add_element(tree, FoElement::Inline);
    EXPECT_EQ(message_of(tree.append_child(2, inner)), "Parent node 2 is a text node");
    ASSERT_NE(tree.node(2).text(), nullptr);
    EXPECT_EQ(tree.node(2).text()->text, "text");
}

TEST(FoTree, IdsAreExactTextAndUniqueWithTheMessageNamingBothNodes) {
    FoTree tree;
    const NodeId a = add_element(tree, FoElement::Block, "Intro");
    const NodeId b = add_element(tree, FoElement::Block, "intro");
    const NodeId c = add_element(tree, FoElement::Block, "");
    ASSERT_TRUE(tree.register_id("Intro", a));
    ASSERT_TRUE(tree.register_id("intro", b));
    ASSERT_TRUE(tree.register_id("", c));
    EXPECT_EQ(tree.lookup_id("Intro"), a);
    EXPECT_EQ(tree.lookup_id("intro"), b);
    EXPECT_EQ(tree.lookup_id(""), c);
    EXPECT_FALSE(tree.lookup_id("Intro "));
    EXPECT_EQ(tree.id_of(a), "Intro");
    EXPECT_EQ(tree.id_of(c), "");
    EXPECT_FALSE(tree.id_of(99));

    const NodeId d = add_element(tree, FoElement::Inline, "Intro");
    EXPECT_EQ(message_of(tree.register_id("Intro", d)),
              "Duplicate ID 'Intro': already used by node 0 (attempted reuse at node 3)");
    EXPECT_EQ(tree.lookup_id("Intro"), a);
}

TEST(FoTree, IdKeysOutliveTheCallersText) {
    FoTree tree;
    {
        std::string transient = "a-long-identifier-that-is-not-inline";
        const NodeId n = add_element(tree, FoElement::Block, transient);
        ASSERT_TRUE(tree.register_id(transient, n));
        transient.assign(transient.size(), 'x');
    }
    EXPECT_EQ(tree.lookup_id("a-long-identifier-that-is-not-inline"), NodeId{0});
}

TEST(FoTree, ManyChildrenAndDeepChainsStayLinear) {
    FoTree tree;
    const NodeId parent = add_element(tree, FoElement::Block);
    for (int i = 0; i < 200000; ++i) {
        tree.add_text(parent, "x");
    }
    EXPECT_EQ(tree.children(parent).to_vector().size(), 200000u);

    FoTree chain;
    NodeId last = add_element(chain, FoElement::Block);
    for (int i = 0; i < 100000; ++i) {
        const NodeId next = add_element(chain, FoElement::Block);
        ASSERT_TRUE(chain.append_child(last, next));
        last = next;
    }
    EXPECT_EQ(chain.node(last).parent(), last - 1);
}

}  // namespace
}  // namespace lorp
