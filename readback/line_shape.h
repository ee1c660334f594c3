// Whether a report line has the shape a WsFormat format prints: how the log
// reader recognises the lines whose text holds a figure.
#pragma once

#include <string_view>

namespace vornak {

// True when `line` is what `format` could print, read loosely: literal
// bytes match themselves and "%%" a '%'; a number directive (d i u x X, any
// flags, width and l/h size) matches blanks of padding, a '-' for d/i, then
// one or more digits (hexadecimal ones for x/X); %c matches one byte; %s
// matches any run of bytes, the empty one too. Widths are not counted. The
// cost is linear in the line whatever the format, %s inside it too.
bool FitsFormat(std::string_view line, const char* format);

}  // namespace vornak
