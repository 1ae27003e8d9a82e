#include "xml/xml_reader.h"

#include <array>
#include <cstring>
#include <utility>

#include "xml/text_location.h"
#include "xml/utf8.h"

namespace lorp {

namespace {

// Byte classes for the scanning loops. Every byte of 0x80 and above may appear
// in a name: the document is checked to be valid UTF-8 before it is scanned,
// and the name rules for non-ASCII characters are left to the writer.
enum : unsigned char {
    kNameStart = 1,
    kNameChar = 2,
    kTagStop = 4,  // ends the plain stretch of a tag: '>', quotes, '<'
};

constexpr std::array<unsigned char, 256> make_classes() {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) {
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        bool start = letter || c == '_' || c == ':' || c >= 0x80;
        bool name = start || (c >= '0' && c <= '9') || c == '-' || c == '.';
        t[c] = static_cast<unsigned char>((start ? kNameStart : 0) | (name ? kNameChar : 0));
    }
    t['>'] |= kTagStop;
    t['"'] |= kTagStop;
    t['\''] |= kTagStop;
    t['<'] |= kTagStop;
    return t;
}

constexpr std::array<unsigned char, 256> kClasses = make_classes();

bool has(char c, unsigned char cls) {
    return (kClasses[static_cast<unsigned char>(c)] & cls) != 0;
}

bool is_xml_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool only_xml_space(std::string_view text) {
    for (char c : text) {
        if (!is_xml_space(c)) {
            return false;
        }
    }
    return true;
}

std::string end_tag_text(std::string_view name) {
    std::string s = "</";
    s += name;
    s += '>';
    return s;
}

}  // namespace

XmlReader::XmlReader(std::string_view document) : document_(document) {
    if (document_.substr(0, 3) == "\xEF\xBB\xBF") {
        pos_ = 3;
    }
}

void XmlReader::set_failure(std::string_view description, std::size_t offset) {
    failure_ = reader_failure(document_, offset, description);
}

Result<XmlItem> XmlReader::fail(std::string_view description, std::size_t offset) {
    set_failure(description, offset);
    return *failure_;
}

Result<XmlItem> XmlReader::next() {
    if (failure_) {
        return *failure_;
    }
    if (!validated_) {
        validated_ = true;
        std::size_t bad = find_invalid_utf8(document_);
        if (bad != std::string_view::npos) {
            return fail(document_[bad] == '\0' ? "NUL character" : "invalid UTF-8 byte sequence",
                        bad);
        }
    }
    if (pending_end_) {
        pending_end_ = false;
        XmlItem item;
        item.kind = XmlItemKind::EndTag;
        item.name = open_.back();
        item.offset = pending_offset_;
        open_.pop_back();
        return item;
    }
    const std::size_t size = document_.size();
    for (;;) {
        if (pos_ >= size) {
            if (!open_.empty()) {
                return fail("unexpected end of input", size);
            }
            XmlItem item;
            item.offset = size;
            return item;
        }
        if (document_[pos_] != '<') {
            Result<XmlItem> text = read_text();
            // Runs outside every element hold nothing the tree could keep;
            // white space there is layout of the file and is not reported.
            if (!text || !open_.empty() || !only_xml_space(text->text)) {
                return text;
            }
            continue;
        }
        if (pos_ + 1 >= size) {
            return fail("unexpected end of input in tag", size);
        }
        switch (document_[pos_ + 1]) {
            case '/':
                return read_end_tag();
            case '?':
                if (!skip_until(pos_ + 2, "?>", "processing instruction")) {
                    return *failure_;
                }
                continue;
            case '!': {
                std::string_view rest = document_.substr(pos_);
                if (rest.starts_with("<![CDATA[")) {
                    return read_cdata();
                }
                if (rest.starts_with("<!--")) {
                    if (!skip_until(pos_ + 4, "-->", "comment")) {
                        return *failure_;
                    }
                    continue;
                }
                if (rest.starts_with("<!DOCTYPE")) {
                    if (!skip_doctype()) {
                        return *failure_;
                    }
                    continue;
                }
                for (std::string_view whole : {"<![CDATA[", "<!--", "<!DOCTYPE"}) {
                    if (whole.starts_with(rest)) {
                        return fail("unexpected end of input in markup", size);
                    }
                }
                return fail("unknown markup after '<!'", pos_);
            }
            default:
                return read_start_tag();
        }
    }
}

Result<XmlItem> XmlReader::read_text() {
    const char* base = document_.data();
    const std::size_t size = document_.size();
    const std::size_t start = pos_;
    const void* lt = std::memchr(base + start, '<', size - start);
    const std::size_t end =
        lt ? static_cast<std::size_t>(static_cast<const char*>(lt) - base) : size;
    // Every "&" must be closed by ";" before the next "&" or the end of the run.
    std::size_t i = start;
    while (i < end) {
        const void* amp = std::memchr(base + i, '&', end - i);
        if (amp == nullptr) {
            break;
        }
        std::size_t at = static_cast<std::size_t>(static_cast<const char*>(amp) - base);
        std::size_t j = at + 1;
        while (j < end && base[j] != ';' && base[j] != '&') {
            ++j;
        }
        if (j == end || base[j] == '&') {
            return fail("'&' not closed by ';'", at);
        }
        i = j + 1;
    }
    pos_ = end;
    XmlItem item;
    item.kind = XmlItemKind::Text;
    item.text = document_.substr(start, end - start);
    item.offset = start;
    return item;
}

