// What a saved or printed graph shows, in plain numbers: a title (the file name), two
// labelled axes with their ranges and the named series in the axes' units. The subsystems
// fill it from their models; the window kit draws it (widgets/Grafikbild), so the windows
// and the command-line tool draw the same picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace common {

struct Grafikachse {
  std::string Name;     // "Time", "Output"
  std::string Einheit;  // "ms", "V"; "" when the values have none
  double Min = 0.0;
  double Max = 1.0;
};

struct Grafikreihe {
  std::string Name;                // "Curve 1 [V]"
  std::uint32_t Farbe = 0xFF0000;  // 0xRRGGBB
  std::vector<double> X, Y;        // a polyline in the axes' units
};

struct Grafikinhalt {
  std::string Titel;  // the file name, or what stands for none
  Grafikachse X, Y;
  std::vector<Grafikreihe> Reihen;
};

// An axis' label as the picture writes it: "Time [ms]", or the name alone without unit.
inline std::string AchsenBeschriftung(const Grafikachse& a) {
  return a.Einheit.empty() ? a.Name : a.Name + " [" + a.Einheit + "]";
}

}  // namespace common
