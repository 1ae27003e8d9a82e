#include "render/pdf/link_annotation.h"

#include <string>

namespace lorp {

LinkKind link_kind(std::string_view destination) {
    for (std::string_view scheme : {"http://", "https://", "mailto:"}) {
        if (destination.starts_with(scheme)) {
            return LinkKind::External;
        }
    }
    return LinkKind::Internal;
}

LinkAnnotation link_annotation(std::string_view destination, const PageRect& rect) {
    LinkAnnotation link;
    link.kind = link_kind(destination);
    link.target = std::string(destination);
    link.x1 = static_cast<double>(rect.x) / 1000.0;
    link.y1 = static_cast<double>(rect.y) / 1000.0;
    link.x2 = static_cast<double>(rect.x + rect.width) / 1000.0;
    link.y2 = static_cast<double>(rect.y + rect.height) / 1000.0;
    return link;
}

}  // namespace lorp
