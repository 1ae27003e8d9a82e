#include "render/pdf/pdf_output.h"

#include <cassert>
#include <charconv>

#include "render/pdf/pdf_strings.h"
#include "types/huge_pages.h"
#include "types/number_text.h"

namespace lorp {

PdfOutput::PdfOutput(std::size_t expected_size) : offsets_{0} {
    bytes_.reserve(expected_size);
    advise_huge_pages(bytes_.data(), bytes_.capacity());
}

PdfOutput& PdfOutput::raw(std::string_view bytes) {
    bytes_.append(bytes);
    return *this;
}

PdfOutput& PdfOutput::integer(std::int64_t value) {
    append_integer(bytes_, value);
    return *this;
}

PdfOutput& PdfOutput::reference(std::size_t object) {
    append_integer(bytes_, static_cast<std::int64_t>(object));
    bytes_ += " 0 R";
    return *this;
}

PdfOutput& PdfOutput::shortest(double value) {
    append_shortest(bytes_, value);
    return *this;
}

PdfOutput& PdfOutput::fixed(double value, int decimals) {
    append_fixed(bytes_, value, decimals);
    return *this;
}

PdfOutput& PdfOutput::literal(std::string_view text) {
    append_literal_string(bytes_, text);
    return *this;
}

PdfOutput& PdfOutput::hex(std::string_view bytes) {
    append_hex_string(bytes_, bytes);
    return *this;
}

PdfOutput& PdfOutput::begin_dictionary(std::size_t object) {
    assert(object >= offsets_.size());
    assert(current_object_ == 0);
    offsets_.resize(object, kFree);
    offsets_.push_back(bytes_.size());
    current_object_ = object;
    integer(static_cast<std::int64_t>(object));
    bytes_ += " 0 obj\n<<\n";
    return *this;
}

PdfOutput& PdfOutput::end_dictionary() {
    assert(current_object_ != 0);
    bytes_ += ">>\nendobj\n";
    current_object_ = 0;
    return *this;
}

PdfOutput& PdfOutput::end_with_stream(std::string_view data) {
    assert(current_object_ != 0);
    bytes_ += "/Length ";
    integer(static_cast<std::int64_t>(data.size()));
    bytes_ += "\n>>\nstream\n";
    bytes_.append(data);
    bytes_ += "\nendstream\nendobj\n";
    current_object_ = 0;
    return *this;
}

PdfOutput& PdfOutput::finish_appended_stream(std::size_t start) {
    assert(current_object_ != 0);
    std::string head = "/Length ";
    append_integer(head, static_cast<std::int64_t>(bytes_.size() - start));
    head += "\n>>\nstream\n";
    bytes_.insert(start, head);
    bytes_ += "\nendstream\nendobj\n";
    current_object_ = 0;
    return *this;
}

namespace {

// Ten digits, zero-padded, as the fixed-width table entries need.
void append_padded(std::string& out, std::size_t value) {
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    auto length = static_cast<std::size_t>(end - digits);
    if (length < 10) {
        out.append(10 - length, '0');
    }
    out.append(digits, end);
}

}  // namespace

PdfOutput& PdfOutput::cross_reference_table(std::size_t last_object) {
    assert(current_object_ == 0);
    offsets_.resize(last_object + 1, kFree);
    // Free entries form a list through their offset fields, starting at the
    // free object 0 and ending back at 0.
    std::vector<std::size_t> next_free(offsets_.size(), 0);
    std::size_t previous = 0;
    for (std::size_t k = 1; k < offsets_.size(); ++k) {
        if (offsets_[k] == kFree) {
            next_free[previous] = k;
            previous = k;
        }
    }
    xref_offset_ = bytes_.size();
    bytes_.reserve(bytes_.size() + 20 * offsets_.size() + 64);
    bytes_ += "xref\n0 ";
    integer(static_cast<std::int64_t>(offsets_.size()));
    bytes_ += '\n';
    append_padded(bytes_, next_free[0]);
    bytes_ += " 65535 f \n";
    for (std::size_t k = 1; k < offsets_.size(); ++k) {
        if (offsets_[k] == kFree) {
            append_padded(bytes_, next_free[k]);
            bytes_ += " 00000 f \n";
        } else {
            append_padded(bytes_, offsets_[k]);
            bytes_ += " 00000 n \n";
        }
    }
    bytes_ += "trailer\n<<\n/Size ";
    integer(static_cast<std::int64_t>(offsets_.size()));
    bytes_ += '\n';
    return *this;
}

PdfOutput& PdfOutput::finish() {
    bytes_ += "startxref\n";
    integer(static_cast<std::int64_t>(xref_offset_));
    bytes_ += "\n%%EOF\n";
    return *this;
}

}  // namespace lorp
