// Writes the seed corpora of the fuzz targets with the program's own writers (curve files,
// exports, configuration and settings files) and with the simulated device's own replies
// and the driver's own frames: fuzz_saatgut CORPUSDIR.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Engine.h"
#include "characteristic/files/Kennliniendatei.h"
#include "characteristic/files/Kennlinientext.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "config/KonfigIni.h"
#include "config/Konfigdatei.h"
#include "config/Konfiguration.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/Kurvenexport.h"
#include "curves/files/Pwl.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "device/Companel.h"
#include "device/MemorySerialService.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"
#include "ini/IniStore.h"

namespace {

using curves::Kurvenpunkt;

// The curves the seed files are written from.
curves::Kurvensitzung sitzung;

std::string gWurzel;

std::string Ordner(const std::string& ziel) {
  const std::string o = gWurzel + "/" + ziel;
  ::mkdir(o.c_str(), 0755);
  return o + "/";
}

void Ablegen(const std::string& ziel, const std::string& name, const std::string& bytes) {
  std::FILE* f = std::fopen((Ordner(ziel) + name).c_str(), "wb");
  if (!f) return;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

std::string Lesen(const std::string& pfad) {
  std::string s;
  std::FILE* f = std::fopen(pfad.c_str(), "rb");
  if (!f) return s;
  char b[4096];
  for (std::size_t n; (n = std::fread(b, 1, sizeof b, f)) > 0;) s.append(b, n);
  std::fclose(f);
  return s;
}

std::string Pfad(const std::string& name) {
  return gWurzel + "/" + name;
}

Kurvenpunkt P(int y, int laenge, int zeitbasis) {
  return Kurvenpunkt{y, laenge, static_cast<std::int8_t>(zeitbasis), {0, 0, 0}};
}

// The curves of the seeds: the default, one of every time base, and the longest a device
// holds, late lines on the finest time base.
std::vector<std::vector<Kurvenpunkt>> Beispiele() {
  std::vector<Kurvenpunkt> alle;
  for (int t = 1; t <= 9; ++t) alle.push_back(P(t * 450, t, t));
  return {{curves::kStandardpunkt},
          alle,
          {P(0, 5, 1), P(4095, 3, 9), P(2047, 2, 8), P(1, 7, 4)},
          {P(0, 30000, 8), P(4095, 3, 9), P(0, 700, 9), P(4095, 1, 1)}};
}

void Kurvendateien() {
  int n = 0;
  for (const auto& kurve : Beispiele()) {
    curves::KurvenNeu(sitzung);
    sitzung.gKurven.Kurven[0].Punkte = kurve;
    sitzung.gKurven.Kurven[n % 4].Kommentar = "Kurve " + std::to_string(n);
    sitzung.gKurven.Zyklen[n % 4] = n * 1000;
    sitzung.gKurven.Ruhezustand[(n + 1) % 4] = 4095 - n;
    const std::string name = "seed" + std::to_string(n++);
    curves::KurvendateiSpeichern(sitzung, Ordner("fuzz_kurvendatei") + name + ".wur");
    curves::KurvendateiExportieren(sitzung, Ordner("fuzz_kurvenimport") + name + ".txt");
    curves::PwlSchreiben(Ordner("fuzz_pwl") + name + ".pwl", kurve, 10.0);
  }
  // A netlist with a PWL source over continuation lines, as simulators take it.
  Ablegen("fuzz_pwl", "netzliste.cir",
          "* bench\nR1 a 0 1k\nV1 a 0 PWL(0 0 1m 2.5 ; rise\n+ 2m 2.5\n+ 3m 0) r=0\n.end\n");
}

// Sampled data of the example curves' lines, in the dialects instruments and spreadsheets
// write: the points' times and values in volts.
void Abtastdateien() {
  struct Dialekt {
    const char* name;
    const char* kopf;
    char trenner;
    bool komma;
  };
  const Dialekt dialekte[] = {{"komma", "Time (s),CH1 (V)\n", ',', false},
                              {"semikolon", "Zeit [ms];U [V]\n", ';', true},
                              {"tab", "t\tU\n(s)\t(V)\n", '\t', false},
                              {"ohnekopf", "", ' ', false}};
  int n = 0;
  for (const auto& kurve : Beispiele()) {
    for (const Dialekt& d : dialekte) {
      std::string text = d.kopf;
      double zeit = 0.0;
      for (std::size_t i = 0; i <= kurve.size() && i < 40; ++i) {
        const auto& p = kurve[i % kurve.size()];
        char zeile[96];
        const double t = d.name == std::string("semikolon") ? zeit / 1000.0 : zeit / 1e6;
        std::snprintf(zeile, sizeof zeile, "%.9g%c%.9g\n", t, d.trenner, p.Y * 10.0 / 4095.0);
        std::string z = zeile;
        if (d.komma)
          for (char& c : z)
            if (c == '.') c = ',';
        text += z;
        zeit += p.Laenge * curves::ZeitbasisInMikrosekunden(p.Zeitbasis);
      }
      Ablegen("fuzz_csvimport", "seed" + std::to_string(n) + "_" + d.name + ".csv", text);
    }
    ++n;
  }
}

void Konfigurationen() {
  sitzung.Konfig.gKonfig = config::KonfigurationStandard();
  config::KonfigdateiSpeichernNach(sitzung.Konfig, Ordner("fuzz_konfigdatei") + "standard.wuo");
  sitzung.Konfig.gKonfig.voutmax = 4.095;
  sitzung.Konfig.gKonfig.outskalamax[0] = 4.095;
  std::strcpy(sitzung.Konfig.gKonfig.outeinheit[0], "A");
  std::strcpy(sitzung.Konfig.gKonfig.ineinheit[3], "mbar1234");
  config::KonfigdateiSpeichernNach(sitzung.Konfig, Ordner("fuzz_konfigdatei") + "ausgang1.wuo");

  // The settings file as the program writes it, with a long value in pieces.
  ini::IniStore* s = ini::Ini_New(1);
  config::WriteIniKonfigpanel(sitzung.Konfig, s);
  device::Verbindung ohnePort;
  device::WriteIniCompanel(ohnePort, s);
  ini::Ini_PutInt(s, "kurven", "darstellung", 3);
  ini::Ini_PutInt(s, "kennlinie", "darstellung", 1);
  ini::Ini_PutRawString(s, "direkt", "notiz", std::string(170, 'n').c_str());
  ini::Ini_WriteToFile(s, (Ordner("fuzz_einstellungen") + "miv3XKurvengenerator.ini").c_str());
  ini::Ini_Dispose(s);
}

// Characteristic files and exports, behind the target's reader byte (even: file, odd: text).
void Kennlinien() {
  characteristic::Kennliniensitzung sitzung;
  if (characteristic::KennlModellInitialisieren(sitzung) != 0) return;
  const std::vector<std::vector<characteristic::Kennlinienpunkt>> beispiele = {
      {characteristic::kStandardpunkt},
      {{0, 1000, 0, {0, 0, 0}}, {4095, 3095, 0, {0, 0, 0}}, {2000, 0, 0, {0, 0, 0}}}};
  int n = 0;
  for (const auto& punkte : beispiele) {
    characteristic::KennlinieNeu(sitzung);
    sitzung.gKennl.Kennl.Punkte = punkte;
    sitzung.gKennl.Kennl.Kommentar = "Kennlinie " + std::to_string(n);
    const std::string name = "seed" + std::to_string(n++);
    const std::string datei = Pfad("kennlinie.wue"), text = Pfad("kennlinie.txt");
    characteristic::KennlDateiSpeichern(sitzung, datei);
    characteristic::KennlTextExportieren(sitzung, text);
    Ablegen("fuzz_kennlinie", name + "_datei", std::string(1, '\0') + Lesen(datei));
    Ablegen("fuzz_kennlinie", name + "_text", std::string(1, '\1') + Lesen(text));
  }
}

// The replies the simulated device gives to the driver's frames, behind the target's
// command byte, and the frames themselves for the frame parser.
void Geraet() {
  sim::Engine engine("1");
  engine.setInput('1', 2, 7.25);
  engine.withDevice('1', [](sim::Device& d) {
    for (std::size_t i = 0; i < d.memory4.size(); ++i) d.memory4[i] = static_cast<std::uint8_t>(i);
  });
  struct Fall {
    const char* name;
    int wahl;
    std::string frame;
  };
  const Fall faelle[] = {{"id", 0, "#1IDR\r"},
                         {"speicher2", 6 * 1 + 1, "#1BDR410000002\r"},
                         {"speicher16", 6 * 15 + 1, "#1BDR410000010\r"},
                         {"speicher40", 6 * 39 + 1, "#1BDR410000028\r"},
                         {"eingang", 2, "#1V2R\r"},
                         {"status1", 3, "#1S1R\r"},
                         {"status2", 9, "#1S2R\r"},
                         {"modus", 4, "#1M1R\r"},
                         {"parameter", 5, "#1CbR\r"}};
  for (const Fall& f : faelle) {
    const std::string antwort = engine.feed(f.frame);
    Ablegen("fuzz_antworten", f.name, std::string(1, static_cast<char>(f.wahl)) + antwort);
  }

  // Every frame the driver sends, as the device receives it.
  device::MemorySerialService dienst;
  dienst.connect(9, [&engine](std::string_view b) { return engine.feed(b); });
  device::Verbindung verbindung(&dienst);
  device::ZORFYD1_Open(verbindung, 9, 9600);
  char id[32];
  double v = 0;
  int r = 0;
  const std::uint8_t block[4] = {0x12, 0xAB, 0x00, 0xFF};
  std::uint8_t zurueck[4];
  device::ZORFYD1_IDLesen(verbindung, 9, '1', id);
  device::ZORFYD1_DeviceFunction(verbindung, 9, '1', "start");
  device::ZORFYD1_EingangLesen(verbindung, 9, '1', "e3", &v);
  device::ZORFYD1_AusgangSchreiben(verbindung, 9, '1', "a2", 5.0);
  device::ZORWUN2_ParameterLesen(verbindung, 9, '1', "max_current", &v);
  device::ZORFYD1_SpeicherSchreiben(verbindung, 9, '1', 4, 0x1000, 4, block);
  device::ZORFYD1_SpeicherLesen(verbindung, 9, '1', 4, 0x1000, 4, zurueck);
  device::ZORFYD1_StatusLesen(verbindung, 9, '1', 2, &r);
  device::ZORFYD1_ModusSchreiben(verbindung, 9, '1', 1, 0x86);
  device::ZORFYD1_ModusLesen(verbindung, 9, '1', &r);
  device::ZORFYD1_DeviceFunction(verbindung, 9, '1', "stopp");
  Ablegen("fuzz_simframes", "alle", dienst.state(9).written);
  device::ZORFYD1_Close(verbindung, 9);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_saatgut CORPUSDIR\n");
    return 2;
  }
  gWurzel = argv[1];
  ::mkdir(gWurzel.c_str(), 0755);
  if (curves::KurvenModellInitialisieren(sitzung) != 0) return 1;
  Kurvendateien();
  Abtastdateien();
  Konfigurationen();
  Geraet();
  Kennlinien();
  std::remove(Pfad("kennlinie.wue").c_str());
  std::remove(Pfad("kennlinie.txt").c_str());
  return 0;
}
