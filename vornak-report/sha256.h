// SHA-256 (FIPS 180-4) and Base64 (RFC 4648), for the hash by which a
// page's Content-Security-Policy allows its inline script: the script's
// text changes with the page's language, so its hash is taken as it is
// written.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vornak {

std::array<uint8_t, 32> Sha256(std::string_view bytes);

// With '=' padding.
std::string Base64(const uint8_t* bytes, size_t size);

// "sha256-BASE64", the policy's source expression for `script`.
std::string ScriptHashSource(std::string_view script);

}  // namespace vornak
