#include "fo/element_keywords.h"

namespace lorp {

PagePosition parse_page_position(std::string_view value) {
    if (value == "first")
        return PagePosition::First;
    if (value == "last")
        return PagePosition::Last;
    if (value == "rest")
        return PagePosition::Rest;
    return PagePosition::Any;
}

OddOrEven parse_odd_or_even(std::string_view value) {
    if (value == "odd")
        return OddOrEven::Odd;
    if (value == "even")
        return OddOrEven::Even;
    return OddOrEven::Any;
}

BlankOrNotBlank parse_blank_or_not_blank(std::string_view value) {
    if (value == "blank")
        return BlankOrNotBlank::Blank;
    if (value == "not-blank")
        return BlankOrNotBlank::NotBlank;
    return BlankOrNotBlank::Any;
}

RetrievePosition parse_retrieve_position(std::string_view value) {
    if (value == "first-including-carryover")
        return RetrievePosition::FirstIncludingCarryover;
    if (value == "last-starting-within-page")
        return RetrievePosition::LastStartingWithinPage;
    if (value == "last-ending-within-page")
        return RetrievePosition::LastEndingWithinPage;
    return RetrievePosition::FirstStartingWithinPage;
}

}  // namespace lorp
