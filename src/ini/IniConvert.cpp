#include "ini/IniConvert.h"

#include <locale.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "ini/IniErrors.h"
#include "ini/IniText.h"

namespace ini {

namespace {

// strtod follows LC_NUMERIC, which a window toolkit may set from the environment.
class ClassicNumbers {
 public:
  ClassicNumbers() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    if (classic) previous_ = uselocale(classic);
  }
  ~ClassicNumbers() {
    if (previous_) uselocale(previous_);
  }
  ClassicNumbers(const ClassicNumbers&) = delete;
  ClassicNumbers& operator=(const ClassicNumbers&) = delete;

 private:
  locale_t previous_ = static_cast<locale_t>(0);
};

}  // namespace

std::string FormatInt(std::int32_t value) {
  return std::to_string(value);
}

std::string FormatDouble(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  char text[64];
  const auto result =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, 16);
  return std::string(text, result.ptr);
}

int ParseInt(std::string_view text, std::int32_t& value) {
  text = Trim(text);
  if (text.empty()) return 0;
  bool negative = false;
  std::size_t i = 0;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    ++i;
  }
  if (i == text.size()) return kErrNotAnInteger;
  std::uint32_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return kErrNotAnInteger;
    const auto digit = static_cast<std::uint32_t>(c - '0');
    if (magnitude > (UINT32_MAX - digit) / 10) return kErrNotAnInteger;
    magnitude = magnitude * 10 + digit;
  }
  constexpr std::uint32_t kMaxPositive = 2147483647u;
  if (magnitude > kMaxPositive + (negative ? 1u : 0u)) return kErrNotAnInteger;
  value =
      negative ? static_cast<std::int32_t>(0u - magnitude) : static_cast<std::int32_t>(magnitude);
  return 1;
}

int ParseDouble(const std::string& text, double& value) {
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty()) return 0;
  std::string_view unsignedPart = trimmed;
  if (trimmed[0] == '+' || trimmed[0] == '-') unsignedPart.remove_prefix(1);
  if (unsignedPart.size() == 3 && CompareNoCase(unsignedPart, "inf") == 0) {
    value = trimmed[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    return 1;
  }
  // Only decimal notation counts: strtod would also take "0x10" as sixteen, while the
  // longest decimal start of that text is its leading zero.
  if (unsignedPart.size() >= 2 && unsignedPart[0] == '0' &&
      (unsignedPart[1] == 'x' || unsignedPart[1] == 'X')) {
    value = trimmed[0] == '-' ? -0.0 : 0.0;
    return kErrNotADouble;
  }
  const char* begin = text.c_str();
  char* end = nullptr;
  double converted = 0;
  {
    ClassicNumbers classic;
    errno = 0;
    converted = std::strtod(begin, &end);
  }
  // A tiny number that comes out subnormal is still a number: DBL_MIN written with 16 digits
  // reads back just below it. Only overflow and underflow to zero count as range errors.
  const bool rangeError = errno == ERANGE && (converted == 0 || std::isinf(converted));
  value = converted;
  const std::string_view rest(end, static_cast<std::size_t>(begin + text.size() - end));
  if (rangeError || !IsBlankText(rest)) return kErrNotADouble;
  return 1;
}

}  // namespace ini
