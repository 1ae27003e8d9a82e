#!/usr/bin/env python3
"""Generates the property catalogue tables of src/properties from the one table below.

Run from anywhere: python3 tools/gen_properties.py
It rewrites src/properties/property_id.h, src/properties/property_catalogue.inc and
src/properties/initial_values.inc. The outputs are committed; the build never runs this.
"""

import os
import sys

# Ids 1..295 in this order; the order is part of the interface (per-node storage, validation
# order and every id-keyed table depend on it).
NAMES = [
    "absolute-position", "active-state", "alignment-adjust", "alignment-baseline", "auto-restore",
    "azimuth", "background", "background-attachment", "background-color", "background-image",
    "background-position", "background-position-horizontal", "background-position-vertical",
    "background-repeat", "baseline-shift", "blank-or-not-blank", "block-progression-dimension",
    "border", "border-after-color", "border-after-precedence", "border-after-style",
    "border-after-width", "border-before-color", "border-before-precedence", "border-before-style",
    "border-before-width", "border-bottom", "border-bottom-color", "border-bottom-style",
    "border-bottom-width", "border-collapse", "border-color", "border-end-color",
    "border-end-precedence", "border-end-style", "border-end-width", "border-left",
    "border-left-color", "border-left-style", "border-left-width", "border-right",
    "border-right-color", "border-right-style", "border-right-width", "border-separation",
    "border-spacing", "border-start-color", "border-start-precedence", "border-start-style",
    "border-start-width", "border-style", "border-top", "border-top-color", "border-top-style",
    "border-top-width", "border-width", "bottom", "break-after", "break-before", "caption-side",
    "case-name", "case-title", "change-bar-class", "change-bar-color", "change-bar-offset",
    "change-bar-placement", "change-bar-style", "change-bar-width", "character", "clear", "clip",
    "color", "color-profile-name", "column-count", "column-gap", "column-number", "column-width",
    "content-height", "content-type", "content-width", "country", "cue", "cue-after", "cue-before",
    "destination-placement-offset", "direction", "display-align", "dominant-baseline", "elevation",
    "empty-cells", "end-indent", "ends-row", "extent", "external-destination", "float",
    "flow-map-name", "flow-map-reference", "flow-name", "flow-name-reference", "font",
    "font-family", "font-selection-strategy", "font-size", "font-size-adjust", "font-stretch",
    "font-style", "font-variant", "font-weight", "force-page-count", "format",
    "glyph-orientation-horizontal", "glyph-orientation-vertical", "grouping-separator",
    "grouping-size", "height", "hyphenate", "hyphenation-character", "hyphenation-keep",
    "hyphenation-ladder-count", "hyphenation-push-character-count",
    "hyphenation-remain-character-count", "id", "indicate-destination", "index-class", "index-key",
    "initial-page-number", "inline-progression-dimension", "internal-destination",
    "intrinsic-scale-value", "intrusion-displace", "keep-together", "keep-with-next",
    "keep-with-previous", "language", "last-line-end-indent", "leader-alignment", "leader-length",
    "leader-pattern", "leader-pattern-width", "left", "letter-spacing", "letter-value",
    "linefeed-treatment", "line-height", "line-height-shift-adjustment", "line-stacking-strategy",
    "margin", "margin-bottom", "margin-left", "margin-right", "margin-top", "marker-class-name",
    "master-name", "master-reference", "max-height", "maximum-repeats", "max-width",
    "merge-pages-across-index-key-references", "merge-ranges-across-index-key-references",
    "merge-sequential-page-numbers", "media-usage", "min-height", "min-width",
    "number-columns-repeated", "number-columns-spanned", "number-rows-spanned", "odd-or-even",
    "orphans", "overflow", "padding", "padding-after", "padding-before", "padding-bottom",
    "padding-end", "padding-left", "padding-right", "padding-start", "padding-top",
    "page-break-after", "page-break-before", "page-break-inside", "page-citation-strategy",
    "page-height", "page-number-treatment", "page-position", "page-width", "pause", "pause-after",
    "pause-before", "pitch", "pitch-range", "play-during", "position", "precedence",
    "provisional-distance-between-starts", "provisional-label-separation", "reference-orientation",
    "ref-id", "region-name", "region-name-reference", "ref-index-key", "relative-align",
    "relative-position", "rendering-intent", "retrieve-boundary", "retrieve-boundary-within-table",
    "retrieve-class-name", "retrieve-position", "retrieve-position-within-table", "richness",
    "right", "role", "rule-style", "rule-thickness", "scaling", "scaling-method", "score-spaces",
    "script", "show-destination", "size", "source-document", "space-after", "space-before",
    "space-end", "space-start", "span", "speak", "speak-header", "speak-numeral",
    "speak-punctuation", "speech-rate", "src", "start-indent", "starting-state", "starts-row",
    "stress", "suppress-at-line-break", "switch-to", "table-layout", "table-omit-footer-at-break",
    "table-omit-header-at-break", "target-presentation-context", "target-processing-context",
    "target-stylesheet", "text-align", "text-align-last", "text-altitude", "text-decoration",
    "text-depth", "text-indent", "text-shadow", "text-transform", "top", "treat-as-word-space",
    "unicode-bidi", "vertical-align", "visibility", "voice-family", "volume", "white-space",
    "white-space-collapse", "white-space-treatment", "widows", "width", "word-spacing",
    "wrap-option", "writing-mode", "xml-lang", "z-index", "x-widow-content-limit",
    "x-orphan-content-limit", "x-disable-column-balancing", "x-alt-text", "x-xml-base",
    "x-border-before-radius-start", "x-border-before-radius-end", "x-border-after-radius-start",
    "x-border-after-radius-end", "x-border-start-radius-before", "x-border-start-radius-after",
    "x-border-end-radius-before", "x-border-end-radius-after", "x-border-radius",
    "x-border-before-start-radius", "x-border-before-end-radius", "x-border-after-start-radius",
    "x-border-after-end-radius", "x-number-conversion-features", "x-header-column", "x-layer",
    "x-auto-toggle", "x-background-image-width", "x-background-image-height", "x-abbreviation",
    "opacity",
]

