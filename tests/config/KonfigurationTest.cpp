// The record: standard values, comparison, setting, unit terminators, the window link.
#include <cstddef>
#include <cstring>

#include "KonfigTestbasis.h"
#include "config/Umrechnung.h"

namespace {

using namespace config;
using konfigtest::Beispiel;
using konfigtest::Fensterattrappe;
using konfigtest::GleicheBytes;
using konfigtest::KonfigTest;

using Datensatz = KonfigTest;
using Fenster = KonfigTest;

TEST_F(Datensatz, StandardValues) {
  gKonfig = Beispiel();
  gKonfig.padding1[0] = 'p';
  KonfigurationStandardwerte(konfig);
  EXPECT_EQ(gKonfig.voutmax, 10.0);
  EXPECT_EQ(gKonfig.vinmax, 10.0);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(gKonfig.outmin[i], 0.0);
    EXPECT_EQ(gKonfig.outmax[i], 10.0);
    EXPECT_EQ(gKonfig.outskalamin[i], 0.0);
    EXPECT_EQ(gKonfig.outskalamax[i], 10.0);
    EXPECT_STREQ(gKonfig.outeinheit[i], "V");
    EXPECT_EQ(gKonfig.inmin[i], 0.0);
    EXPECT_EQ(gKonfig.inmax[i], 10.0);
    EXPECT_EQ(gKonfig.inskalamin[i], 0.0);
    EXPECT_EQ(gKonfig.inskalamax[i], 10.0);
    EXPECT_STREQ(gKonfig.ineinheit[i], "V");
  }
  EXPECT_EQ(gKonfig.padding1[0], 'p');
}

TEST_F(Datensatz, PaddingIsNotCompared) {
  Konfiguration a = Beispiel(), b = Beispiel();
  std::memset(b.padding1, 0x5A, sizeof b.padding1);
  std::memset(b.padding2, 0xA5, sizeof b.padding2);
  EXPECT_FALSE(GleicheBytes(a, b));
  EXPECT_EQ(KonfigurationenVergleichen(a, b), 1);
  // Nor the bytes after a unit's terminator.
  b.outeinheit[1][5] = 'x';
  EXPECT_EQ(KonfigurationenVergleichen(a, b), 1);
  // Unterminated units still compare within their nine bytes.
  std::memset(a.outeinheit[0], 'u', 9);
  std::memset(b.outeinheit[0], 'u', 9);
  EXPECT_EQ(KonfigurationenVergleichen(a, b), 1);
  b.outeinheit[0][8] = 'v';
  EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
}

TEST_F(Datensatz, EveryFieldTakesPartInTheComparison) {
  const Konfiguration a = Beispiel();
  // Each double of the record in turn.
  for (std::size_t off : {offsetof(Konfiguration, voutmax), offsetof(Konfiguration, vinmax)}) {
    Konfiguration b = a;
    double* d = reinterpret_cast<double*>(reinterpret_cast<char*>(&b) + off);
    *d += 1.0;
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 0) << off;
  }
  for (int i = 0; i < 4; ++i) {
    for (auto arr : {&Konfiguration::outmin, &Konfiguration::outmax, &Konfiguration::outskalamin,
                     &Konfiguration::outskalamax, &Konfiguration::inmin, &Konfiguration::inmax,
                     &Konfiguration::inskalamin, &Konfiguration::inskalamax}) {
      Konfiguration b = a;
      (b.*arr)[i] += 0.75;
      EXPECT_EQ(KonfigurationenVergleichen(a, b), 0) << i;
      EXPECT_EQ(KonfigurationenVergleichen(b, a), 0) << i;
    }
    Konfiguration b = a;
    EinheitSetzen(b.outeinheit[i], "x");
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
    b = a;
    EinheitSetzen(b.ineinheit[i], "y");
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
  }
  EXPECT_EQ(KonfigurationenVergleichen(a, a), 1);
}

TEST_F(Datensatz, OnlyVinmaxDiffers) {
  Konfiguration a = KonfigurationStandard(), b = KonfigurationStandard();
  b.vinmax = 4.095;
  EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
}

TEST_F(Datensatz, TerminatorsAreMended) {
  Konfiguration k = Beispiel();
  EXPECT_FALSE(EinheitenAbschliessen(k));
  std::memset(k.outeinheit[3], 'Z', 9);
  std::memset(k.ineinheit[0], 'Y', 9);
  EXPECT_TRUE(EinheitenAbschliessen(k));
  EXPECT_STREQ(k.outeinheit[3], "ZZZZZZZZ");
  EXPECT_STREQ(k.ineinheit[0], "YYYYYYYY");
  EXPECT_STREQ(k.outeinheit[2], "12345678");  // a full, terminated unit stays

  char e[9];
  EinheitSetzen(e, "123456789abc");
  EXPECT_STREQ(e, "12345678");
  EinheitSetzen(e, nullptr);
  EXPECT_STREQ(e, "");
}

TEST_F(Datensatz, SettingCopiesAndShows) {
  Fensterattrappe fenster;
  fenster.binden(konfig);
  Konfiguration k = Beispiel();
  std::memset(k.ineinheit[1], 'Q', 9);
  KonfigurationSetzen(konfig, k);
  EXPECT_EQ(fenster.gezeigt, 1);
  EXPECT_STREQ(gKonfig.ineinheit[1], "QQQQQQQQ");
  EXPECT_EQ(gKonfig.outskalamax[3], 240.0);
  EXPECT_TRUE(GleicheBytes(fenster.felder, gKonfig));
}

