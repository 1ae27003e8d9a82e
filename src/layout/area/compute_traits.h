#pragma once

#include "layout/area/trait_record.h"

namespace lorp {

class PropertyList;

// The trait record of an element from its resolved properties: colours,
// font, borders, radii and overflow. Lookups that fail or yield a value of
// the wrong kind leave a field at its default.
TraitRecord compute_traits(const PropertyList& properties);

// The record with every field absent except a colour and a background that
// is not fully transparent: what regions and pages carry.
TraitRecord region_traits(const PropertyList& properties, bool with_color);

}  // namespace lorp
