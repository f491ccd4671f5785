// The link between the scaling record and the configuration window. The window subscribes
// to the session's field lists; without a subscribed window the record itself stands for
// the fields, so the core runs the same way in tests and tools.
//
// Field edits have no effect until KonfigfelderInStrukturSpeichern takes the fields into
// gKonfig (leaving the window, saving a configuration file, writing the settings file,
// adapting output 1 to the device).
#pragma once

#include "config/Konfigsitzung.h"

namespace config {

// Whether a window shows the fields: one subscribed to showing and one to reading them.
bool KonfigfelderGebunden(const Konfigsitzung& s);

// Shows gKonfig in the window's fields; nothing without a window.
void KonfigfelderAusStrukturLaden(Konfigsitzung& s);
// Takes the window's fields into gKonfig; nothing without a window. Units are kept
// terminated whatever the window delivers.
void KonfigfelderInStrukturSpeichern(Konfigsitzung& s);

// The curve generator's adaptation to the device: puts a new upper physical value of an
// output (0..3) into its field and takes all fields into gKonfig. Without a window it sets
// gKonfig.outskalamax directly. Other indices are ignored.
void AusgangSkalaMaxUebernehmen(Konfigsitzung& s, int ausgang, double wert);

// Start-up set-up of the window, after the settings file was read: output range 4.095 V and
// output 1 from 0.0 to 4.095 V converted into 0.0 to 4.095 "A" go into the fields; gKonfig
// takes them at the next KonfigfelderInStrukturSpeichern. Without a window these values go
// straight into gKonfig, just as the fields would hand them over. Returns 0.
int InitialisiereKonfigPanel(Konfigsitzung& s);

}  // namespace config
