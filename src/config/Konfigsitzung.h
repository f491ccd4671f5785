// The scaling record in use and the lists of listeners around it. The shell (or the CLI, or
// a test) owns one and hands it by reference to every function and window that converts
// values or shows the configuration; the curve, characteristic and direct input/output
// sessions keep a reference to it.
#pragma once

#include <memory>

#include "common/Meldeliste.h"
#include "config/Konfiguration.h"

namespace config {

struct Konfigsitzung {
  // Holds the standard values until something else is loaded.
  Konfiguration gKonfig = KonfigurationStandard();

  // The configuration window's fields. Field edits have no effect until
  // KonfigfelderInStrukturSpeichern takes them into gKonfig; without a subscribed window the
  // record itself stands for the fields, so the core runs the same way in tests and tools.
  // Shows a record in the fields: both range selectors, 16 numbers and 4 units per direction.
  common::Meldeliste<const Konfiguration&> Felderanzeige;
  // Fills a record from the fields; whatever a window has no field for stays as passed.
  common::Meldeliste<Konfiguration&> Felderabfrage;
  // Puts a value into the upper physical value field of one output (SKALAOUTMAX1 to
  // SKALAOUTMAX4 for 0 to 3). Optional: without a listener the core rewrites all fields.
  common::Meldeliste<int, double> SkalaOutMaxAnzeige;
  // Every window that shows values in the configured units, told when the configuration
  // window is left so it rescales (in the order they subscribed).
  common::Meldeliste<> Neuskalierungen;
};

// The configuration of a session that shows values in the configured units: the one it
// was handed (the shell's sessions share the one the configuration window shows), or,
// made without one (a tool, a test), a record of its own.
class Konfigbezug {
 public:
  Konfigbezug() : eigene_(std::make_unique<Konfigsitzung>()), Konfig(*eigene_) {}
  explicit Konfigbezug(Konfigsitzung& konfig) : Konfig(konfig) {}

 private:
  std::unique_ptr<Konfigsitzung> eigene_;  // only without one handed over

 public:
  // The scaling the session's values are shown and entered in.
  Konfigsitzung& Konfig;
};

}  // namespace config
