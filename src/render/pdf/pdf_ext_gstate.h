#pragma once

namespace lorp {

// An opacity graphics state, drawn as "/GS{index} gs".
struct PdfExtGState {
    double fill_alpha = 1;
    double stroke_alpha = 1;
};

}  // namespace lorp
