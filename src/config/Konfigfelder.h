// The link between the scaling record and the configuration window. The window binds its
// fields here; without a bound window the record itself stands for the fields, so the
// core runs the same way in tests and tools.
//
// Field edits have no effect until KonfigfelderInStrukturSpeichern takes the fields into
// gKonfig (leaving the window, saving a configuration file, writing the settings file,
// adapting output 1 to the device).
#pragma once

#include <functional>

#include "config/Konfiguration.h"

namespace config {

struct Konfigfelder {
  // Shows a record in the fields: both range selectors, 16 numbers and 4 units per
  // direction.
  std::function<void(const Konfiguration&)> felderZeigen;
  // Fills a record from the fields. Whatever the window has no field for stays as passed.
  std::function<void(Konfiguration&)> felderLesen;
  // Puts a value into the upper physical value field of one output (SKALAOUTMAX1 to
  // SKALAOUTMAX4 for ausgang 0 to 3). Optional: without it the core rewrites all fields.
  std::function<void(int ausgang, double wert)> skalaOutMaxSetzen;
};

// Binds the window. felderZeigen and felderLesen are both needed; a window lacking one of
// them counts as unbound. The window is not filled here: the start-up order does that.
void KonfigfelderBinden(Konfigfelder fenster);
void KonfigfelderLoesen();
bool KonfigfelderGebunden();

// Shows gKonfig in the window's fields; nothing without a window.
void KonfigfelderAusStrukturLaden();
// Takes the window's fields into gKonfig; nothing without a window. Units are kept
// terminated whatever the window delivers.
void KonfigfelderInStrukturSpeichern();

// The curve generator's adaptation to the device: puts a new upper physical value of an
// output (0..3) into its field and takes all fields into gKonfig. Without a window it sets
// gKonfig.outskalamax directly. Other indices are ignored.
void AusgangSkalaMaxUebernehmen(int ausgang, double wert);

// Start-up set-up of the window, after the settings file was read: output range 4.095 V and
// output 1 from 0.0 to 4.095 V converted into 0.0 to 4.095 "A" go into the fields; gKonfig
// takes them at the next KonfigfelderInStrukturSpeichern. Without a window these values go
// straight into gKonfig, just as the fields would hand them over. Returns 0.
int InitialisiereKonfigPanel();

}  // namespace config
