// Number conversions of the store's values. Numbers always use a decimal point, whatever
// locale the process runs in, so a settings file reads the same everywhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ini {

std::string FormatInt(std::int32_t value);
// At most 16 significant digits ("%.16g"); infinities as "Inf" and "-Inf", NaN as "NaN".
std::string FormatDouble(double value);

// Results of the parsers: 1 converted, 0 blank text, or a negative code.
// ParseInt leaves value untouched unless it returns 1.
int ParseInt(std::string_view text, std::int32_t& value);
// ParseDouble also stores the converted leading part when the text is not a whole number.
int ParseDouble(const std::string& text, double& value);

}  // namespace ini
