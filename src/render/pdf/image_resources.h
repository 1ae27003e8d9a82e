#pragma once

#include <unordered_map>
#include <vector>

#include "error/result.h"
#include "layout/area/area_tree.h"
#include "render/pdf/pdf_image.h"

namespace lorp {

// Converts the bytes of every Image area, in arena order, into an image
// XObject of its own (areas showing the same file are not shared). Stops at
// the first image that does not convert, with its message.
Status register_images(const AreaTree& tree, std::vector<PdfImage>& images,
                       std::unordered_map<AreaId, std::size_t>& image_of_area);

}  // namespace lorp
