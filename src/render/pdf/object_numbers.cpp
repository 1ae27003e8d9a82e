#include "render/pdf/object_numbers.h"

namespace lorp {

std::size_t count_outline_items(const std::vector<OutlineItem>& items) {
    // An explicit stack: the nesting depth is the producer's to choose.
    std::vector<const std::vector<OutlineItem>*> groups{&items};
    std::size_t total = 0;
    while (!groups.empty()) {
        const auto* group = groups.back();
        groups.pop_back();
        total += group->size();
        for (const auto& item : *group) {
            if (!item.children.empty()) {
                groups.push_back(&item.children);
            }
        }
    }
    return total;
}

ObjectNumbers number_objects(const PdfDocument& document) {
    ObjectNumbers numbers;
    std::size_t next = ObjectNumbers::kDefaultFont + 1;
    if (document.outline) {
        numbers.outline_root = next++;
        numbers.first_outline_item = next;
        numbers.outline_items = count_outline_items(*document.outline);
        next += numbers.outline_items;
    }
    if (document.encryption) {
        numbers.encryption = next++;
    }
    if (document.conformance & (kConformancePdfA1b | kConformancePdfUa1)) {
        numbers.metadata = next++;
    }
    if (document.conformance & kConformancePdfA1b) {
        numbers.output_intent = next;
        next += 2;
    }
    if (document.conformance & kConformancePdfUa1) {
        numbers.struct_tree_root = next++;
    }
    numbers.first_font = next;
    next += ObjectNumbers::kObjectsPerFont * document.fonts.size();
    numbers.first_image = next;
    next += document.images.size();
    numbers.first_shading = next;
    next += 2 * document.shadings.size();
    numbers.first_ext_gstate = next;
    next += document.ext_gstates.size();
    numbers.first_page = next;
    next += 2 * document.pages.size();
    numbers.first_link = next;
    for (const auto& page : document.pages) {
        next += page.links.size();
    }
    numbers.last = next - 1;
    return numbers;
}

}  // namespace lorp
