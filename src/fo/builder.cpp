#include "fo/builder.h"

#include <optional>
#include <string>
#include <vector>

#include "fo/element_factory.h"
#include "fo/element_properties.h"
#include "xml/attribute_list.h"
#include "xml/entity_references.h"
#include "xml/namespace_table.h"
#include "xml/whitespace.h"
#include "xml/xml_reader.h"

namespace lorp {
namespace {

// Appends text to foreign markup with "&", "<" and ">" written as references,
// so an expanded run cannot open a tag, start a reference or close a CDATA
// section in the copy.
void append_escaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
}

// One parse: pulls items from the reader and grows the tree. The open XSL-FO
// elements are not kept on a stack of their own: closing one moves `current_`
// to its parent through the tree's links, so nesting depth costs no recursion.
class TreeBuilder {
public:
    explicit TreeBuilder(std::string_view document) : document_(document), reader_(document) {}

    Result<FoTree> run() {
        for (;;) {
            Result<XmlItem> next = reader_.next();
            if (!next) {
                return std::move(next).error();
            }
            const XmlItem& item = next.value();
            Status handled = ok_status();
            switch (item.kind) {
                case XmlItemKind::StartTag:
                    handled = capture_depth_ > 0 ? copy_start(item) : start(item);
                    break;
                case XmlItemKind::EndTag:
                    if (capture_depth_ > 0) {
                        copy_end(item);
                    } else {
                        end();
                    }
                    break;
                case XmlItemKind::Text:
                    handled = capture_depth_ > 0 ? copy_text(item) : text(item);
                    break;
                case XmlItemKind::CData:
                    // Dropped inside foreign content; otherwise kept verbatim.
                    if (capture_depth_ == 0 && !item.text.empty()) {
                        handled = add_text(item.text);
                    }
                    break;
                case XmlItemKind::EndOfDocument:
                    return std::move(tree_);
            }
            if (!handled) {
                return std::move(handled).error();
            }
        }
    }

private:
    Status start(const XmlItem& item) {
        namespaces_.record_namespaces(item);
        const ResolvedElement resolved = namespaces_.resolve_element(item.name);
        if (!resolved.is_fo) {
            if (capture_) {
                begin_copy(item);
            } else {
                // Ignored: its content still goes to the current element.
                opened_node_.push_back(false);
            }
            return ok_status();
        }

        // The failures of one start tag come in this order: attribute list,
        // property validation, element factory, id registration, linking.
        if (Status decoded = attributes_.decode(item, document_); !decoded) {
            return decoded;
        }
        const std::span<const XmlAttribute> attributes = attributes_.items();
        std::optional<std::string_view> id;
        for (const XmlAttribute& a : attributes) {
            if (a.name == "id") {
                id = a.value;
                break;
            }
        }

        const PropertyList* parent_list = nullptr;
        if (current_) {
            if (const FoElementData* parent = tree_.node(*current_).element()) {
                parent_list = parent->properties();
            }
        }
        PropertyList& properties = tree_.new_property_list(parent_list);
        if (Status filled = properties_.fill(properties, attributes); !filled) {
            return filled;
        }

        if (resolved.local_name == "root") {
            for (const XmlAttribute& a : attributes) {
                if (a.name == "xml:lang" || a.name == "xml-lang") {
                    tree_.set_language(a.value);
                    break;
                }
            }
        }

        Result<FoElementData> data = make_node_data(resolved.local_name, attributes, &properties);
        if (!data) {
            return std::move(data).error();
        }
        if (data->properties() == nullptr) {
            tree_.discard_last_property_list(properties);
        }
        if (Status room = check_room(); !room) {
            return room;
        }
        const NodeId node = tree_.add_node(id, std::move(data).value());
        if (id) {
            if (Status registered = tree_.register_id(*id, node); !registered) {
                return registered;
            }
        }
        if (current_) {
            if (Status linked = tree_.append_child(*current_, node); !linked) {
                return linked;
            }
        }
        if (resolved.local_name == "instream-foreign-object") {
            capture_ = node;
            capture_text_.clear();
            capture_depth_ = 0;
        }
        current_ = node;
        opened_node_.push_back(true);
        return ok_status();
    }

    void end() {
        if (opened_node_.empty()) {
            return;  // the reader refuses unmatched end tags; nothing to close
        }
        const bool made_node = opened_node_.back();
        opened_node_.pop_back();
        if (!made_node) {
            return;
        }
        if (capture_) {
            // Ends the capturing element, or an XSL-FO element placed directly inside it.
            if (FoElementData* target = tree_.mutable_element(*capture_)) {
                if (auto* ifo = target->mutable_attributes<InstreamForeignObjectAttributes>()) {
                    ifo->captured_markup = std::move(capture_text_);
                }
            }
            capture_.reset();
            capture_text_.clear();
        }
        if (current_) {
            current_ = tree_.node(*current_).parent();
        }
    }

    Status text(const XmlItem& item) {
        std::string_view run = item.text;
        if (run.find('&') != std::string_view::npos) {
            expanded_.clear();
            if (Status expanded = append_expanded(expanded_, run, document_); !expanded) {
                return expanded;
            }
            run = expanded_;
        }
        run = trim_unicode_whitespace(run);
        if (run.empty()) {
            return ok_status();
        }
        return add_text(run);
    }

    Status add_text(std::string_view text) {
        if (Status room = check_room(); !room) {
            return room;
        }
        tree_.add_text(current_, text);
        return ok_status();
    }

    void begin_copy(const XmlItem& item) {
        capture_text_ += '<';
        capture_text_ += item.raw_tag;
        capture_text_ += '>';
        ++capture_depth_;
    }

    Status copy_start(const XmlItem& item) {
        // XSL-FO elements inside foreign content are copied too and make no node.
        namespaces_.record_namespaces(item);
        begin_copy(item);
        return ok_status();
    }

    void copy_end(const XmlItem& item) {
        --capture_depth_;
        capture_text_ += "</";
        capture_text_ += item.name;
        capture_text_ += '>';
    }

    Status copy_text(const XmlItem& item) {
        const std::string_view run = strip_xml_whitespace(item.text);
        if (run.empty()) {
            return ok_status();
        }
        if (run.find('&') == std::string_view::npos) {
            capture_text_ += run;  // as written, so already well-formed
            return ok_status();
        }
        expanded_.clear();
        if (Status expanded = append_expanded(expanded_, run, document_); !expanded) {
            return expanded;
        }
        append_escaped(capture_text_, expanded_);
        return ok_status();
    }

    Status check_room() const {
        if (tree_.node_count() >= FoTree::kMaxNodes) {
            return ConversionError::generic("Document has too many nodes");
        }
        return ok_status();
    }

    std::string_view document_;
    XmlReader reader_;
    NamespaceTable namespaces_;
    AttributeList attributes_;
    ElementPropertyParser properties_;
    std::string expanded_;

    FoTree tree_;
    std::optional<NodeId> current_;
    // One entry per element open outside copied markup: whether it made a node.
    std::vector<bool> opened_node_;
    std::optional<NodeId> capture_;
    std::string capture_text_;
    std::size_t capture_depth_ = 0;
};

}  // namespace

Result<FoTree> build_fo_tree(std::string_view document) {
    TreeBuilder builder(document);
    return builder.run();
}

}  // namespace lorp
