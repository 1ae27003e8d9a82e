#include "fo/fo_node_data.h"

namespace lorp {

FoElementData::FoElementData(FoElement kind) : kind_(kind) {}

FoElementData::FoElementData(FoElement kind, std::unique_ptr<ElementAttributes> attributes,
                             PropertyListPtr properties)
    : kind_(kind), attributes_(std::move(attributes)), properties_(std::move(properties)) {}

FoElementData::FoElementData(FoElementData&&) noexcept = default;
FoElementData& FoElementData::operator=(FoElementData&&) noexcept = default;
FoElementData::~FoElementData() = default;

}  // namespace lorp
