#include "render/pdf/text_drawing.h"

#include <cmath>
#include <optional>

#include "render/pdf/pdf_strings.h"
#include "render/pdf/win_ansi_encoding.h"

namespace lorp {

namespace {

constexpr double kNegligibleSpacing = 0.0001;  // points

// Writes "{value:.4} {op}\n" when the area asks for a spacing; a run that
// asks for none while a spacing is still in force sets it back to 0, so one
// run's spacing never carries over to the next.
void set_spacing(ContentStream& out, const std::optional<std::int32_t>& millipoints,
                 std::string_view op, double& in_force) {
    const double wanted = millipoints ? *millipoints / 1000.0 : 0.0;
    if (std::fabs(wanted) > kNegligibleSpacing) {
        out.fixed(wanted, 4).raw(" ").raw(op).raw("\n");
        in_force = wanted;
    } else if (in_force != 0) {
        out.raw("0.0000 ").raw(op).raw("\n");
        in_force = 0;
    }
}

}  // namespace

void draw_text(ContentStream& out, const Area& area, std::string_view text, std::int64_t x,
               std::int64_t top, std::int64_t page_height, TextSpacing& spacing) {
    const TraitRecord& traits = *area.traits;
    const std::int64_t size = traits.font_size.value_or(kDefaultFontSize);
    out.color(traits.color.value_or(Color{})).raw(" rg\n");
    out.raw("BT\n/F1 ").shortest_points(size).raw(" Tf\n");
    set_spacing(out, traits.letter_spacing, "Tc", spacing.character);
    set_spacing(out, traits.word_spacing, "Tw", spacing.word);
    out.shortest_points(x).raw(" ").shortest_points(page_height - top - size).raw(" Td\n");
    append_literal_string(out.buffer(), to_win_ansi(text));
    out.raw(" Tj\nET\n");
}

}  // namespace lorp
