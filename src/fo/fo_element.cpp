#include "fo/fo_element.h"

#include <algorithm>
#include <array>

namespace lorp {
namespace {

struct ElementFacts {
    FoElement kind;
    std::string_view name;
    bool keeps_properties;
    bool takes_text;
};

// One row per kind, in enum order.
constexpr std::array<ElementFacts, kFoElementCount> kElements{{
    {FoElement::Root, "root", false, false},
    {FoElement::LayoutMasterSet, "layout-master-set", false, false},
    {FoElement::SimplePageMaster, "simple-page-master", true, false},
    {FoElement::RepeatablePageMasterAlternatives, "repeatable-page-master-alternatives", false,
     false},
    {FoElement::ConditionalPageMasterReference, "conditional-page-master-reference", false, false},
    {FoElement::RegionBody, "region-body", true, false},
    {FoElement::RegionBefore, "region-before", true, false},
    {FoElement::RegionAfter, "region-after", true, false},
    {FoElement::RegionStart, "region-start", true, false},
    {FoElement::RegionEnd, "region-end", true, false},
    {FoElement::PageSequence, "page-sequence", true, false},
    {FoElement::Flow, "flow", true, false},
    {FoElement::StaticContent, "static-content", true, false},
    {FoElement::Block, "block", true, true},
    {FoElement::Inline, "inline", true, true},
    {FoElement::ListBlock, "list-block", true, false},
    {FoElement::ListItem, "list-item", true, false},
    {FoElement::ListItemLabel, "list-item-label", true, false},
    {FoElement::ListItemBody, "list-item-body", true, false},
    {FoElement::Table, "table", true, false},
    {FoElement::TableColumn, "table-column", true, false},
    {FoElement::TableHeader, "table-header", true, false},
    {FoElement::TableFooter, "table-footer", true, false},
    {FoElement::TableBody, "table-body", true, false},
    {FoElement::TableRow, "table-row", true, false},
    {FoElement::TableCell, "table-cell", true, false},
    {FoElement::ExternalGraphic, "external-graphic", true, false},
    {FoElement::InstreamForeignObject, "instream-foreign-object", true, false},
    {FoElement::BasicLink, "basic-link", true, true},
    {FoElement::BookmarkTree, "bookmark-tree", true, false},
    {FoElement::Bookmark, "bookmark", true, false},
    {FoElement::BookmarkTitle, "bookmark-title", true, true},
    {FoElement::PageNumberCitation, "page-number-citation", true, false},
    {FoElement::PageNumberCitationLast, "page-number-citation-last", true, false},
    {FoElement::Leader, "leader", true, false},
    {FoElement::Marker, "marker", true, true},
    {FoElement::RetrieveMarker, "retrieve-marker", true, false},
    {FoElement::Footnote, "footnote", true, false},
    {FoElement::FootnoteBody, "footnote-body", true, true},
    {FoElement::Float, "float", true, false},
    {FoElement::PageNumber, "page-number", true, false},
    {FoElement::BlockContainer, "block-container", true, false},
    {FoElement::InlineContainer, "inline-container", true, false},
    {FoElement::TableAndCaption, "table-and-caption", true, false},
    {FoElement::TableCaption, "table-caption", true, false},
    {FoElement::PageSequenceMaster, "page-sequence-master", false, false},
    {FoElement::Declarations, "declarations", false, false},
    {FoElement::ColorProfile, "color-profile", false, false},
    {FoElement::MultiSwitch, "multi-switch", true, false},
    {FoElement::MultiCase, "multi-case", true, false},
    {FoElement::MultiToggle, "multi-toggle", true, false},
    {FoElement::MultiProperties, "multi-properties", true, false},
    {FoElement::MultiPropertySet, "multi-property-set", true, false},
    {FoElement::Wrapper, "wrapper", true, false},
    {FoElement::Character, "character", true, false},
    {FoElement::BidiOverride, "bidi-override", true, false},
    {FoElement::InitialPropertySet, "initial-property-set", true, false},
    {FoElement::ChangeBarBegin, "change-bar-begin", true, false},
    {FoElement::ChangeBarEnd, "change-bar-end", false, false},
}};

constexpr bool rows_in_enum_order() {
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        if (static_cast<std::size_t>(kElements[i].kind) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rows_in_enum_order(), "kElements must list every FoElement in enum order");
static_assert(static_cast<std::size_t>(FoElement::ChangeBarEnd) + 1 == kFoElementCount);

// The names sorted, for a binary search on every start tag.
constexpr std::array<ElementFacts, kFoElementCount> sorted_by_name() {
    auto rows = kElements;
    std::sort(rows.begin(), rows.end(),
              [](const ElementFacts& a, const ElementFacts& b) { return a.name < b.name; });
    return rows;
}
constexpr std::array<ElementFacts, kFoElementCount> kByName = sorted_by_name();

const ElementFacts& facts(FoElement kind) {
    return kElements[static_cast<std::size_t>(kind)];
}

}  // namespace

std::string_view element_name(FoElement kind) {
    return facts(kind).name;
}

std::optional<FoElement> find_element(std::string_view local_name) {
    auto it = std::lower_bound(
        kByName.begin(), kByName.end(), local_name,
        [](const ElementFacts& row, std::string_view name) { return row.name < name; });
    if (it == kByName.end() || it->name != local_name) {
        return std::nullopt;
    }
    return it->kind;
}

bool keeps_property_list(FoElement kind) {
    return facts(kind).keeps_properties;
}

bool accepts_text(FoElement kind) {
    return facts(kind).takes_text;
}

}  // namespace lorp
