#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lorp {

// The one growing byte buffer of a PDF file, with the offset table of its
// indirect objects. Numbers are formatted straight into the buffer. Objects
// must begin in increasing number order; a number that is skipped becomes a
// free entry of the cross-reference table.
class PdfOutput {
public:
    explicit PdfOutput(std::size_t expected_size);

    PdfOutput& raw(std::string_view bytes);
    PdfOutput& integer(std::int64_t value);
    PdfOutput& reference(std::size_t object);  // "{n} 0 R"
    // Shortest text that reads back as the same double, no exponent.
    PdfOutput& shortest(double value);
    // Exactly `decimals` digits after the point; -0.000 keeps its sign.
    PdfOutput& fixed(double value, int decimals);
    // A string of the object being written: "(" escaped ")".
    PdfOutput& literal(std::string_view text);
    PdfOutput& hex(std::string_view bytes);

    // "{n} 0 obj\n<<\n" after recording the offset of object n.
    PdfOutput& begin_dictionary(std::size_t object);
    // ">>\nendobj\n".
    PdfOutput& end_dictionary();
    // Closes a dictionary begun with begin_dictionary as a stream holding
    // data: "/Length {n}\n>>\nstream\n" data "\nendstream\nendobj\n".
    PdfOutput& end_with_stream(std::string_view data);
    // The same, with the data appended straight to the file by append, which
    // receives the buffer and must only add to its end. The data is moved
    // once to make room for its /Length, so it never exists twice.
    template <class Append>
    PdfOutput& end_with_appended_stream(Append&& append) {
        const std::size_t start = bytes_.size();
        append(bytes_);
        return finish_appended_stream(start);
    }

    // The cross-reference table, then the trailer's opening "trailer\n<<\n"
    // and "/Size {n}\n".
    PdfOutput& cross_reference_table(std::size_t last_object);
    // "startxref\n{offset of xref}\n%%EOF\n".
    PdfOutput& finish();

    std::size_t object_count() const { return offsets_.size(); }
    std::string take() && { return std::move(bytes_); }

private:
    PdfOutput& finish_appended_stream(std::size_t start);

    static constexpr std::size_t kFree = static_cast<std::size_t>(-1);

    std::string bytes_;
    std::vector<std::size_t> offsets_;  // entry 0 is the free object 0
    std::size_t current_object_ = 0;    // 0 outside indirect objects
    std::size_t xref_offset_ = 0;
};

}  // namespace lorp
