#pragma once

#include <cstddef>
#include <vector>

#include "render/pdf/pdf_document.h"

namespace lorp {

// Every object number of a file, derived from the counts in the model before
// anything is written. Objects are written in number order, so object k is
// entry k of the cross-reference table. Blocks follow one another in the order
// of the fields below; a single optional object that is absent has number 0.
struct ObjectNumbers {
    static constexpr std::size_t kCatalog = 1;
    static constexpr std::size_t kPageTree = 2;
    static constexpr std::size_t kDefaultFont = 3;

    std::size_t outline_root = 0;  // 4 when the document has an outline
    std::size_t first_outline_item = 0;
    std::size_t outline_items = 0;  // items at all depths
    std::size_t encryption = 0;
    std::size_t metadata = 0;
    std::size_t output_intent = 0;  // its ICC profile stream follows it
    std::size_t struct_tree_root = 0;
    std::size_t first_font = 0;  // six per font
    std::size_t first_image = 0;
    std::size_t first_shading = 0;  // two per shading: function, dictionary
    std::size_t first_ext_gstate = 0;
    std::size_t first_page = 0;  // two per page: dictionary, content stream
    std::size_t first_link = 0;  // page by page, each page's links in order
    std::size_t last = 0;        // the highest number; the table has last + 1 entries

    static constexpr std::size_t kObjectsPerFont = 6;
    std::size_t font(std::size_t k) const { return first_font + kObjectsPerFont * k; }
    std::size_t font_type0(std::size_t k) const { return font(k) + 3; }
    std::size_t icc_profile() const { return output_intent + 1; }
    std::size_t image(std::size_t k) const { return first_image + k; }
    std::size_t shading_function(std::size_t k) const { return first_shading + 2 * k; }
    std::size_t shading_dictionary(std::size_t k) const { return shading_function(k) + 1; }
    std::size_t ext_gstate(std::size_t k) const { return first_ext_gstate + k; }
    std::size_t page(std::size_t i) const { return first_page + 2 * i; }
    std::size_t content(std::size_t i) const { return page(i) + 1; }
};

ObjectNumbers number_objects(const PdfDocument& document);

// Items of an outline at every depth.
std::size_t count_outline_items(const std::vector<OutlineItem>& items);

}  // namespace lorp
