#include "render/pdf/pdf_writer.h"

#include <cstdint>

#include "render/pdf/object_numbers.h"
#include "render/pdf/pdf_output.h"
#include "render/pdf/shading_objects.h"

namespace lorp {

namespace {

// Room for everything: streams in the model are counted exactly, drawn
// contents by their guess.
std::size_t expected_size(const PdfDocument& document, const ObjectNumbers& numbers,
                          const PageContents* contents) {
    std::size_t resources = document.fonts.size() + document.images.size() +
                            document.shadings.size() + document.ext_gstates.size();
    std::size_t size = 1024 + 24 * (numbers.last + 1);
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        const PdfPage& page = document.pages[i];
        size += 384 + 32 * resources + page.content.size() + 200 * page.links.size();
        if (contents != nullptr) {
            size += contents->expected_size(i);
        }
    }
    for (const auto& image : document.images) {
        size += 256 + image.data.size();
    }
    for (const auto& font : document.fonts) {
        size += 2048 + font.data.size();
    }
    return size;
}

std::int64_t as_int(std::size_t number) {
    return static_cast<std::int64_t>(number);
}

void write_header(PdfOutput& out, const PdfDocument& document) {
    out.raw("%PDF-").raw(document.version).raw("\n");
    // Bytes above 127 tell transfer programs that the file is binary.
    out.raw("%\xE2\xE3\xCF\xD3\n");
}

void write_catalog(PdfOutput& out, const PdfDocument& document, const ObjectNumbers& numbers) {
    out.begin_dictionary(ObjectNumbers::kCatalog);
    out.raw("/Type /Catalog\n/Pages ").reference(ObjectNumbers::kPageTree).raw("\n");
    if (numbers.outline_root != 0) {
        out.raw("/Outlines ").reference(numbers.outline_root).raw("\n");
    }
    if (numbers.metadata != 0) {
        out.raw("/Metadata ").reference(numbers.metadata).raw("\n");
    }
    if (numbers.output_intent != 0) {
        out.raw("/OutputIntents [").reference(numbers.output_intent).raw("]\n");
    }
    if (numbers.struct_tree_root != 0) {
        out.raw("/MarkInfo <<\n/Marked true\n>>\n");
        out.raw("/Lang ").literal(document.lang ? *document.lang : "en-US").raw("\n");
        out.raw("/StructTreeRoot ").reference(numbers.struct_tree_root).raw("\n");
        out.raw("/ViewerPreferences <<\n/DisplayDocTitle true\n>>\n");
    } else if (document.lang) {
        out.raw("/Lang ").literal(*document.lang).raw("\n");
    }
    out.end_dictionary();
}

void write_page_tree(PdfOutput& out, const PdfDocument& document, const ObjectNumbers& numbers) {
    out.begin_dictionary(ObjectNumbers::kPageTree);
    out.raw("/Type /Pages\n/Kids [");
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        out.reference(numbers.page(i)).raw(" ");
    }
    out.raw("]\n/Count ").integer(as_int(document.pages.size())).raw("\n");
    out.end_dictionary();
}

void write_default_font(PdfOutput& out) {
    out.begin_dictionary(ObjectNumbers::kDefaultFont);
    // Text for this font is stored as Windows-1252 bytes.
    out.raw("/Type /Font\n/Subtype /Type1\n/BaseFont /Helvetica\n/Encoding /WinAnsiEncoding\n");
    out.end_dictionary();
}

void write_image(PdfOutput& out, const PdfImage& image, std::size_t number) {
    out.begin_dictionary(number);
    out.raw("/Type /XObject\n/Subtype /Image\n/Width ").integer(image.width);
    out.raw("\n/Height ").integer(image.height);
    out.raw("\n/ColorSpace /").raw(image.color_space);
    out.raw("\n/BitsPerComponent ").integer(image.bits_per_component);
    out.raw("\n/Filter /").raw(image.filter).raw("\n");
    out.end_with_stream(image.data);
}

void write_ext_gstate(PdfOutput& out, const PdfExtGState& state, std::size_t number) {
    out.begin_dictionary(number);
    out.raw("/Type /ExtGState\n/ca ").fixed(state.fill_alpha, 3);
    out.raw("\n/CA ").fixed(state.stroke_alpha, 3).raw("\n");
    out.end_dictionary();
}

// One "    /{prefix}{k} {n} 0 R\n" line per shared resource, inside a
// subdictionary of /Resources.
template <class NumberOf>
void write_resource_group(PdfOutput& out, std::string_view group, std::string_view prefix,
                          std::size_t count, NumberOf number_of) {
    if (count == 0) {
        return;
    }
    out.raw("  /").raw(group).raw(" <<\n");
    for (std::size_t k = 0; k < count; ++k) {
        out.raw("    /").raw(prefix).integer(as_int(k)).raw(" ");
        out.reference(number_of(k)).raw("\n");
    }
    out.raw("  >>\n");
}

void write_resources(PdfOutput& out, const PdfDocument& document, const ObjectNumbers& numbers) {
    out.raw("/Resources <<\n  /Font <<\n    /F1 ").reference(ObjectNumbers::kDefaultFont);
    out.raw("\n");
    for (std::size_t k = 0; k < document.fonts.size(); ++k) {
        out.raw("    /F").integer(as_int(k + 2)).raw(" ");
        out.reference(numbers.font_type0(k)).raw("\n");
    }
    out.raw("  >>\n");
    write_resource_group(out, "XObject", "Im", document.images.size(),
                         [&](std::size_t k) { return numbers.image(k); });
    write_resource_group(out, "Shading", "Sh", document.shadings.size(),
                         [&](std::size_t k) { return numbers.shading_dictionary(k); });
    write_resource_group(out, "ExtGState", "GS", document.ext_gstates.size(),
                         [&](std::size_t k) { return numbers.ext_gstate(k); });
    out.raw(">>\n");
}

