#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lorp {

// Everything the standard security handler needs, computed by the producer:
// the writer derives nothing from passwords. Byte strings hold raw bytes.
struct EncryptionSettings {
    std::string o;
    std::string u;
    std::string file_key;  // RC4: 5 to 16 bytes; AES-256: 32 bytes
    std::optional<std::string> oe;
    std::optional<std::string> ue;
    std::optional<std::string> perms;
    std::int32_t p = 0;
    std::uint32_t length = 0;  // RC4 only: key length in bits
    std::uint32_t r = 0;       // RC4 only: revision
    std::uint32_t v = 0;       // RC4 only: algorithm version
    bool aes = false;          // true selects AES-256 (V 5, R 6)
};

}  // namespace lorp