TEST_F(Fenster, NoWindowMeansNothingHappens) {
  // A window needs both directions.
  auto halb = konfig.Felderanzeige.Abonnieren([](const Konfiguration&) {});
  EXPECT_FALSE(KonfigfelderGebunden(konfig));
  gKonfig = Beispiel();
  KonfigfelderInStrukturSpeichern(konfig);
  KonfigfelderAusStrukturLaden(konfig);
  EXPECT_TRUE(GleicheBytes(gKonfig, Beispiel()));
}

TEST_F(Fenster, FieldsTakeEffectOnlyWhenStored) {
  Fensterattrappe fenster;
  fenster.binden(konfig);
  fenster.felder = Beispiel();
  EXPECT_EQ(gKonfig.voutmax, 10.0);
  KonfigfelderInStrukturSpeichern(konfig);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, Beispiel()), 1);

  gKonfig.vinmax = 10.0;
  KonfigfelderAusStrukturLaden(konfig);
  EXPECT_EQ(fenster.felder.vinmax, 10.0);
}

TEST_F(Fenster, AnUnterminatedFieldNeverReachesTheRecord) {
  Fensterattrappe fenster;
  fenster.binden(konfig);
  std::memset(fenster.felder.outeinheit[0], 'm', 9);
  KonfigfelderInStrukturSpeichern(konfig);
  EXPECT_STREQ(gKonfig.outeinheit[0], "mmmmmmmm");
}

TEST_F(Fenster, UpperOutputValueThroughTheWindow) {
  Fensterattrappe fenster;
  fenster.binden(konfig);
  fenster.felder.outmin[1] = 0.5;  // an edit not yet taken over
  AusgangSkalaMaxUebernehmen(konfig, 0, 6.1425);
  ASSERT_EQ(fenster.skalaOutMax.size(), 1u);
  EXPECT_EQ(fenster.skalaOutMax[0], std::make_pair(0, 6.1425));
  EXPECT_EQ(gKonfig.outskalamax[0], 6.1425);
  EXPECT_EQ(gKonfig.outmin[1], 0.5);  // all fields were taken
}

TEST_F(Fenster, UpperOutputValueWithoutTheFieldSetter) {
  Fensterattrappe fenster;
  fenster.binden(konfig, false);
  fenster.felder.inmax[2] = 7.0;
  AusgangSkalaMaxUebernehmen(konfig, 3, 8.19);
  EXPECT_EQ(fenster.felder.outskalamax[3], 8.19);
  EXPECT_EQ(gKonfig.outskalamax[3], 8.19);
  EXPECT_EQ(gKonfig.inmax[2], 7.0);
}

TEST_F(Fenster, UpperOutputValueWithoutWindow) {
  gKonfig = Beispiel();
  AusgangSkalaMaxUebernehmen(konfig, 0, 4.095);
  Konfiguration erwartet = Beispiel();
  erwartet.outskalamax[0] = 4.095;
  EXPECT_TRUE(GleicheBytes(gKonfig, erwartet));
  AusgangSkalaMaxUebernehmen(konfig, 4, 1.0);
  AusgangSkalaMaxUebernehmen(konfig, -1, 1.0);
  EXPECT_TRUE(GleicheBytes(gKonfig, erwartet));
}

TEST_F(Fenster, StartUpValuesGoIntoTheFields) {
  Fensterattrappe fenster;
  fenster.binden(konfig);
  fenster.felder = Beispiel();
  gKonfig = Beispiel();
  gKonfig.vinmax = 10.0;
  fenster.felder.vinmax = 10.0;
  EXPECT_EQ(InitialisiereKonfigPanel(konfig), 0);
  // The record keeps the settings-file values until the fields are taken.
  EXPECT_EQ(gKonfig.voutmax, 4.095);
  EXPECT_EQ(gKonfig.outmin[0], 0.5);
  const Konfiguration& f = fenster.felder;
  EXPECT_EQ(f.voutmax, 4.095);
  EXPECT_EQ(f.outmin[0], 0.0);
  EXPECT_EQ(f.outmax[0], 4.095);
  EXPECT_EQ(f.outskalamin[0], 0.0);
  EXPECT_EQ(f.outskalamax[0], 4.095);
  EXPECT_STREQ(f.outeinheit[0], "A");
  EXPECT_EQ(f.outmin[1], 1.5);  // other rows untouched
  KonfigfelderInStrukturSpeichern(konfig);
  EXPECT_EQ(gKonfig.outmin[0], 0.0);
  EXPECT_STREQ(gKonfig.outeinheit[0], "A");
}

TEST_F(Fenster, StartUpValuesWithoutWindowGoIntoTheRecord) {
  EXPECT_EQ(InitialisiereKonfigPanel(konfig), 0);
  EXPECT_EQ(gKonfig.voutmax, 4.095);
  EXPECT_EQ(gKonfig.outmax[0], 4.095);
  EXPECT_EQ(gKonfig.outskalamax[0], 4.095);
  EXPECT_STREQ(gKonfig.outeinheit[0], "A");
  EXPECT_EQ(gKonfig.vinmax, 10.0);
  EXPECT_EQ(gKonfig.outmax[1], 10.0);
  EXPECT_DOUBLE_EQ(AusgangRohInEinheit(gKonfig, 0, 4095.0), 4.095);
}

}  // namespace
