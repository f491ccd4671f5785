// Text helpers shared by the store, the reader and the writer: ASCII single-byte rules.
#pragma once

#include <string_view>

namespace ini {

inline bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text);
bool IsBlankText(std::string_view text);

// Case-insensitive comparison of names and tags; letters fold to lower case.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}
inline bool LessNoCase(std::string_view a, std::string_view b) {
  return CompareNoCase(a, b) < 0;
}

}  // namespace ini
