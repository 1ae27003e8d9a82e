#include "fo/element_factory.h"

#include <charconv>
#include <string>

namespace lorp {
namespace {

// The first attribute of that exact name.
std::optional<std::string_view> find(std::span<const XmlAttribute> attributes,
                                     std::string_view name) {
    for (const XmlAttribute& a : attributes) {
        if (a.name == name) {
            return a.value;
        }
    }
    return std::nullopt;
}

std::optional<std::string> optional_text(std::span<const XmlAttribute> attributes,
                                         std::string_view name) {
    if (auto value = find(attributes, name)) {
        return std::string(*value);
    }
    return std::nullopt;
}

std::string text_or(std::span<const XmlAttribute> attributes, std::string_view name,
                    std::string_view fallback) {
    return std::string(find(attributes, name).value_or(fallback));
}

bool all_digits(std::string_view s) {
    if (s.empty()) {
        return false;
    }
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// Builds the attribute record of one kind; a required attribute that is
// missing is reported by name through `missing`.
class AttributeReader {
public:
    AttributeReader(FoElement kind, std::span<const XmlAttribute> attributes,
                    PropertyList* properties)
        : kind_(kind), attributes_(attributes), properties_(properties) {}

    std::string required(std::string_view name) {
        if (auto value = find(attributes_, name)) {
            return std::string(*value);
        }
        if (missing_.empty()) {
            missing_ = name;
        }
        return {};
    }

    std::string_view missing() const { return missing_; }

    // The node data, with a record for the kinds that have element-specific attributes.
    FoElementData read() {
        const auto& a = attributes_;
        switch (kind_) {
            case FoElement::SimplePageMaster:
                return make(MasterNameAttributes{required("master-name")});
            case FoElement::PageSequenceMaster:
                return make(MasterNameAttributes{text_or(a, "master-name", "")});
            case FoElement::RepeatablePageMasterAlternatives: {
                RepeatableAlternativesAttributes r;
                if (auto v = find(a, "maximum-repeats")) {
                    r.maximum_repeats = parse_signed_32(*v);
                }
                return make(std::move(r));
            }
            case FoElement::ConditionalPageMasterReference:
                return make(ConditionalReferenceAttributes{
                    required("master-reference"),
                    parse_page_position(find(a, "page-position").value_or("")),
                    parse_odd_or_even(find(a, "odd-or-even").value_or("")),
                    parse_blank_or_not_blank(find(a, "blank-or-not-blank").value_or(""))});
            case FoElement::PageSequence: {
                PageSequenceAttributes r;
                r.master_reference = required("master-reference");
                r.format = text_or(a, "format", "1");
                if (auto v = find(a, "grouping-separator")) {
                    r.grouping_separator = first_character(*v);
                }
                if (auto v = find(a, "grouping-size")) {
                    r.grouping_size = parse_unsigned_64(*v);
                }
                return make(std::move(r));
            }
            case FoElement::Flow:
            case FoElement::StaticContent:
                return make(FlowAttributes{required("flow-name")});
            case FoElement::ExternalGraphic:
                return make(ExternalGraphicAttributes{
                    required("src"), optional_text(a, "content-width"),
                    optional_text(a, "content-height"), optional_text(a, "scaling")});
            case FoElement::InstreamForeignObject:
                return make(InstreamForeignObjectAttributes{optional_text(a, "content-width"),
                                                            optional_text(a, "content-height"),
                                                            optional_text(a, "scaling"),
                                                            {}});
            case FoElement::BasicLink:
            case FoElement::Bookmark:
                return make(LinkAttributes{optional_text(a, "internal-destination"),
                                           optional_text(a, "external-destination")});
            case FoElement::PageNumberCitation:
                return make(CitationAttributes{required("ref-id")});
            case FoElement::PageNumberCitationLast:
                return make(CitationAttributes{text_or(a, "ref-id", "")});
            case FoElement::Marker:
                return make(MarkerAttributes{required("marker-class-name")});
            case FoElement::RetrieveMarker:
                return make(RetrieveMarkerAttributes{
                    required("retrieve-class-name"),
                    parse_retrieve_position(find(a, "retrieve-position").value_or(""))});
            case FoElement::ColorProfile:
                return make(ColorProfileAttributes{text_or(a, "src", ""),
                                                   text_or(a, "color-profile-name", "")});
            case FoElement::MultiCase:
                return make(MultiCaseAttributes{text_or(a, "starting-state", "visible")});
            case FoElement::Character:
                return make(CharacterAttributes{
                    first_character(find(a, "character").value_or("")).value_or(U'\uFFFD')});
            case FoElement::BidiOverride:
                return make(BidiOverrideAttributes{text_or(a, "direction", "ltr")});
            case FoElement::ChangeBarBegin:
            case FoElement::ChangeBarEnd:
                return make(ChangeBarAttributes{text_or(a, "change-bar-class", "default")});
            case FoElement::Root:
            case FoElement::LayoutMasterSet:
            case FoElement::RegionBody:
            case FoElement::RegionBefore:
            case FoElement::RegionAfter:
            case FoElement::RegionStart:
            case FoElement::RegionEnd:
            case FoElement::Block:
            case FoElement::Inline:
            case FoElement::ListBlock:
            case FoElement::ListItem:
            case FoElement::ListItemLabel:
            case FoElement::ListItemBody:
            case FoElement::Table:
            case FoElement::TableColumn:
            case FoElement::TableHeader:
            case FoElement::TableFooter:
            case FoElement::TableBody:
            case FoElement::TableRow:
            case FoElement::TableCell:
            case FoElement::BookmarkTree:
            case FoElement::BookmarkTitle:
            case FoElement::Leader:
            case FoElement::Footnote:
            case FoElement::FootnoteBody:
            case FoElement::Float:
            case FoElement::PageNumber:
            case FoElement::BlockContainer:
            case FoElement::InlineContainer:
            case FoElement::TableAndCaption:
            case FoElement::TableCaption:
            case FoElement::Declarations:
            case FoElement::MultiSwitch:
            case FoElement::MultiToggle:
            case FoElement::MultiProperties:
            case FoElement::MultiPropertySet:
            case FoElement::Wrapper:
            case FoElement::InitialPropertySet:
                return FoElementData(kind_, properties_);
        }
        return FoElementData(kind_, properties_);
    }

private:
    template <class T>
    FoElementData make(T record) const {
        return FoElementData::with_attributes(kind_, std::move(record), properties_);
    }

    FoElement kind_;
    std::span<const XmlAttribute> attributes_;
    PropertyList* properties_;
    std::string_view missing_;
};

}  // namespace

std::optional<std::int32_t> parse_signed_32(std::string_view value) {
    std::string_view digits = value;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (!all_digits(digits)) {
        return std::nullopt;
    }
    // Parse the magnitude wide, so -2147483648 fits.
    std::uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (ec != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    if (negative) {
        if (magnitude > 2147483648u) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > 2147483647u) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(magnitude);
}

std::optional<std::uint64_t> parse_unsigned_64(std::string_view value) {
    std::string_view digits = value;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    if (!all_digits(digits)) {
        return std::nullopt;
    }
    std::uint64_t result = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (ec != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return result;
}

std::optional<char32_t> first_character(std::string_view value) {
    if (value.empty()) {
        return std::nullopt;
    }
    const auto b0 = static_cast<unsigned char>(value[0]);
    int length = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        c = b0 & 0x07;
    } else {
        return U'\uFFFD';
    }
    if (value.size() < static_cast<std::size_t>(length)) {
        return U'\uFFFD';
    }
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(value[static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80) {
            return U'\uFFFD';
        }
        c = (c << 6) | (b & 0x3F);
    }
    return c;
}

Result<FoElementData> make_node_data(std::string_view local_name,
                                     std::span<const XmlAttribute> attributes,
                                     PropertyList* properties) {
    const std::optional<FoElement> kind = find_element(local_name);
    if (!kind) {
        std::string message = "Unknown FO element: ";
        message.append(local_name);
        return ConversionError::invalid_element(std::move(message));
    }
    AttributeReader reader(*kind, attributes, keeps_property_list(*kind) ? properties : nullptr);
    FoElementData data = reader.read();
    if (!reader.missing().empty()) {
        return ConversionError::missing_attribute(std::string(local_name),
                                                  std::string(reader.missing()));
    }
    return data;
}

}  // namespace lorp
