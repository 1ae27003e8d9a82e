#include "fo/fo_node_data.h"

namespace lorp {

namespace {

template <std::size_t... I>
void destroy(element_detail::Extras* extras, std::index_sequence<I...>) {
    // Deletes through the record's own type: exactly one alternative matches.
    (void)((extras->type == I ? (delete static_cast<element_detail::TypedExtras<
                                     std::variant_alternative_t<I, ElementAttributes>>*>(extras),
                                 true)
                              : false) ||
           ...);
}

}  // namespace

void FoElementData::release() noexcept {
    if (has_extras_) {
        destroy(static_cast<element_detail::Extras*>(target_),
                std::make_index_sequence<std::variant_size_v<ElementAttributes>>());
        has_extras_ = false;
    }
}

}  // namespace lorp
