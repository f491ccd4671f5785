// Everything the direct input/output logic keeps between two calls: what its window shows,
// the module's readings, the open log and the clock, with the lists of listeners that
// windows subscribe to. The shell (or the CLI, or a test) owns one and hands it by
// reference to every direct function and to the window.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "common/Meldeliste.h"
#include "config/Konfigsitzung.h"
#include "direct/Direktpanel.h"
#include "direct/Uhr.h"

namespace direct {

// The log file while it is open.
struct Offenesprotokoll {
  std::FILE* datei = nullptr;
  std::string pfad;
  bool normaleDatei = false;  // only a regular file can be cut back
  std::uintmax_t laenge = 0;  // bytes up to the last whole line
};

struct Direktsitzung : config::Konfigbezug {
  using Konfigbezug::Konfigbezug;
  Direktsitzung(const Direktsitzung&) = delete;
  Direktsitzung& operator=(const Direktsitzung&) = delete;
  // A log still open is closed, so no file handle outlives its session.
  ~Direktsitzung() {
    if (Protokoll.datei) std::fclose(Protokoll.datei);
  }

  Direktpanelzustand Zustand;
  Direktmesswerte Messwerte;
  // Whether the settings file set a limit; DirektpanelInit fills in the others.
  std::array<bool, 4> BegrenzungGelesen{};
  Offenesprotokoll Protokoll;
  // The clock in use (not owned); none: the system clock.
  Uhr* Zeitgeber = nullptr;

  // After every change of the state above, so a window can show it at once.
  common::Meldeliste<> Anzeigemeldungen;
  // With the four percentages of one point per trace of the strip chart.
  common::Meldeliste<const std::array<double, 4>&> Stripchartmeldungen;
};

}  // namespace direct
