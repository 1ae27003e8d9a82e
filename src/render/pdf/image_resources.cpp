#include "render/pdf/image_resources.h"

#include "render/pdf/image_xobject.h"

namespace lorp {

Status register_images(const AreaTree& tree, std::vector<PdfImage>& images,
                       std::unordered_map<AreaId, std::size_t>& image_of_area) {
    for (AreaId id = 0; id < tree.size(); ++id) {
        const Area& area = tree.get(id);
        const auto* content = std::get_if<ImageContent>(&area.content);
        if (area.kind != AreaKind::Image || content == nullptr) {
            continue;
        }
        Result<PdfImage> image = to_pdf_image(content->bytes);
        if (!image.ok()) {
            return std::move(image).error();
        }
        image_of_area.emplace(id, images.size());
        images.push_back(std::move(image).value());
    }
    return ok_status();
}

}  // namespace lorp
