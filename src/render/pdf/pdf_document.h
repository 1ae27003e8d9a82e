#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "render/pdf/encryption_settings.h"
#include "render/pdf/pdf_ext_gstate.h"
#include "render/pdf/pdf_font.h"
#include "render/pdf/pdf_image.h"
#include "render/pdf/pdf_shading.h"

namespace lorp {

enum class LinkKind : std::uint8_t { Internal, External };

// A clickable rectangle on a page, in PDF user space points (origin at the
// bottom-left corner of the page).
struct LinkAnnotation {
    LinkKind kind = LinkKind::Internal;
    std::string target;  // destination name, or the URI of an external link
    double x1 = 0;       // lower left
    double y1 = 0;
    double x2 = 0;  // upper right
    double y2 = 0;
};

struct PdfPage {
    std::string content;  // the finished, uncompressed content stream
    std::vector<LinkAnnotation> links;
    std::int32_t width = 0;  // millipoints
    std::int32_t height = 0;
};

// A bookmark. A page index past the last page gives the item no destination.
struct OutlineItem {
    std::string title;
    std::optional<std::size_t> page;
    std::vector<OutlineItem> children;
};

// Bits of PdfDocument::conformance.
inline constexpr std::uint8_t kConformancePdfA1b = 1;
inline constexpr std::uint8_t kConformancePdfUa1 = 2;

// The whole PDF file before serialisation. The page renderer fills it; the
// writer consumes it. Every shared resource (image, shading, graphics state,
// font) is listed in the resources of every page, by its index.
struct PdfDocument {
    std::string version = "1.4";
    std::vector<PdfPage> pages;
    std::vector<PdfImage> images;
    std::vector<PdfShading> shadings;
    std::vector<PdfExtGState> ext_gstates;
    std::vector<PdfFont> fonts;
    std::vector<std::set<char32_t>> used_chars;  // one set per font, same order
    std::optional<std::string> title;
    std::optional<std::string> author;
    std::optional<std::string> subject;
    std::optional<std::string> creation_date;  // a PDF date string, written verbatim
    std::optional<std::string> lang;
    std::optional<std::vector<OutlineItem>> outline;  // present means an outline root
    std::optional<EncryptionSettings> encryption;
    std::optional<std::string> file_id;  // raw bytes
    std::uint8_t conformance = 0;        // kConformance* bits
};

}  // namespace lorp
