#include "direct/Protokolldatei.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "common/KlassischeZahlen.h"
#include "common/OperatorInterface.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"
#include "direct/Kanalbereich.h"
#include "direct/Uhr.h"

namespace direct {
namespace {

constexpr const char* kEingangVorlage = "input%%d: %%.%df..%%.%df %%s\n";
constexpr const char* kAusgangVorlage = "output%%d: %%.%df..%%.%df %%s\n";
constexpr const char* kSpaltenVorlage =
    "Date\tTime\tIn1[%s]\tIn2[%s]\tIn3[%s]\tIn4[%s]\tOut1[%s]\tOut2[%s]\tOut3[%s]\tOut4[%s]\n";
constexpr const char* kWertVorlage = "%%.%df\t";
constexpr const char* kLetzterWertVorlage = "%%.%df\n";
constexpr const char* kKeinAnalogwert = "-----\t";
// The date is read again until it is the same before and after the time; a day changes
// once, so a few rounds always do.
constexpr int kDatumsversuche = 10;

std::string Formatiert(const char* format, ...) {
  std::va_list argumente;
  va_start(argumente, format);
  std::va_list kopie;
  va_copy(kopie, argumente);
  const int n = std::vsnprintf(nullptr, 0, format, kopie);
  va_end(kopie);
  std::string text;
  if (n > 0) {
    std::vector<char> puffer(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(puffer.data(), puffer.size(), format, argumente);
    text.assign(puffer.data(), static_cast<std::size_t>(n));
  }
  va_end(argumente);
  return text;
}

// The format a stored template gives for d decimal places.
std::string Vorlage(const char* vorlage, int nachkommastellen) {
  return Formatiert(vorlage, nachkommastellen);
}

std::string Bereichszeile(const char* vorlage, int n, const Kanalbereich& b) {
  const common::KlassischeZahlen zahlen;
  // The template takes the decimal places twice, for lo and for hi.
  const std::string format = Formatiert(vorlage, b.nachkommastellen, b.nachkommastellen);
  return Formatiert(format.c_str(), n + 1, b.lo, b.hi, b.einheit.c_str());
}

// Writes one line with one call. A line that does not arrive whole is cut off again;
// `angekommen` tells how much of it the system took.
bool Schreiben(Offenesprotokoll& offen, const std::string& text,
               std::size_t* angekommen = nullptr) {
  if (!offen.datei) return false;
  const std::size_t n = std::fwrite(text.data(), 1, text.size(), offen.datei);
  if (angekommen) *angekommen = n;
  if (n == text.size() && std::fflush(offen.datei) == 0) {
    offen.laenge += n;
    return true;
  }
  std::clearerr(offen.datei);
  if (offen.normaleDatei) {
    std::error_code fehler;
    std::filesystem::resize_file(offen.pfad, offen.laenge, fehler);
  }
  return false;
}

std::string Teil(const std::string& text, std::size_t anfang, std::size_t laenge) {
  return anfang < text.size() ? text.substr(anfang, laenge) : std::string();
}

}  // namespace

std::string EingangsbereichZeile(const Direktsitzung& s, int n) {
  return Bereichszeile(kEingangVorlage, n, Eingangsbereich(s.Konfig.gKonfig, n));
}

std::string AusgangsbereichZeile(const Direktsitzung& s, int n) {
  return Bereichszeile(kAusgangVorlage, n, Ausgangsbereich(s.Konfig.gKonfig, n));
}

std::string Spaltenzeile(const Direktsitzung& s) {
  std::string e[4], a[4];
  for (int n = 0; n < 4; ++n) {
    e[n] = Eingangsbereich(s.Konfig.gKonfig, n).einheit;
    a[n] = Ausgangsbereich(s.Konfig.gKonfig, n).einheit;
  }
  return Formatiert(kSpaltenVorlage, e[0].c_str(), e[1].c_str(), e[2].c_str(), e[3].c_str(),
                    a[0].c_str(), a[1].c_str(), a[2].c_str(), a[3].c_str());
}

Protokollzeile ProtokollzeileBilden(Direktsitzung& s) {
  Uhr& uhr = DirektUhr(s);
  std::string datum, zeit;
  for (int versuch = 0; versuch < kDatumsversuche; ++versuch) {
    const std::string vorher = uhr.Datum();
    zeit = uhr.Uhrzeit();
    datum = uhr.Datum();
    if (datum == vorher) break;
  }
  // MM-DD-YYYY becomes DD.MM.YYYY.
  Protokollzeile zeile;
  zeile.text = Formatiert("%s.%s.%s\t%s\t", Teil(datum, 3, 2).c_str(), Teil(datum, 0, 2).c_str(),
                          Teil(datum, 6, std::string::npos).c_str(), zeit.c_str());
  zeile.eingaengeAb = zeile.text.size();

  const common::KlassischeZahlen zahlen;
  const Direktmesswerte& m = Messwerte(s);
  for (int n = 0; n < 4; ++n) {
    if (n == 3 && !m.eingang4Analog) {
      zeile.text += kKeinAnalogwert;
      continue;
    }
    zeile.text += Formatiert(
        Vorlage(kWertVorlage, Eingangsbereich(s.Konfig.gKonfig, n).nachkommastellen).c_str(),
        EingangProzentInEinheit(s.Konfig.gKonfig, n, m.eingangProzent[n]));
  }
  zeile.ausgaengeAb = zeile.text.size();
  for (int n = 0; n < 4; ++n) {
    const char* vorlage = n == 3 ? kLetzterWertVorlage : kWertVorlage;
    zeile.text +=
        Formatiert(Vorlage(vorlage, Ausgangsbereich(s.Konfig.gKonfig, n).nachkommastellen).c_str(),
                   AusgangProzentInEinheit(s.Konfig.gKonfig, n, m.ausgangProzent[n]));
  }
  return zeile;
}

int ProtokolldateiOeffnen(Direktsitzung& s) {
  if (!Direktpanel(s).dateispeichern) {
    ProtokolldateiSchliessen(s);
    return 0;
  }
  common::FileRequest anfrage;
  anfrage.title = "File to save/extend";
  anfrage.pattern = "*.txt";
  anfrage.mode = common::FileRequest::Mode::Save;
  anfrage.forceExtension = true;
  anfrage.appends = true;  // the log is opened for appending
  const auto pfad = common::operatorInterface().selectFile(anfrage);
  if (pfad && pfad->empty()) return kFehlerDateiauswahl;
  ProtokolldateiSchliessen(s);
  if (!pfad) return 0;
  return ProtokolldateiOeffnenVon(s, *pfad);
}

int ProtokolldateiOeffnenVon(Direktsitzung& s, const std::string& pfad) {
  ProtokolldateiSchliessen(s);
  Offenesprotokoll& offen = s.Protokoll;
  std::FILE* datei = std::fopen(pfad.c_str(), "a");
  if (!datei) return kFehlerProtokollOeffnen;
  std::setvbuf(datei, nullptr, _IONBF, 0);
  std::error_code fehler;
  offen.datei = datei;
  offen.pfad = pfad;
  offen.normaleDatei = std::filesystem::is_regular_file(pfad, fehler);
  offen.laenge = offen.normaleDatei ? std::filesystem::file_size(pfad, fehler) : 0;
  if (fehler) offen.normaleDatei = false;

  const auto abbrechen = [&s](int code) {
    ProtokolldateiSchliessen(s);
    return code;
  };
  if (!Schreiben(s.Protokoll, kProtokollStart)) return abbrechen(kFehlerProtokollKopf);
  for (int n = 0; n < 4; ++n)
    if (!Schreiben(s.Protokoll, EingangsbereichZeile(s, n)))
      return abbrechen(kFehlerProtokollEingaenge);
  for (int n = 0; n < 4; ++n)
    if (!Schreiben(s.Protokoll, AusgangsbereichZeile(s, n)))
      return abbrechen(kFehlerProtokollAusgaenge);
  if (!Schreiben(s.Protokoll, Spaltenzeile(s))) return abbrechen(kFehlerProtokollSpalten);
  DirektpanelBearbeiten(s).dateispeichernLed = true;
  DirektpanelAnzeigen(s);
  return 0;
}

void ProtokolldateiSchliessen(Direktsitzung& s) {
  if (!s.Protokoll.datei) return;
  std::fclose(s.Protokoll.datei);
  s.Protokoll = Offenesprotokoll{};
  DirektpanelBearbeiten(s).dateispeichernLed = false;
  DirektpanelAnzeigen(s);
}

bool ProtokollOffen(const Direktsitzung& s) {
  return s.Protokoll.datei != nullptr;
}

int ProtokollzeileSchreiben(Direktsitzung& s) {
  if (!s.Protokoll.datei) return 0;
  const Protokollzeile zeile = ProtokollzeileBilden(s);
  std::size_t angekommen = 0;
  if (Schreiben(s.Protokoll, zeile.text, &angekommen)) return 0;
  ProtokolldateiSchliessen(s);
  if (angekommen < zeile.eingaengeAb) return kFehlerZeileZeit;
  if (angekommen < zeile.ausgaengeAb) return kFehlerZeileEingaenge;
  return kFehlerZeileAusgaenge;
}

int ProtokollText(Direktsitzung& s, const std::string& text) {
  if (!s.Protokoll.datei) return 0;
  return Schreiben(s.Protokoll, text) ? 0 : kFehlerProtokollText;
}

}  // namespace direct
