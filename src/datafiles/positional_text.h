#pragma once
// The positional settings text that every settings and hand-over file of the three
// programs uses: lines beginning ";" are comments, an item beginning "=" carries the
// next value (counted from 0), values have no keys.
//
// Reading goes item by item: an item ends at a comma or at a line end; blanks before
// an item are skipped; an item that begins with a double quote runs to the closing
// quote (and may hold commas), the rest up to the next comma is dropped. Every line
// gives at least one item (an empty line gives an empty item).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vx::datafiles {

// How the comma-separated table files read the same items: an unquoted item loses its
// trailing blanks too, and a line of blanks gives no item at all.
struct ItemRules {
  bool trimUnquotedEnd = false;
  bool skipBlankLines = false;
};

// The items of a text (UTF-8), in order.
std::vector<std::string> SplitItems(std::string_view text, ItemRules rules = {});

// The values of a positional settings text: the items whose first character is "=",
// without it, in order.
std::vector<std::string> ExtractValues(std::string_view text);

// Reads a positional settings file (CP932) and returns its values. File errors are
// the runtime's (a missing file: 53; a file that is not CP932 text: 321).
std::vector<std::string> ReadPositionalFile(const std::filesystem::path& path);

// A value as the writers put it: a comma would cut the value and shift every later
// one, so "," becomes the full-width "，"; a line break would start a new line, so CR
// and LF become blanks.
std::string WritableValue(std::string_view value);

}  // namespace vx::datafiles
