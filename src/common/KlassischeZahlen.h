// Numbers in files and messages are written and read with a decimal point whatever
// LC_NUMERIC says: the window toolkit sets it from the environment, and a decimal comma
// would make curve text files and log files unreadable elsewhere.
#pragma once

#include <locale.h>

namespace common {

// While it lives, printf and strtod of this thread use the "C" number format.
class KlassischeZahlen {
 public:
  KlassischeZahlen();
  ~KlassischeZahlen();
  KlassischeZahlen(const KlassischeZahlen&) = delete;
  KlassischeZahlen& operator=(const KlassischeZahlen&) = delete;

 private:
  locale_t vorher_ = static_cast<locale_t>(0);
};

}  // namespace common
