#pragma once

#include <string>
#include <string_view>

#include "render/pdf/pdf_document.h"
#include "render/pdf/pdf_writer.h"

namespace lorp::pdf_test {

// The written file of a model that must write without error.
inline std::string written(PdfDocument document) {
    auto result = write_pdf(std::move(document));
    if (!result.ok()) {
        return "error: " + display(result.error());
    }
    return std::move(result).value();
}

// The text of indirect object n, from "{n} 0 obj\n" through "endobj\n", or ""
// when the file has no such object.
inline std::string object_text(std::string_view pdf, std::size_t n) {
    std::string head = std::to_string(n) + " 0 obj\n";
    std::size_t start = pdf.find("\n" + head);
    if (start == std::string_view::npos) {
        return "";
    }
    ++start;
    std::size_t end = pdf.find("endobj\n", start);
    return std::string(pdf.substr(start, end + 7 - start));
}

inline PdfPage page(std::int32_t width, std::int32_t height, std::string content = "") {
    PdfPage p;
    p.width = width;
    p.height = height;
    p.content = std::move(content);
    return p;
}

}  // namespace lorp::pdf_test
