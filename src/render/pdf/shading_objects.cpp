#include "render/pdf/shading_objects.h"

namespace lorp {

namespace {

void write_color(PdfOutput& out, const ShadingStop& stop) {
    out.raw("[")
        .fixed(stop.color.red / 255.0, 3)
        .raw(" ")
        .fixed(stop.color.green / 255.0, 3)
        .raw(" ")
        .fixed(stop.color.blue / 255.0, 3)
        .raw("]\n");
}

// The lines of an exponential interpolation between two stops, each
// prefixed with `indent`.
void write_interpolation(PdfOutput& out, const ShadingStop& from, const ShadingStop& to,
                         std::string_view indent) {
    out.raw(indent).raw("/FunctionType 2\n");
    out.raw(indent).raw("/Domain [0 1]\n");
    out.raw(indent).raw("/N 1\n");
    out.raw(indent).raw("/C0 ");
    write_color(out, from);
    out.raw(indent).raw("/C1 ");
    write_color(out, to);
}

void write_function(PdfOutput& out, const PdfShading& shading, std::size_t number) {
    const auto& stops = shading.stops;
    out.begin_dictionary(number);
    if (stops.size() == 2) {
        write_interpolation(out, stops[0], stops[1], "");
    } else {
        out.raw("/FunctionType 3\n/Domain [0 1]\n/Bounds [");
        for (std::size_t k = 1; k + 1 < stops.size(); ++k) {
            out.fixed(stops[k].offset, 3).raw(" ");
        }
        out.raw("]\n/Encode [");
        for (std::size_t k = 1; k < stops.size(); ++k) {
            out.raw("0 1 ");
        }
        out.raw("]\n/Functions [\n");
        for (std::size_t k = 0; k + 1 < stops.size(); ++k) {
            out.raw("    <<\n");
            write_interpolation(out, stops[k], stops[k + 1], "    ");
            out.raw("    >>\n");
        }
        out.raw("]\n");
    }
    out.end_dictionary();
}

void write_point(PdfOutput& out, std::int32_t x, std::int32_t y) {
    out.fixed(x / 1000.0, 3).raw(" ").fixed(y / 1000.0, 3);
}

}  // namespace

void write_shading_objects(PdfOutput& out, const PdfShading& shading, std::size_t function) {
    if (shading.stops.size() < 2) {
        return;
    }
    write_function(out, shading, function);
    out.begin_dictionary(function + 1);
    switch (shading.kind) {
        case ShadingKind::Axial:
            out.raw("/ShadingType 2\n/ColorSpace /DeviceRGB\n/Coords [");
            write_point(out, shading.x0, shading.y0);
            out.raw(" ");
            write_point(out, shading.x1, shading.y1);
            out.raw("]\n");
            break;
        case ShadingKind::Radial:
            out.raw("/ShadingType 3\n/ColorSpace /DeviceRGB\n/Coords [");
            write_point(out, shading.cx, shading.cy);
            out.raw(" 0 ");
            write_point(out, shading.cx, shading.cy);
            out.raw(" ").fixed(shading.radius * 100, 3).raw("]\n");
            break;
    }
    out.raw("/Function ").reference(function).raw("\n/Extend [true true]\n");
    out.end_dictionary();
}

}  // namespace lorp