# Other spellings that name a catalogued property.
ALIASES = {"xml:lang": "xml-lang"}

INHERITED = [
    "color", "direction", "font-family", "font-size", "font-style", "font-weight",
    "letter-spacing", "line-height", "text-align", "text-indent", "visibility", "white-space",
    "word-spacing", "writing-mode",
]

SIDES = ["after", "before", "bottom", "end", "left", "right", "start", "top"]

# Initial values: (kind, number, text) -> names. Lengths are in millipoints.
INITIAL = [
    (("Auto", 0, None), [
        "background", "background-position", "block-progression-dimension", "border",
        "border-bottom", "border-color", "border-left", "border-right", "border-style",
        "border-top", "border-width", "bottom", "clip", "column-number", "column-width",
        "content-height", "content-width", "cue", "font", "height",
        "inline-progression-dimension", "left", "margin", "padding", "page-height", "page-width",
        "pause", "right", "top", "width", "z-index", "x-border-radius",
        "x-background-image-width", "x-background-image-height"]),
    (("None", 0, None), [
        "background-image", "country", "cue-after", "cue-before", "font-size-adjust", "language",
        "max-height", "max-width", "script", "text-decoration", "text-shadow"]),
    # Colours are packed 0xRRGGBBAA.
    (("Color", 0x00000000, None), ["background-color"]),
    (("Color", 0x000000FF, None),
     ["color", "change-bar-color"] + [f"border-{s}-color" for s in SIDES]),
    (("Length", 1000, None),
     [f"border-{s}-width" for s in SIDES] + ["change-bar-width", "rule-thickness"]),
    (("Length", 6000, None), ["change-bar-offset", "provisional-label-separation"]),
    (("Length", 12000, None), ["font-size", "column-gap"]),
    (("Length", 24000, None), ["provisional-distance-between-starts"]),
    (("Integer", 0, None),
     ["glyph-orientation-horizontal", "grouping-size", "reference-orientation"]),
    (("Integer", 1, None),
     ["column-count", "number-columns-repeated", "number-columns-spanned", "number-rows-spanned"]),
    (("Integer", 2, None), [
        "hyphenation-push-character-count", "hyphenation-remain-character-count", "orphans",
        "widows"]),
    (("Integer", 50, None), ["pitch-range", "richness", "stress"]),
    (("Integer", 100, None), ["intrinsic-scale-value"]),
    (("String", 0, "serif"), ["font-family"]),
    (("String", 0, "1"), ["format"]),
    (("String", 0, "-"), ["hyphenation-character"]),
    (("String", 0, ""), [
        "case-name", "case-title", "change-bar-class", "character", "color-profile-name",
        "external-destination", "flow-map-name", "flow-map-reference", "flow-name",
        "flow-name-reference", "grouping-separator", "id", "index-class", "index-key",
        "internal-destination", "marker-class-name", "master-name", "master-reference", "ref-id",
        "region-name", "region-name-reference", "ref-index-key", "retrieve-class-name", "role",
        "source-document", "src", "switch-to", "voice-family", "xml-lang", "x-alt-text",
        "x-xml-base", "x-number-conversion-features", "x-layer", "x-abbreviation"]),
    (("Length", 0, None), [
        "background-position-horizontal", "background-position-vertical", "border-separation",
        "border-spacing", "destination-placement-offset", "end-indent", "extent",
        "last-line-end-indent", "leader-length", "margin-bottom", "margin-left", "margin-right",
        "margin-top", "min-height", "min-width", "padding-after", "padding-before",
        "padding-bottom", "padding-end", "padding-left", "padding-right", "padding-start",
        "padding-top", "pause-after", "pause-before", "space-after", "space-before", "space-end",
        "space-start", "start-indent", "text-indent", "x-widow-content-limit",
        "x-orphan-content-limit", "x-border-before-radius-start", "x-border-before-radius-end",
        "x-border-after-radius-start", "x-border-after-radius-end",
        "x-border-start-radius-before", "x-border-start-radius-after",
        "x-border-end-radius-before", "x-border-end-radius-after",
        "x-border-before-start-radius", "x-border-before-end-radius",
        "x-border-after-start-radius", "x-border-after-end-radius"]),
    # Nothing reads opacity's initial value; fully opaque is what a user expects.
    (("Number", 1, None), ["opacity"]),
]

