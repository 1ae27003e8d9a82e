#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "fo/element_keywords.h"

namespace lorp {

// The element-specific attributes the layout reads in typed form. Texts are
// kept exactly as written after reference decoding: not trimmed, not
// validated, not interpreted. Kinds without such attributes carry none.

// simple-page-master (master-name required), page-sequence-master (optional, default empty).
struct MasterNameAttributes {
    std::string master_name;
};

// repeatable-page-master-alternatives.
struct RepeatableAlternativesAttributes {
    std::optional<std::int32_t> maximum_repeats;  // absent when missing or not an integer
};

// conditional-page-master-reference.
struct ConditionalReferenceAttributes {
    std::string master_reference;
    PagePosition page_position = PagePosition::Any;
    OddOrEven odd_or_even = OddOrEven::Any;
    BlankOrNotBlank blank_or_not_blank = BlankOrNotBlank::Any;
};

// page-sequence.
struct PageSequenceAttributes {
    std::string master_reference;
    std::string format = "1";
    std::optional<char32_t> grouping_separator;  // first character; absent when missing or empty
    std::optional<std::uint64_t> grouping_size;  // absent when missing or not an unsigned integer
};

// flow and static-content.
struct FlowAttributes {
    std::string flow_name;
};

// external-graphic.
struct ExternalGraphicAttributes {
    std::string src;
    std::optional<std::string> content_width;
    std::optional<std::string> content_height;
    std::optional<std::string> scaling;
};

// instream-foreign-object: the captured markup is filled in when the element ends.
struct InstreamForeignObjectAttributes {
    std::optional<std::string> content_width;
    std::optional<std::string> content_height;
    std::optional<std::string> scaling;
    std::string captured_markup;
};

// basic-link and bookmark.
struct LinkAttributes {
    std::optional<std::string> internal_destination;
    std::optional<std::string> external_destination;
};

// page-number-citation (ref-id required) and page-number-citation-last (default empty).
struct CitationAttributes {
    std::string ref_id;
};

// marker.
struct MarkerAttributes {
    std::string marker_class_name;
};

// retrieve-marker.
struct RetrieveMarkerAttributes {
    std::string retrieve_class_name;
    RetrievePosition retrieve_position = RetrievePosition::FirstStartingWithinPage;
};

// color-profile.
struct ColorProfileAttributes {
    std::string src;
    std::string color_profile_name;
};

// multi-case.
struct MultiCaseAttributes {
    std::string starting_state = "visible";
};

// character: U+FFFD when the attribute is missing or empty.
struct CharacterAttributes {
    char32_t character = U'\uFFFD';
};

// bidi-override.
struct BidiOverrideAttributes {
    std::string direction = "ltr";
};

// change-bar-begin and change-bar-end.
struct ChangeBarAttributes {
    std::string change_bar_class = "default";
};

using ElementAttributes =
    std::variant<MasterNameAttributes, RepeatableAlternativesAttributes,
                 ConditionalReferenceAttributes, PageSequenceAttributes, FlowAttributes,
                 ExternalGraphicAttributes, InstreamForeignObjectAttributes, LinkAttributes,
                 CitationAttributes, MarkerAttributes, RetrieveMarkerAttributes,
                 ColorProfileAttributes, MultiCaseAttributes, CharacterAttributes,
                 BidiOverrideAttributes, ChangeBarAttributes>;

}  // namespace lorp
