#include "layout/engine/page_geometry.h"

#include <optional>

#include "layout/engine/fo_access.h"
#include "layout/engine/saturating.h"
#include "layout/property_reader.h"

namespace lorp {

namespace {

constexpr std::int32_t kDefaultPageMargin = 72000;

std::optional<NodeId> find_master(const FoTree& tree, std::string_view master_reference) {
    if (tree.node_count() == 0) {
        return std::nullopt;
    }
    for (NodeId set : tree.children(0)) {
        if (!is_element(tree, set, FoElement::LayoutMasterSet)) {
            continue;
        }
        for (NodeId master : tree.children(set)) {
            const auto* names = attributes_of<MasterNameAttributes>(tree, master);
            if (is_element(tree, master, FoElement::SimplePageMaster) && names != nullptr &&
                names->master_name == master_reference) {
                return master;
            }
        }
    }
    return std::nullopt;
}

std::int32_t length_or(const PropertyList* properties, PropertyId id, std::int32_t fallback) {
    return properties != nullptr ? read_length(*properties, id).value_or(fallback) : fallback;
}

}  // namespace

PageGeometry resolve_geometry(const FoTree& tree, std::string_view master_reference,
                              std::int32_t default_width, std::int32_t default_height) {
    PageGeometry g;
    const std::optional<NodeId> master = find_master(tree, master_reference);
    if (!master) {
        g.page_width = default_width;
        g.page_height = default_height;
        g.region_body = Rect{kDefaultPageMargin, kDefaultPageMargin,
                             sat_sub(default_width, 2 * kDefaultPageMargin),
                             sat_sub(default_height, 2 * kDefaultPageMargin)};
        return g;
    }

    const PropertyList* mp = properties_of(tree, *master);
    const std::int32_t pw = length_or(mp, PropertyId::PageWidth, default_width);
    const std::int32_t ph = length_or(mp, PropertyId::PageHeight, default_height);
    // The page margins are an inch unless the master itself gives a length:
    // the 0pt initial value of the margin properties does not count.
    const auto margin = [mp](PropertyId id) {
        return mp != nullptr ? read_own_length(*mp, id).value_or(kDefaultPageMargin)
                             : kDefaultPageMargin;
    };
    const std::int32_t mt = margin(PropertyId::MarginTop);
    const std::int32_t mb = margin(PropertyId::MarginBottom);
    const std::int32_t ml = margin(PropertyId::MarginLeft);
    const std::int32_t mr = margin(PropertyId::MarginRight);

    std::int32_t bt = 0, bb = 0, bl = 0, br = 0;
    std::int32_t eb = 0, ea = 0, es = 0, ee = 0;
    for (NodeId child : tree.children(*master)) {
        const std::optional<FoElement> kind = element_kind(tree, child);
        const PropertyList* cp = properties_of(tree, child);
        if (!kind) {
            continue;
        }
        switch (*kind) {
            case FoElement::RegionBody:
                bt = length_or(cp, PropertyId::MarginTop, 0);
                bb = length_or(cp, PropertyId::MarginBottom, 0);
                bl = length_or(cp, PropertyId::MarginLeft, 0);
                br = length_or(cp, PropertyId::MarginRight, 0);
                break;
            case FoElement::RegionBefore:
                eb = length_or(cp, PropertyId::Extent, 0);
                break;
            case FoElement::RegionAfter:
                ea = length_or(cp, PropertyId::Extent, 0);
                break;
            case FoElement::RegionStart:
                es = length_or(cp, PropertyId::Extent, 0);
                break;
            case FoElement::RegionEnd:
                ee = length_or(cp, PropertyId::Extent, 0);
                break;
            default:
                break;
        }
    }

    // Each formula is summed in 64 bits and clamped once.
    const std::int64_t cw = std::int64_t{pw} - ml - mr;
    const std::int64_t ch = std::int64_t{ph} - mt - mb - eb - ea;
    const std::int64_t inner_top = std::int64_t{mt} + eb;
    const auto rect = [](std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
        return Rect{clamp_to_int32(x), clamp_to_int32(y), clamp_to_int32(w), clamp_to_int32(h)};
    };
    g.page_width = pw;
    g.page_height = ph;
    g.region_before = rect(ml, mt, cw, eb);
    g.region_after = rect(ml, std::int64_t{ph} - mb - ea, cw, ea);
    g.region_start = rect(ml, inner_top, es, ch);
    g.region_end = rect(std::int64_t{pw} - mr - ee, inner_top, ee, ch);
    g.region_body =
        rect(std::int64_t{ml} + es + bl, inner_top + bt, cw - es - ee - bl - br, ch - bt - bb);
    return g;
}

}  // namespace lorp
