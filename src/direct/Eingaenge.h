// Reading the four inputs: the instrument values, the minima and maxima (in volts, strict
// comparisons, the pending reset) and the role of input 4, which the device's mode makes
// either an analog input or its start/stop input.
#pragma once

namespace device {
class Verbindung;
}

namespace direct {

struct Direktsitzung;

inline constexpr int kFehlerEingangKeinPort = -122301;
inline constexpr int kFehlerModusKeinPort = -122315;

// Reads input n (0..3) into EINGANGn, the percentage, MINn and MAXn. Input 4 while it is
// not analog is not read: then one point per trace goes to the chart from the stored
// percentages and input 4's percentage becomes 0. A reading through input 4 plots that
// point after the last input. No port: -122301; failures go to the error fields as well.
int EingangLesenUndAnzeigen(Direktsitzung& s, device::Verbindung& v, int eingang);

// Reads the device mode into *modus; no port gives -122315.
int Eingang4ModusLesen(device::Verbindung& v, int* modus);
// Input 4 is analog exactly when bit 0 of the mode is clear; as the start/stop input its
// controls are dimmed and its trace box is switched off.
void Eingang4ModusSetzen(Direktsitzung& s, int modus);

}  // namespace direct
