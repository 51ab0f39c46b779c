#include "TomlShield.h"

#include <optional>
#include <utility>

namespace {

constexpr char32_t kStandIns = 0xE000;  // the first stand-in
constexpr char32_t kLowFirst = 0xA1, kLowLast = 0x499;
constexpr char32_t kHighFirst = 0xFB26, kHighLast = 0xFEFE;
constexpr char32_t kLowCount = kLowLast - kLowFirst + 1;
constexpr char32_t kStandInCount = kLowCount + (kHighLast - kHighFirst + 1);

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (code & 0x3F));
}

// The two- or three-byte character at `at`, with its length; none for anything else.
std::optional<std::pair<char32_t, std::size_t>> character(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
  };
  const unsigned b0 = byte(at), b1 = byte(at + 1), b2 = byte(at + 2);
  if ((b0 & 0xE0) == 0xC0 && (b1 & 0xC0) == 0x80) {
    return std::pair{static_cast<char32_t>(((b0 & 0x1F) << 6) | (b1 & 0x3F)), std::size_t{2}};
  }
  if ((b0 & 0xF0) == 0xE0 && (b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80) {
    return std::pair{static_cast<char32_t>(((b0 & 0x0F) << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F)),
                     std::size_t{3}};
  }
  return std::nullopt;
}

// Replaces each character `map` answers for; false when `map` refuses one.
template <typename Map>
bool mapCharacters(std::string_view text, std::string& out, Map map) {
  out.clear();
  for (std::size_t at = 0; at < text.size();) {
    const auto found = character(text, at);
    if (!found) {
      out += text[at++];
      continue;
    }
    const auto [code, length] = *found;
    const std::optional<char32_t> mapped = map(code);
    if (!mapped) return false;
    if (*mapped == code) {
      out.append(text.substr(at, length));
    } else {
      appendUtf8(out, *mapped);
    }
    at += length;
  }
  return true;
}

std::optional<char32_t> toStandIn(char32_t code) {
  if (code >= kStandIns && code < kStandIns + kStandInCount) return std::nullopt;
  if (code >= kLowFirst && code <= kLowLast) return kStandIns + (code - kLowFirst);
  if (code >= kHighFirst && code <= kHighLast) return kStandIns + kLowCount + (code - kHighFirst);
  return code;
}

std::optional<char32_t> fromStandIn(char32_t code) {
  if (code < kStandIns || code >= kStandIns + kStandInCount) return code;
  const char32_t index = code - kStandIns;
  return index < kLowCount ? kLowFirst + index : kHighFirst + (index - kLowCount);
}

std::string restored(std::string_view text) {
  std::string out;
  mapCharacters(text, out, fromStandIn);
  return out;
}

void restoreTable(toml::table& table);

void restoreNode(toml::node& node) {
  if (toml::value<std::string>* text = node.as_string()) {
    text->get() = restored(text->get());
  } else if (toml::array* array = node.as_array()) {
    for (toml::node& element : *array) restoreNode(element);
  } else if (toml::table* table = node.as_table()) {
    restoreTable(*table);
  }
}

void restoreTable(toml::table& table) {
  toml::table restoredTable;
  restoredTable.is_inline(table.is_inline());
  for (auto&& [key, node] : table) {
    restoreNode(node);
    node.visit([&, &key = key](auto&& value) {
      restoredTable.insert(restored(key.str()), std::move(value));
    });
  }
  table = std::move(restoredTable);
}

}  // namespace

bool parseShielded(std::string_view text, toml::table& root, std::string& error) {
  std::string shielded;
  if (!mapCharacters(text, shielded, toStandIn)) {
    error = "a private-use character from U+E000 to U+E7D1";
    return false;
  }
  toml::parse_result parsed = toml::parse(shielded);
  if (!parsed) {
    error = std::string(parsed.error().description());
    return false;
  }
  root = std::move(parsed).table();
  restoreTable(root);
  return true;
}
