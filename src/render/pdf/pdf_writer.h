#pragma once

#include <string>

#include "error/result.h"
#include "render/pdf/page_contents.h"
#include "render/pdf/pdf_document.h"

namespace lorp {

// Serialises the document as a PDF file with a classic cross-reference table:
// header, the indirect objects in number order (see ObjectNumbers), the table
// and a trailer that carries the information dictionary directly. The bytes
// are the same for the same model. Consumes the model.
Result<std::string> write_pdf(PdfDocument document);

// The same file, with each page's content stream drawn by contents as the
// writer reaches it instead of taken from the model.
Result<std::string> write_pdf(PdfDocument document, const PageContents& contents);

}  // namespace lorp
