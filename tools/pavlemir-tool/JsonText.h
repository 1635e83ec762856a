// Writing JSON text: strings with their escapes.
#pragma once

#include <string>
#include <string_view>

// The text as a JSON string literal, quotes included. Bytes of 0x80 and above pass as they are
// (names are UTF-8); control characters, quotes and backslashes are escaped.
std::string JsonString(std::string_view text);
