#include "layout/engine/layout_context.h"

namespace lorp {

void record_id_page(LayoutContext& context, std::string_view id) {
    context.id_pages.insert_or_assign(id, context.page_number);
}

}  // namespace lorp
