#include "properties/property_list.h"

#include <cmath>

#include "properties/property_store.h"
#include "properties/relative_font_size.h"

namespace lorp {

namespace {

constexpr Length kDefaultParentFontSize = Length::from_millipoints(12000);

bool scales_parent(const RelativeFontSize* keyword) {
    return keyword &&
           (*keyword == RelativeFontSize::Larger || *keyword == RelativeFontSize::Smaller);
}

Length scale(Length parent, RelativeFontSize keyword) {
    double millipoints = parent.millipoints();
    millipoints = keyword == RelativeFontSize::Larger ? millipoints * kRelativeFontSizeStep
                                                      : millipoints / kRelativeFontSizeStep;
    return Length::from_real_millipoints(std::trunc(millipoints));
}

}  // namespace

void PropertyList::remember_font_size(std::optional<Length> size) const {
    store().font_sizes_.insert_or_assign(this, 0,
                                         {size.has_value(), size.value_or(Length::zero())});
}

std::optional<Length> PropertyList::font_size() const {
    // Lists whose own answer scales their parent's size, from this list up.
    // Walked as a loop so that a deep chain of inherited "larger" cannot
    // exhaust the stack; every scaling list on the way remembers its size.
    // A size that scales nothing is one value lookup away and is not
    // remembered, so documents without "larger" or "smaller" never fill the
    // answer table.
    std::vector<const PropertyList*> scaling;
    std::optional<Length> top;  // the size of the list that ended the walk
    for (const PropertyList* list = this; list; list = list->parent_) {
        if (list->store_ != nullptr && !list->store_->font_sizes_.empty()) {
            if (const PropertyStore::FontSizeAnswer* known =
                    list->store_->font_sizes_.find(list, 0)) {
                if (known->known) {
                    top = known->size;
                }
                break;
            }
        }
        const PropertyValue& value = list->value(PropertyId::FontSize);
        const RelativeFontSize* keyword = value.relative_font_size();
        if (scales_parent(keyword)) {
            scaling.push_back(list);
            continue;
        }
        if (const Length* length = value.length()) {
            top = *length;
        } else if (keyword) {
            top = absolute_font_size(*keyword);
        }
        break;
    }
    if (scaling.empty()) {
        return top;
    }
    Length size = top.value_or(kDefaultParentFontSize);
    for (auto it = scaling.rbegin(); it != scaling.rend(); ++it) {
        size = scale(size, *(*it)->value(PropertyId::FontSize).relative_font_size());
        (*it)->remember_font_size(size);
    }
    return size;
}

}  // namespace lorp
