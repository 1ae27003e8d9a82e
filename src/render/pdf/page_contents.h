#pragma once

#include <cstddef>
#include <string>

namespace lorp {

// Draws the content streams of a document's pages at the moment the writer
// reaches each one, straight into the file, so that no content stream is
// held twice. The pages of the model then carry empty contents; their links
// must be in the model already, because their count fixes the numbers in the
// page's /Annots.
class PageContents {
public:
    virtual ~PageContents() = default;

    // Appends the content stream of page index to out, leaving the bytes
    // already there alone.
    virtual void append(std::size_t index, std::string& out) const = 0;
    // A generous guess of the bytes append adds, so the file is sized once.
    virtual std::size_t expected_size(std::size_t index) const = 0;
};

}  // namespace lorp
