#include "device/Leitungslog.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "common/Speicherdatei.h"

namespace device {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

const char* Steuername(unsigned char b) {
  switch (b) {
    case 13:
      return "<CR>";
    case 6:
      return "<ACK>";
    case 21:
      return "<NAK>";
    case 24:
      return "<CAN>";
    default:
      return nullptr;
  }
}

char Richtungszeichen(Leitungsrichtung r) {
  switch (r) {
    case Leitungsrichtung::Gesendet:
      return '>';
    case Leitungsrichtung::Empfangen:
      return '<';
    case Leitungsrichtung::Rate:
      return '~';
  }
  return '?';
}

void Zeitstempel(std::string& s, std::chrono::system_clock::time_point t) {
  const std::time_t sekunden = std::chrono::system_clock::to_time_t(t);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()) %
                  std::chrono::seconds(1);
  char puffer[40] = {};
  // The program runs its device calls in one thread; localtime's shared buffer is safe here.
  const std::tm* tm = std::localtime(&sekunden);
  if (tm) std::strftime(puffer, sizeof puffer, "%Y-%m-%d %H:%M:%S", tm);
  s += puffer;
  char rest[8];
  std::snprintf(rest, sizeof rest, ".%03d", static_cast<int>(ms.count()));
  s += rest;
}

}  // namespace

Leitungslog::Leitungslog(std::size_t groesse) : groesse_(std::max<std::size_t>(groesse, 1)) {
  // The slots, not their byte buffers: those grow with the frames they hold.
  ring_.reserve(groesse_);
}

void Leitungslog::Aufzeichnen(Leitungsrichtung richtung, std::string_view befehl,
                              std::string_view bytes, int ergebnis) {
  std::size_t platz = 0;
  if (ring_.size() < groesse_) {
    platz = ring_.size();
    ring_.emplace_back();
  } else {
    platz = (erster_ + anzahl_) % groesse_;
  }
  if (anzahl_ < groesse_)
    ++anzahl_;
  else
    erster_ = (erster_ + 1) % groesse_;
  Leitungseintrag& e = ring_[platz];
  e.nummer = naechsteNummer_++;
  e.zeit = std::chrono::steady_clock::now();
  e.wandzeit = std::chrono::system_clock::now();
  e.richtung = richtung;
  const std::size_t n = std::min(befehl.size(), e.befehl.size() - 1);
  std::copy_n(befehl.data(), n, e.befehl.data());
  e.befehl[n] = '\0';
  if (richtung == Leitungsrichtung::Gesendet) letzterBefehl_ = e.befehl;
  e.ergebnis = ergebnis;
  e.laenge = bytes.size();
  e.bytes.assign(bytes.data(), std::min(bytes.size(), kBytesHoechstens));
  if (meldungen_.Anzahl() != 0) meldungen_.Melden();
}

const Leitungseintrag& Leitungslog::operator[](std::size_t i) const {
  return ring_[(erster_ + i) % groesse_];
}

void Leitungslog::ErgebnisNachtragen(int ergebnis) {
  if (anzahl_ == 0) return;
  ring_[(erster_ + anzahl_ - 1) % groesse_].ergebnis = ergebnis;
}

void Leitungslog::Leeren() {
  // The slots stay with their buffers; the next entry goes where it would have gone.
  erster_ = (erster_ + anzahl_) % groesse_;
  anzahl_ = 0;
  ++leerungen_;
  meldungen_.Melden();
}

std::string_view Befehlsbuchstaben(std::string_view frame) {
  if (frame.size() <= 2) return {};
  std::string_view b = frame.substr(2, 3);
  // A short frame ends in CR before three letters come.
  const auto cr = b.find('\r');
  return cr == std::string_view::npos ? b : b.substr(0, cr);
}

void LesbarAnhaengen(std::string& ziel, std::string_view bytes) {
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (const char* name = Steuername(b)) {
      ziel += name;
    } else if (b >= 0x20 && b < 0x7F) {
      ziel += c;
    } else {
      ziel += "<0x";
      ziel += kHex[b >> 4];
      ziel += kHex[b & 0xF];
      ziel += '>';
    }
  }
}

std::string LeitungszeileOhneZeit(const Leitungseintrag& e) {
  std::string s;
  s.reserve(32 + e.bytes.size());
  s += Richtungszeichen(e.richtung);
  s += "  ";
  std::string_view befehl = e.Befehl();
  s += befehl;
  s.append(befehl.size() < 4 ? 4 - befehl.size() : 0, ' ');
  char code[24];
  std::snprintf(code, sizeof code, "%8d  ", e.ergebnis);
  s += code;
  if (e.laenge == 0 && e.richtung == Leitungsrichtung::Empfangen) {
    s += "(nothing)";
    return s;
  }
  if (e.richtung == Leitungsrichtung::Rate) {
    s += e.bytes;
    s += " baud";
    return s;
  }
  LesbarAnhaengen(s, e.bytes);
  if (e.laenge > e.bytes.size()) s += "... (" + std::to_string(e.laenge) + " bytes)";
  return s;
}

std::string Leitungszeile(const Leitungseintrag& e) {
  std::string s;
  Zeitstempel(s, e.wandzeit);
  s += "  ";
  s += LeitungszeileOhneZeit(e);
  return s;
}

std::string Leitungstext(const Leitungslog& log) {
  std::string text;
  for (std::size_t i = 0; i < log.Anzahl(); ++i) {
    text += Leitungszeile(log[i]);
    text += '\n';
  }
  return text;
}

int LeitungstextSchreiben(const Leitungslog& log, common::Speicherdatei& datei) {
  std::string zeile;
  for (std::size_t i = 0; i < log.Anzahl(); ++i) {
    zeile = Leitungszeile(log[i]);
    zeile += '\n';
    if (!datei.Schreiben(zeile)) break;  // the failure is kept for Abschliessen
  }
  return datei.AbschliessenMitCode(kFehlerLogOeffnen, kFehlerLogSchreiben);
}

int LeitungstextSpeichern(const Leitungslog& log, const std::string& pfad) {
  common::Speicherdatei datei(pfad);
  if (datei.Oeffnen() != common::Speicherdatei::Ergebnis::Ok) return kFehlerLogOeffnen;
  return LeitungstextSchreiben(log, datei);
}

}  // namespace device