Result<XmlItem> XmlReader::read_start_tag() {
    const char* base = document_.data();
    const std::size_t size = document_.size();
    const std::size_t start = pos_;
    std::size_t i = start + 1;
    if (!has(base[i], kNameStart)) {
        return fail("'<' must start a tag name", start);
    }
    ++i;
    while (i < size && has(base[i], kNameChar)) {
        ++i;
    }
    if (i >= size) {
        return fail("unexpected end of input in tag", size);
    }
    const std::string_view name = document_.substr(start + 1, i - start - 1);
    if (!is_xml_space(base[i]) && base[i] != '>' && base[i] != '/') {
        return fail("malformed start tag <" + std::string(name) + ">", i);
    }
    // Find the closing '>' outside quoted values.
    for (;;) {
        while (i < size && !has(base[i], kTagStop)) {
            ++i;
        }
        if (i >= size) {
            return fail("unexpected end of input in tag", size);
        }
        char c = base[i];
        if (c == '>') {
            break;
        }
        if (c == '<') {
            return fail("unexpected '<' inside tag <" + std::string(name) + ">", i);
        }
        const void* close = std::memchr(base + i + 1, c, size - i - 1);
        if (close == nullptr) {
            return fail("unexpected end of input in tag", size);
        }
        i = static_cast<std::size_t>(static_cast<const char*>(close) - base) + 1;
    }
    std::string_view raw = document_.substr(start + 1, i - start - 1);
    // The '/' of an empty-element tag is the last byte before '>': a name
    // cannot hold it, and a quoted value ends with its quote.
    const bool empty = raw.size() > name.size() && raw.back() == '/';
    if (empty) {
        raw.remove_suffix(1);
        pending_end_ = true;
        pending_offset_ = start;
    }
    pos_ = i + 1;
    open_.push_back(name);
    XmlItem item;
    item.kind = XmlItemKind::StartTag;
    item.name = name;
    item.raw_tag = raw;
    item.offset = start;
    return item;
}

Result<XmlItem> XmlReader::read_end_tag() {
    const char* base = document_.data();
    const std::size_t size = document_.size();
    const std::size_t start = pos_;
    std::size_t i = start + 2;
    if (i < size && has(base[i], kNameStart)) {
        ++i;
        while (i < size && has(base[i], kNameChar)) {
            ++i;
        }
    }
    const std::string_view name = document_.substr(start + 2, i - start - 2);
    while (i < size && is_xml_space(base[i])) {
        ++i;
    }
    if (i >= size) {
        return fail("unexpected end of input in tag", size);
    }
    if (base[i] != '>' || name.empty()) {
        return fail("malformed end tag </" + std::string(name) + ">", i);
    }
    if (open_.empty()) {
        return fail("unmatched end tag " + end_tag_text(name), start);
    }
    if (open_.back() != name) {
        return fail("expected " + end_tag_text(open_.back()) + ", found " + end_tag_text(name),
                    start);
    }
    open_.pop_back();
    pos_ = i + 1;
    XmlItem item;
    item.kind = XmlItemKind::EndTag;
    item.name = name;
    item.offset = start;
    return item;
}

Result<XmlItem> XmlReader::read_cdata() {
    const std::size_t start = pos_;
    const std::size_t content = start + 9;
    const std::size_t close = document_.find("]]>", content);
    if (close == std::string_view::npos) {
        return fail("unexpected end of input in CDATA section", document_.size());
    }
    pos_ = close + 3;
    XmlItem item;
    item.kind = XmlItemKind::CData;
    item.text = document_.substr(content, close - content);
    item.offset = start;
    return item;
}

bool XmlReader::skip_until(std::size_t from, std::string_view terminator, const char* what) {
    const std::size_t close = document_.find(terminator, from);
    if (close == std::string_view::npos) {
        set_failure(std::string("unexpected end of input in ") + what, document_.size());
        return false;
    }
    pos_ = close + terminator.size();
    return true;
}

bool XmlReader::skip_doctype() {
    const char* base = document_.data();
    const std::size_t size = document_.size();
    std::size_t i = pos_ + 9;
    bool in_subset = false;
    while (i < size) {
        const char c = base[i];
        if (c == '"' || c == '\'') {
            const void* close = std::memchr(base + i + 1, c, size - i - 1);
            if (close == nullptr) {
                break;
            }
            i = static_cast<std::size_t>(static_cast<const char*>(close) - base) + 1;
        } else if (in_subset && c == '<' && document_.substr(i).starts_with("<!--")) {
            std::size_t close = document_.find("-->", i + 4);
            if (close == std::string_view::npos) {
                break;
            }
            i = close + 3;
        } else if (in_subset && c == '<' && document_.substr(i).starts_with("<?")) {
            std::size_t close = document_.find("?>", i + 2);
            if (close == std::string_view::npos) {
                break;
            }
            i = close + 2;
        } else if (c == '[' && !in_subset) {
            in_subset = true;
            ++i;
        } else if (c == ']' && in_subset) {
            in_subset = false;
            ++i;
        } else if (c == '>' && !in_subset) {
            pos_ = i + 1;
            return true;
        } else {
            ++i;
        }
    }
    set_failure("unexpected end of input in document type declaration", size);
    return false;
}

}  // namespace lorp
