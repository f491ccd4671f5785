#include "Geraeteverbindung.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "device/Companel.h"
#include "device/Leitungslog.h"

namespace cli {
namespace {

// The number a device path is known by inside this process.
constexpr int kPfadport = 1;

}  // namespace

Geraeteverbindung::Geraeteverbindung(const Portangabe& port, char adresse, const std::string& spur)
    : nummer_(port.pfad.empty() ? port.nummer : kPfadport),
      portname_(port.pfad.empty() ? "COM " + std::to_string(port.nummer) : port.pfad),
      spurPfad_(spur) {
  if (!port.pfad.empty()) service_.setPortPfade({{kPfadport, port.pfad}});
  // The list holds just the named port, so opening never falls back to another one.
  const int nummer = nummer_;
  verbindung_.PortquelleSetzen([nummer] { return std::vector<int>{nummer}; });
  device::ComControlAusfuellen(verbindung_);
  device::PortlisteAuswaehlen(verbindung_, nummer_);
  verbindung_.GeraeteadresseSetzen(adresse);
  // How a transfer ran (at 9600 instead of 38400, a device found at another rate).
  hinweisAbo_ = verbindung_.HinweiseAbonnieren(
      [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
}

Geraeteverbindung::~Geraeteverbindung() {
  device::ComPortSchliessen(verbindung_);
  CacheZurueckschreiben();
  SpurSchreiben();
}

void Geraeteverbindung::SpurSchreiben() {
  if (!spur_) return;
  // The command has given its status already; a trace that did not arrive is said here.
  if (device::LeitungstextSchreiben(verbindung_.Log(), *spur_) != 0)
    std::fprintf(stderr, "miv3x: the trace file %s could not be written.\n", spurPfad_.c_str());
}

void Geraeteverbindung::SpeichertransferVorbereiten(bool schnell, bool geaendert) {
  device::Uebertragungswahl& wahl = verbindung_.Uebertragung();
  wahl.schnell = schnell;
  wahl.ratenSuchen = schnell;
  wahl.nurGeaendert = geaendert;
  // The cache comes into being with the first --changed; from then on every transfer
  // keeps it up to date, so a read followed by a changed write sends little.
  cachePfad_ = CachePfad();
  std::error_code ec;
  if (cachePfad_.empty() || (!geaendert && !std::filesystem::exists(cachePfad_, ec))) {
    cachePfad_.clear();
    return;
  }
  std::vector<Cachezeile> zeilen;
  std::string grund;
  if (!CacheLesen(cachePfad_, zeilen, grund))
    std::fprintf(stderr, "miv3x: the memory cache %s is damaged (%s); it is written anew.\n",
                 cachePfad_.c_str(), grund.c_str());
  for (Cachezeile& z : zeilen) {
    if (z.port == portname_)
      verbindung_.Gedaechtnis().Merken({nummer_, z.adresse, z.typ}, z.start,
                                       static_cast<long>(z.bytes.size()), z.bytes.data());
    else
      fremdeZeilen_.push_back(std::move(z));
  }
}

void Geraeteverbindung::CacheZurueckschreiben() {
  if (cachePfad_.empty()) return;
  std::vector<Cachezeile> zeilen = std::move(fremdeZeilen_);
  for (auto& s : verbindung_.Gedaechtnis().Strecken())
    if (s.schluessel.port == nummer_)
      zeilen.push_back(
          {portname_, s.schluessel.adresse, s.schluessel.typ, s.start, std::move(s.bytes)});
  if (!CacheSchreiben(cachePfad_, zeilen))
    std::fprintf(stderr, "miv3x: the memory cache %s could not be written.\n", cachePfad_.c_str());
}

int Geraeteverbindung::Oeffnen() {
  if (!spurPfad_.empty() && !spur_) {
    auto datei = std::make_unique<common::Speicherdatei>(spurPfad_);
    if (datei->Oeffnen() != common::Speicherdatei::Ergebnis::Ok) {
      std::fprintf(stderr, "miv3x: the trace file %s cannot be created.\n", spurPfad_.c_str());
      return device::kFehlerLogOeffnen;
    }
    spur_ = std::move(datei);
  }
  return device::ComPortOeffnen(verbindung_);
}

}  // namespace cli
