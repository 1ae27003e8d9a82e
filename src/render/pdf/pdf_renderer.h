#pragma once

#include <memory>

#include "error/result.h"
#include "layout/area/area_tree.h"
#include "render/pdf/font_file_map.h"
#include "render/pdf/page_contents.h"
#include "render/pdf/pdf_document.h"

namespace lorp {

// The PDF model of an area tree, for write_pdf. Resources shared by all pages
// come first: one image XObject per Image area holding image bytes, and one
// graphics state per distinct opacity other than 1. Then every Page area, in
// arena order, becomes a page of its size with its content stream and link
// annotations. All text is set in the built-in Helvetica; embedded fonts are
// not available yet, so font_files chooses nothing. Fails only with the
// message of the first image that cannot be converted.
Result<PdfDocument> render_pdf(const AreaTree& tree, const FontFileMap& font_files);

// The model of render_pdf with every page's content left empty, and what
// draws those contents straight into the file when write_pdf reaches them.
// The contents read the tree, which must outlive them.
struct DeferredPdf {
    PdfDocument document;
    std::unique_ptr<PageContents> contents;
};
Result<DeferredPdf> render_pdf_deferred(const AreaTree& tree, const FontFileMap& font_files);

}  // namespace lorp
