#include "convert/utf8_check.h"

namespace lorp {

bool is_valid_utf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        // The allowed range of the second byte narrows for the leads whose
        // shortest or surrogate-free forms begin there.
        int continuation = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            continuation = 1;
        } else if (lead == 0xE0) {
            continuation = 2;
            low = 0xA0;
        } else if (lead == 0xED) {
            continuation = 2;
            high = 0x9F;
        } else if (lead >= 0xE1 && lead <= 0xEF) {
            continuation = 2;
        } else if (lead == 0xF0) {
            continuation = 3;
            low = 0x90;
        } else if (lead == 0xF4) {
            continuation = 3;
            high = 0x8F;
        } else if (lead >= 0xF1 && lead <= 0xF3) {
            continuation = 3;
        } else {
            return false;
        }
        if (end - p <= continuation) {
            return false;
        }
        if (p[1] < low || p[1] > high) {
            return false;
        }
        for (int i = 2; i <= continuation; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return false;
            }
        }
        p += continuation + 1;
    }
    return true;
}

}  // namespace lorp
