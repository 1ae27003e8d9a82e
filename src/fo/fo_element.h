#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lorp {

// The XSL-FO elements this system accepts, in catalogue order.
enum class FoElement : std::uint8_t {
    Root,
    LayoutMasterSet,
    SimplePageMaster,
    RepeatablePageMasterAlternatives,
    ConditionalPageMasterReference,
    RegionBody,
    RegionBefore,
    RegionAfter,
    RegionStart,
    RegionEnd,
    PageSequence,
    Flow,
    StaticContent,
    Block,
    Inline,
    ListBlock,
    ListItem,
    ListItemLabel,
    ListItemBody,
    Table,
    TableColumn,
    TableHeader,
    TableFooter,
    TableBody,
    TableRow,
    TableCell,
    ExternalGraphic,
    InstreamForeignObject,
    BasicLink,
    BookmarkTree,
    Bookmark,
    BookmarkTitle,
    PageNumberCitation,
    PageNumberCitationLast,
    Leader,
    Marker,
    RetrieveMarker,
    Footnote,
    FootnoteBody,
    Float,
    PageNumber,
    BlockContainer,
    InlineContainer,
    TableAndCaption,
    TableCaption,
    PageSequenceMaster,
    Declarations,
    ColorProfile,
    MultiSwitch,
    MultiCase,
    MultiToggle,
    MultiProperties,
    MultiPropertySet,
    Wrapper,
    Character,
    BidiOverride,
    InitialPropertySet,
    ChangeBarBegin,
    ChangeBarEnd,
};

inline constexpr std::size_t kFoElementCount = 59;

// The local name that selects the kind, e.g. "page-sequence".
std::string_view element_name(FoElement kind);

// Exact, case-sensitive lookup of a local name; nullopt for names outside the catalogue.
std::optional<FoElement> find_element(std::string_view local_name);

// Whether nodes of this kind keep their PropertyList once built.
bool keeps_property_list(FoElement kind);

// Whether text runs directly inside an element of this kind become text nodes.
bool accepts_text(FoElement kind);

}  // namespace lorp
