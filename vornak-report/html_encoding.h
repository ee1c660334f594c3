// Text on the page: HTML escaping (the conversion to UTF-8 is
// text_converter.h).
#pragma once

#include <string>
#include <string_view>

namespace vornak::html {

// Escapes UTF-8 text for element content and quoted attribute values. The
// controls HTML forbids as text (C0 but tab, DEL) show as their control
// pictures (U+2400 + c, U+2421), so a stray byte in a file line stays visible
// and the page stays valid.
std::string Escape(std::string_view utf8);

}  // namespace vornak::html
