#include "Bildbefehle.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Dateibefehle.h"
#include "Fehlerausgabe.h"
#include "Kennlinienbefehle.h"
#include "characteristic/edit/KennlGrafikinhalt.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "curves/edit/Kurvengrafikinhalt.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

#ifdef MIV3X_BILDER
#include <QApplication>

#include "widgets/Grafikbild.h"
#endif

namespace cli {
namespace {

bool Bildbefehl(const std::string& befehl) {
  return befehl == "plot" || befehl == "char-plot";
}

// The output's checks that need no drawing: a picture name, not the input file.
int AusgabePruefen(const Aufruf& aufruf) {
  const std::string& ziel = aufruf.dateien[1];
  const auto punkt = ziel.rfind('.');
  std::string endung = punkt == std::string::npos ? "" : ziel.substr(punkt + 1);
  for (char& c : endung) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (endung != "png" && endung != "svg" && endung != "pdf")
    return AufrufFehlerMelden(aufruf.befehl,
                              "'" + ziel + "' is not a picture file name (.png, .svg or .pdf)");
  if (DieselbeDatei(aufruf.dateien[0], ziel)) return GleicheDateiMelden(aufruf);
  return -1;
}

int Speichern(const common::Grafikinhalt& inhalt, const Aufruf& aufruf) {
#ifdef MIV3X_BILDER
  std::string meldung;
  const int breite = aufruf.breite > 0 ? aufruf.breite : widgets::kBildbreite;
  const int hoehe = aufruf.hoehe > 0 ? aufruf.hoehe : widgets::kBildhoehe;
  if (const int fehler =
          widgets::GrafikbildSpeichern(inhalt, aufruf.dateien[1], breite, hoehe, meldung)) {
    std::fprintf(stderr, "miv3x: %s: %s\n", aufruf.befehl.c_str(), meldung.c_str());
    return FehlerMelden(fehler);
  }
  return kStatusErfolg;
#else
  (void)inhalt;
  std::fprintf(stderr, "miv3x: %s: this build draws no pictures (built without windows)\n",
               aufruf.befehl.c_str());
  return kStatusFehler;
#endif
}

#ifdef MIV3X_BILDER
QtMessageHandler qtMeldungen = nullptr;

// Standard error carries the command's own lines; Qt's note that a user (root in a
// container) has no runtime folder is no concern of a picture.
void QtMeldung(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
  if (art == QtDebugMsg || art == QtInfoMsg || text.startsWith("QStandardPaths: XDG_RUNTIME_DIR"))
    return;
  if (qtMeldungen) qtMeldungen(art, ort, text);
}
#endif

}  // namespace

std::unique_ptr<QCoreApplication> AnwendungAnlegen(const std::string& befehl, int& argc,
                                                   char** argv) {
#ifdef MIV3X_BILDER
  if (Bildbefehl(befehl)) {
    // A picture needs no screen: drawn offscreen, it works without a display and with one
    // that cannot be reached.
    const char* plattform = std::getenv("QT_QPA_PLATFORM");
    if (plattform == nullptr || *plattform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qtMeldungen = qInstallMessageHandler(&QtMeldung);
    return std::make_unique<QApplication>(argc, argv);
  }
#else
  (void)Bildbefehl;
#endif
  return std::make_unique<QCoreApplication>(argc, argv);
}

int KurvenBildZeichnen(const Aufruf& aufruf) {
  if (const int status = AusgabePruefen(aufruf); status >= 0) return status;
  curves::Kurvensitzung sitzung;  // this command's curves
  if (const int fehler = curves::KurvenModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  if (const int fehler = KurvendateiUebernehmen(sitzung, aufruf.dateien[0]))
    return FehlerMelden(fehler);
  std::vector<int> kurven;
  for (int n : aufruf.kurven) kurven.push_back(n - 1);
  if (kurven.empty()) kurven.push_back(0);
  common::Grafikinhalt inhalt;
  std::string meldung;
  if (const int fehler = curves::KurvenGrafikinhalt(sitzung, kurven, false, inhalt, meldung)) {
    std::fprintf(stderr, "miv3x: plot: %s\n", meldung.c_str());
    return FehlerMelden(fehler);
  }
  return Speichern(inhalt, aufruf);
}

int KennlinienBildZeichnen(const Aufruf& aufruf) {
  if (const int status = AusgabePruefen(aufruf); status >= 0) return status;
  characteristic::Kennliniensitzung sitzung;  // this command's characteristic
  if (const int fehler = characteristic::KennlModellInitialisieren(sitzung))
    return FehlerMelden(fehler);
  if (const int fehler = KennliniendateiUebernehmen(sitzung, aufruf.dateien[0]))
    return FehlerMelden(fehler);
  const common::Grafikinhalt inhalt =
      characteristic::KennlGrafikinhalt(sitzung.Konfig.gKonfig, sitzung.gKennl.Kennl,
                                        characteristic::KennlGrafikbereich{}, aufruf.dateien[0]);
  return Speichern(inhalt, aufruf);
}

}  // namespace cli
