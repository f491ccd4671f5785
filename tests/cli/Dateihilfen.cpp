#include "Dateihilfen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "config/Konfiguration.h"
#include "curves/files/Kurvendatei.h"
#include "curves/model/Kurvensitzung.h"

namespace clitest {

curves::Kurvenpunkt P(int y, int laenge, int zeitbasis) {
  return {y, laenge, static_cast<std::int8_t>(zeitbasis), {0, 0, 0}};
}

void KurvendateiAnlegen(const std::string& pfad, const std::vector<curves::Kurvenpunkt>& kurve1,
                        int zyklen, int ruhezustand,
                        const std::vector<curves::Kurvenpunkt>& kurve2) {
  curves::Kurvensitzung sitzung;
  ASSERT_EQ(0, curves::KurvenModellInitialisieren(sitzung));
  sitzung.gKurven.Kurven[0].Punkte = kurve1;
  if (!kurve2.empty()) sitzung.gKurven.Kurven[1].Punkte = kurve2;
  sitzung.gKurven.Zyklen[0] = zyklen;
  sitzung.gKurven.Ruhezustand[0] = ruhezustand;
  ASSERT_EQ(0, curves::KurvendateiSpeichern(sitzung, pfad));
}

std::vector<curves::Kurvenpunkt> Kurvenpunkte(const std::string& pfad, int c) {
  auto inhalt = std::make_unique<curves::Kurvendateiinhalt>();
  EXPECT_EQ(0, curves::KurvendateiEinlesen(pfad, true, *inhalt)) << pfad;
  return inhalt->punkte[static_cast<std::size_t>(c)];
}

std::string Inhalt(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Schreiben(const std::string& pfad, const std::string& inhalt) {
  std::ofstream f(pfad, std::ios::binary);
  f << inhalt;
}

bool Existiert(const std::string& pfad) {
  return std::filesystem::exists(pfad);
}


std::string Text(const std::vector<curves::Kurvenpunkt>& punkte) {
  std::ostringstream s;
  for (const auto& p : punkte) s << "(" << p.Y << "," << p.Laenge << "," << int{p.Zeitbasis} << ")";
  return s.str();
}

}  // namespace clitest