# Keyword codes of the Enum initial values. No parser produces an Enum, so consumers treat
# these like any other non-string value and fall back to their own defaults.
ENUM_CODES = {
    8: ["blank-or-not-blank", "odd-or-even", "page-position"],
    9: ["absolute-position", "alignment-adjust", "break-after", "break-before", "content-type",
        "display-align", "dominant-baseline", "elevation", "font-selection-strategy",
        "force-page-count", "glyph-orientation-vertical", "hyphenation-keep",
        "hyphenation-ladder-count", "initial-page-number", "keep-together", "keep-with-next",
        "keep-with-previous", "leader-pattern-width", "letter-value", "maximum-repeats",
        "media-usage", "page-break-after", "page-break-before", "page-break-inside", "pitch",
        "play-during", "rendering-intent", "retrieve-boundary-within-table", "scaling-method",
        "size", "speak-header", "speak-numeral", "speech-rate", "suppress-at-line-break",
        "table-layout", "target-stylesheet", "text-altitude", "text-depth",
        "treat-as-word-space", "volume", "x-auto-toggle"],
    12: ["alignment-baseline", "baseline-shift", "vertical-align"],
    13: ["caption-side", "relative-align"],
    23: ["azimuth"],
    30: ["line-height-shift-adjustment"],
    35: ["target-processing-context"],
    48: ["auto-restore", "ends-row", "hyphenate", "indicate-destination", "precedence",
         "starts-row", "table-omit-footer-at-break", "table-omit-header-at-break",
         "x-disable-column-balancing", "x-header-column"],
    50: ["retrieve-position-within-table"],
    54: ["retrieve-position"],
    60: ["linefeed-treatment"],
    63: ["white-space-treatment"],
    74: ["writing-mode"],
    75: ["active-state", "direction", "line-stacking-strategy", "page-number-treatment"],
    80: ["merge-pages-across-index-key-references", "merge-ranges-across-index-key-references",
         "merge-sequential-page-numbers"],
    86: [f"border-{s}-style" for s in SIDES] + [
        "border-after-precedence", "border-before-precedence", "border-end-precedence",
        "border-start-precedence", "clear", "float", "intrusion-displace", "leader-alignment",
        "span", "speak-punctuation", "text-transform"],
    87: ["background-repeat", "font-stretch", "font-style", "font-variant", "font-weight",
         "letter-spacing", "line-height", "page-citation-strategy", "speak", "unicode-bidi",
         "white-space", "word-spacing"],
    97: ["retrieve-boundary"],
    111: ["show-destination"],
    119: ["background-attachment"],
    120: ["border-collapse"],
    121: ["empty-cells", "starting-state"],
    123: ["change-bar-style", "rule-style"],
    124: ["leader-pattern"],
    126: ["change-bar-placement", "text-align", "text-align-last"],
    127: ["position", "relative-position"],
    134: ["scaling", "score-spaces", "white-space-collapse"],
    136: ["overflow", "visibility"],
    137: ["target-presentation-context"],
    139: ["wrap-option"],
}

HEADER_NOTE = "// Generated by tools/gen_properties.py from its property table. Do not edit by hand.\n"


def display_name(name):
    return "".join(word[:1].upper() + word[1:] for word in name.split("-"))


