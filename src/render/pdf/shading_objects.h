#pragma once

#include <cstddef>

#include "render/pdf/pdf_output.h"
#include "render/pdf/pdf_shading.h"

namespace lorp {

// The function object (number `function`) and the shading dictionary
// (function + 1) of one gradient. A shading with fewer than two stops writes
// nothing.
void write_shading_objects(PdfOutput& out, const PdfShading& shading, std::size_t function);

}  // namespace lorp
