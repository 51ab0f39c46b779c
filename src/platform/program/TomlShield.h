#pragma once

#include <toml++/toml.h>

#include <string>
#include <string_view>

// Parses TOML text with toml++ 3.3 safely. Its test for Unicode whitespace has no answer for
// U+00A1 to U+0499 and U+FB26 to U+FEFE (Latin-1 and Cyrillic letters among them) and runs into
// code it declares unreachable, which it reaches outside strings. So those characters go to the
// parser as stand-ins from the private-use area, which the test passes at once, and every string
// and key of the result is given its own characters back. A text holding one of the stand-ins
// itself is refused. True with `root` filled; else false with the reason in `error`.
bool parseShielded(std::string_view text, toml::table& root, std::string& error);