def initial_table():
    table = {}

    def put(name, value):
        if name not in NAMES:
            sys.exit(f"initial value for unknown property {name}")
        if name in table:
            sys.exit(f"two initial values for {name}")
        table[name] = value

    for value, names in INITIAL:
        for name in names:
            put(name, value)
    for code, names in ENUM_CODES.items():
        for name in names:
            put(name, ("Enum", code, None))
    missing = [n for n in NAMES if n not in table]
    if missing:
        sys.exit(f"no initial value for {missing}")
    return table


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write(path, text):
    with open(path, "w", encoding="ascii", newline="\n") as out:
        out.write(text)


def main():
    if len(NAMES) != 295 or len(set(NAMES)) != 295:
        sys.exit("the catalogue must hold 295 distinct names")
    for name in INHERITED:
        if name not in NAMES:
            sys.exit(f"inherited flag for unknown property {name}")
    initial = initial_table()
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "properties")

    # property_id.h
    lines = [HEADER_NOTE, "#pragma once\n\n#include <cstdint>\n\nnamespace lorp {\n\n",
             "// A catalogued property. Ids 1..295 follow the catalogue order; 0 is what a failed\n",
             "// name lookup yields and names no property.\n",
             "enum class PropertyId : std::uint16_t {\n"]
    for index, name in enumerate(NAMES, start=1):
        lines.append(f"    {display_name(name)} = {index},\n")
    lines.append("};\n\n")
    lines.append(f"inline constexpr std::uint16_t kPropertyCount = {len(NAMES)};\n\n")
    lines.append("}  // namespace lorp\n")
    write(os.path.join(root, "property_id.h"), "".join(lines))

    # property_catalogue.inc: names, display names, inherited flags, lookup buckets.
    lines = [HEADER_NOTE, "// Included by property_catalogue.cpp inside namespace lorp.\n\n"]
    lines.append("// Attribute names, indexed by id - 1.\n")
    lines.append(f"constexpr std::string_view kNames[{len(NAMES)}] = {{\n")
    lines += [f"    {c_string(n)},\n" for n in NAMES]
    lines.append("};\n\n// Display names, indexed by id - 1.\n")
    lines.append(f"constexpr std::string_view kDisplayNames[{len(NAMES)}] = {{\n")
    lines += [f"    {c_string(display_name(n))},\n" for n in NAMES]
    lines.append("};\n\n// Inherited flags, indexed by id - 1.\n")
    lines.append(f"constexpr bool kInherited[{len(NAMES)}] = {{\n")
    lines += [f"    {'true' if n in INHERITED else 'false'},  // {n}\n" for n in NAMES]
    lines.append("};\n\n")

    entries = [(n, i) for i, n in enumerate(NAMES, start=1)]
    entries += [(alias, NAMES.index(target) + 1) for alias, target in ALIASES.items()]
    entries.sort(key=lambda e: (len(e[0]), e[0]))
    max_len = max(len(n) for n, _ in entries)
    lines.append("// Every accepted spelling with its id, sorted by length and then by bytes.\n")
    lines.append(f"constexpr LookupEntry kLookup[{len(entries)}] = {{\n")
    lines += [f"    {{{c_string(n)}, {i}}},\n" for n, i in entries]
    lines.append("};\n\n")
    starts = []
    for length in range(max_len + 2):
        starts.append(sum(1 for n, _ in entries if len(n) < length))
    lines.append("// kLookup[kLengthStart[n] .. kLengthStart[n + 1]) holds the names of n bytes.\n")
    lines.append(f"constexpr std::uint16_t kLengthStart[{len(starts)}] = {{\n")
    for first in range(0, len(starts), 14):
        lines.append("    " + ", ".join(str(s) for s in starts[first:first + 14]) + ",\n")
    lines.append("};\n")
    write(os.path.join(root, "property_catalogue.inc"), "".join(lines))

    # initial_values.inc
    lines = [HEADER_NOTE, "// Included by initial_value.cpp inside namespace lorp.\n\n",
             "// Initial value of every property, indexed by id - 1.\n",
             f"constexpr InitialSpec kInitialSpecs[{len(NAMES)}] = {{\n"]
    for name in NAMES:
        kind, number, text = initial[name]
        if kind == "Color":
            number_text = f"0x{number:08X}"
        else:
            number_text = str(number)
        text_text = c_string(text) if text is not None else '""'
        lines.append(f"    {{InitialKind::{kind}, {number_text}, {text_text}}},  // {name}\n")
    lines.append("};\n")
    write(os.path.join(root, "initial_values.inc"), "".join(lines))


if __name__ == "__main__":
    main()
