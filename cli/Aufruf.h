// The command line of miv3x: the command, its files and its options, checked before
// anything is read or sent.
#pragma once

#include <string>
#include <vector>

namespace cli {

inline constexpr int kStatusErfolg = 0;
inline constexpr int kStatusFehler = 1;
inline constexpr int kStatusAufruf = 2;

// A serial port as the user names it: a number of the port list or a device path.
struct Portangabe {
  int nummer = 0;    // 1..256 when no path is given
  std::string pfad;  // the device path, empty for a number
  bool gegeben = false;
};

struct Aufruf {
  std::string befehl;  // empty: no command (the tool's help)
  std::vector<std::string> dateien;
  Portangabe port;
  char adresse = '1';
  bool dither = false;
  std::string konfig;   // --config
  std::string ausgabe;  // --out
  int platz = 0;        // --slot, 1..7; 0 when not given
  double watch = 0.0;   // --watch, seconds; 0 when not given
  std::string log;      // --log
  std::string trace;    // --trace: every device command, the lines of the frame log
  int ausgang = 0;      // output: 1..4
  double wert = 0.0;    // output: the value in the output's unit
  double limit = 0.0;   // --limit
  bool limitGegeben = false;
  // shape: KIND and its NAME=VALUE parameters are in `dateien`.
  double maxFehler = 1.0;  // --max-error, codes
  bool roh = false;        // --raw: levels are raw codes
  std::string einfuegen;   // --into
  std::string von, bis;    // --from, --to, as written ("20ms")
  int kurve = 0;           // --curve, 1..4; 0 when not given
  bool json = false;       // --json: one JSON object per result
  int setzen = -1;         // mode --set, bits 0..255; -1 when not given
  int loeschen = -1;       // mode --clear
  bool hilfe = false;
  // send, read, char-send, char-read.
  bool schnell = false;    // --fast: the transfer at 38400 baud
  bool geaendert = false;  // --changed: only the changed blocks (send, char-send)
  bool pruefen = false;    // --verify: read the written blocks back (send, char-send)
  // export, import: SPICE PWL instead of the tab-separated text.
  bool pwl = false;
  // import-csv and import --pwl.
  std::string zeitspalte;   // --time-col
  std::string wertspalte;   // --value-col
  double toleranz = 0.0;    // --tolerance, codes; 0 when not given
  double skala = 1.0;       // --scale
  double versatz = 0.0;     // --offset
  double zeitfaktor = 0.0;  // --time-unit as seconds; 0 when not given
  int zeitbasis = 0;        // --timebase as its code; 0 when not given
  // plot and char-plot: the picture's size in pixels (0 when not given) and the curves.
  int breite = 0;           // --width
  int hoehe = 0;            // --height
  std::vector<int> kurven;  // --curves, each 1..4, in the order given
};

// Reads the arguments after the program name. False with a one-line reason in fehler when
// they do not make a valid call; aufruf.befehl is then set if the command was known, so
// the usage of that command can be shown.
bool AufrufAuswerten(const std::vector<std::string>& argumente, Aufruf& aufruf,
                     std::string& fehler);

// "3" -> port 3, "/dev/ttyUSB0" -> that path; false for a number outside 1..256 or "".
bool PortAuswerten(const std::string& text, Portangabe& port);

// '1'..'8' or 'a'..'f'.
bool AdresseAuswerten(const std::string& text, char& adresse);

// A characteristic slot, "1".."7".
bool PlatzAuswerten(const std::string& text, int& platz);

// A finite decimal number, read the same in every locale ("2.5", "-1e-3").
bool ZahlAuswerten(const std::string& text, double& zahl);

}  // namespace cli
