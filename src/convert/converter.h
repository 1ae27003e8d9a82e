#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "convert/conversion.h"
#include "convert/convert_file.h"
#include "convert/validation.h"
#include "convert/version.h"
#include "error/result.h"

namespace lorp {

// The converter object: the operations plus one setting, `verbose`, which is
// shown in its representation and read by nothing. Every operation is
// stateless and behaves exactly like the free function of the same name.
class LorpConverter {
public:
    bool verbose() const { return verbose_; }
    void set_verbose(bool verbose) { verbose_ = verbose; }

    Result<std::string> convert_to_pdf(std::string_view fo_xml) const {
        return lorp::convert_to_pdf(fo_xml);
    }
    Result<std::string> convert_to_svg(std::string_view fo_xml) const {
        return lorp::convert_to_svg(fo_xml);
    }
    Result<std::string> convert_to_text(std::string_view fo_xml) const {
        return lorp::convert_to_text(fo_xml);
    }
    std::optional<ConvertFileError> convert_file(std::string_view input_path,
                                                 std::string_view output_path) const {
        return lorp::convert_file(input_path, output_path);
    }
    ValidationResult validate(std::string_view fo_xml) const { return lorp::validate(fo_xml); }
    std::string_view version() const { return lorp::version(); }

    // "LorpConverter(verbose=false)" or "LorpConverter(verbose=true)".
    std::string representation() const {
        return verbose_ ? "LorpConverter(verbose=true)" : "LorpConverter(verbose=false)";
    }

private:
    bool verbose_ = false;
};

}  // namespace lorp