// first_link is the number of the page's first link annotation.
void write_page(PdfOutput& out, const PdfDocument& document, const ObjectNumbers& numbers,
                std::size_t index, std::size_t first_link, const PageContents* contents) {
    const PdfPage& page = document.pages[index];
    out.begin_dictionary(numbers.page(index));
    out.raw("/Type /Page\n/Parent ").reference(ObjectNumbers::kPageTree);
    out.raw("\n/MediaBox [0 0 ").shortest(page.width / 1000.0);
    out.raw(" ").shortest(page.height / 1000.0).raw("]\n");
    write_resources(out, document, numbers);
    out.raw("/Contents ").reference(numbers.content(index)).raw("\n");
    if (!page.links.empty()) {
        out.raw("/Annots [");
        for (std::size_t k = 0; k < page.links.size(); ++k) {
            out.reference(first_link + k).raw(" ");
        }
        out.raw("]\n");
    }
    out.end_dictionary();
    out.begin_dictionary(numbers.content(index));
    if (contents != nullptr) {
        out.end_with_appended_stream([&](std::string& bytes) { contents->append(index, bytes); });
    } else {
        out.end_with_stream(page.content);
    }
}

void write_link(PdfOutput& out, const LinkAnnotation& link, std::size_t number, std::size_t page) {
    out.begin_dictionary(number);
    out.raw("/Type /Annot\n/Subtype /Link\n/Rect [").fixed(link.x1, 2);
    out.raw(" ").fixed(link.y1, 2).raw(" ").fixed(link.x2, 2).raw(" ").fixed(link.y2, 2);
    out.raw("]\n/P ").reference(page).raw("\n/Border [0 0 0]\n");
    switch (link.kind) {
        case LinkKind::Internal:
            out.raw("/Dest ").literal(link.target).raw("\n");
            break;
        case LinkKind::External:
            out.raw("/A <<\n  /S /URI\n  /URI ").literal(link.target).raw("\n>>\n");
            break;
    }
    out.end_dictionary();
}

void write_info_entry(PdfOutput& out, std::string_view key,
                      const std::optional<std::string>& value) {
    if (value) {
        out.raw("  /").raw(key).raw(" ").literal(*value).raw("\n");
    }
}

void write_trailer(PdfOutput& out, const PdfDocument& document, const ObjectNumbers& numbers) {
    out.cross_reference_table(numbers.last);
    out.raw("/Root ").reference(ObjectNumbers::kCatalog).raw("\n");
    if (numbers.encryption != 0) {
        out.raw("/Encrypt ").reference(numbers.encryption).raw("\n");
    }
    if (document.file_id) {
        out.raw("/ID [").hex(*document.file_id).raw(" ").hex(*document.file_id).raw("]\n");
    }
    if (document.title || document.author || document.subject || document.creation_date) {
        out.raw("/Info <<\n");
        write_info_entry(out, "Title", document.title);
        write_info_entry(out, "Author", document.author);
        write_info_entry(out, "Subject", document.subject);
        write_info_entry(out, "CreationDate", document.creation_date);
        out.raw(">>\n");
    }
    out.raw(">>\n");
    out.finish();
}

Result<std::string> write_document(const PdfDocument& document, const PageContents* contents) {
    if (!document.fonts.empty()) {
        return ConversionError::generic("PDF writer: embedded fonts are not supported");
    }
    if (document.encryption) {
        return ConversionError::generic("PDF writer: encryption is not supported");
    }
    if (document.outline) {
        return ConversionError::generic("PDF writer: document outlines are not supported");
    }
    if (document.conformance != 0) {
        return ConversionError::generic("PDF writer: conformance marking is not supported");
    }
    const ObjectNumbers numbers = number_objects(document);
    PdfOutput out(expected_size(document, numbers, contents));

    write_header(out, document);
    write_catalog(out, document, numbers);
    write_page_tree(out, document, numbers);
    write_default_font(out);
    for (std::size_t k = 0; k < document.images.size(); ++k) {
        write_image(out, document.images[k], numbers.image(k));
    }
    for (std::size_t k = 0; k < document.shadings.size(); ++k) {
        write_shading_objects(out, document.shadings[k], numbers.shading_function(k));
    }
    for (std::size_t k = 0; k < document.ext_gstates.size(); ++k) {
        write_ext_gstate(out, document.ext_gstates[k], numbers.ext_gstate(k));
    }
    std::size_t link = numbers.first_link;
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        write_page(out, document, numbers, i, link, contents);
        link += document.pages[i].links.size();
    }
    link = numbers.first_link;
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        for (const auto& annotation : document.pages[i].links) {
            write_link(out, annotation, link++, numbers.page(i));
        }
    }
    write_trailer(out, document, numbers);
    return std::move(out).take();
}

}  // namespace

Result<std::string> write_pdf(PdfDocument document) {
    return write_document(document, nullptr);
}

Result<std::string> write_pdf(PdfDocument document, const PageContents& contents) {
    return write_document(document, &contents);
}

}  // namespace lorp
