// What the curve file tests share: a fresh model and configuration, an operator that
// answers from a script, a temporary folder, and byte-level access to files.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <clocale>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "config/Konfiguration.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Titel.h"
#include "device/Fehler.h"
#include "support/Dateibytes.h"
#include "support/DeutscheZahlen.h"
#include "support/Kurvenpunkte.h"
#include "support/ScriptedOperator.h"
#include "support/TempDir.h"

namespace dateitest {

using curves::Kurvenpunkt;
using testsupport::DeutscheZahlen;

using testsupport::Bytes;
using testsupport::Le32;
using testsupport::Le32Setzen;
using testsupport::Text;
using testsupport::TextSchreiben;
inline constexpr auto& Schreiben = testsupport::BytesSchreiben;

inline Kurvenpunkt P(int y, int laenge, int zeitbasis) {
  return Kurvenpunkt{y, laenge, static_cast<std::int8_t>(zeitbasis), {0, 0, 0}};
}

using testsupport::Gleich;

// A snapshot of everything a refused file must leave alone.
struct Modellstand {
  std::array<std::vector<Kurvenpunkt>, curves::kKurven> punkte;
  std::array<std::string, curves::kKurven> kommentare;
  std::array<std::int32_t, curves::kKurven> zyklen{}, ruhe{};
  bool geaendert = false;
  config::Konfiguration konfig{};

  static Modellstand Jetzt(const curves::Kurvensitzung& sitzung) {
    Modellstand s;
    for (int c = 0; c < curves::kKurven; ++c) {
      s.punkte[c] = sitzung.gKurven.Kurven[c].Punkte;
      s.kommentare[c] = sitzung.gKurven.Kurven[c].Kommentar;
    }
    s.zyklen = sitzung.gKurven.Zyklen;
    s.ruhe = sitzung.gKurven.Ruhezustand;
    s.geaendert = sitzung.gKurven.KurvenGeaendert;
    s.konfig = sitzung.Konfig.gKonfig;
    return s;
  }
  void ErwarteUnveraendert(const curves::Kurvensitzung& sitzung) const {
    for (int c = 0; c < curves::kKurven; ++c) {
      EXPECT_TRUE(Gleich(punkte[c], sitzung.gKurven.Kurven[c].Punkte)) << "curve " << c + 1;
      EXPECT_EQ(kommentare[c], sitzung.gKurven.Kurven[c].Kommentar) << "curve " << c + 1;
    }
    EXPECT_EQ(zyklen, sitzung.gKurven.Zyklen);
    EXPECT_EQ(ruhe, sitzung.gKurven.Ruhezustand);
    EXPECT_EQ(geaendert, sitzung.gKurven.KurvenGeaendert);
    EXPECT_EQ(0, std::memcmp(&konfig, &sitzung.Konfig.gKonfig, sizeof(konfig)));
  }
};

using testsupport::Schreibgrenze;

class DateiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(0, curves::KurvenModellInitialisieren(sitzung));
    device::ZOR_Fehlersprache(2);
    config::KonfigurationStandardwerte(sitzung.Konfig);
  }
  void TearDown() override { curves::KurvenModellFreigeben(sitzung); }

  // Four distinct curves with comments and settings.
  void Beispielkurven() {
    auto& k = sitzung.gKurven;
    k.Kurven[0].Punkte = {P(0, 5, 1), P(4095, 3, 9), P(2047, 65535, 8)};
    k.Kurven[1].Punkte = {P(100, 1, 2)};
    k.Kurven[2].Punkte = {P(1, 2, 3), P(2, 3, 4), P(3, 4, 5), P(4, 5, 6), P(5, 6, 7)};
    k.Kurven[3].Punkte = {P(4095, 10, 4), P(0, 20, 4)};
    k.Kurven[0].Kommentar = "first\nsecond line";
    k.Kurven[1].Kommentar = "";
    k.Kurven[2].Kommentar = std::string(999, 'x');
    k.Kurven[3].Kommentar = "Kurve 4";
    k.Zyklen = {0, 1, 65535, 3};
    k.Ruhezustand = {0, 4095, 17, 2000};
  }

  curves::Kurvensitzung sitzung;
  testsupport::ScriptedOperator op;
  testsupport::TempDir dir;
};

}  // namespace dateitest
