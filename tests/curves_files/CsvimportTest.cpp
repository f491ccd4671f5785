// Sampled data from CSV files of every dialect, their refusals, and the lines laid through
// them checked on the device image.
#include <gmock/gmock.h>

#include <cmath>
#include <random>

#include "Dateihilfen.h"
#include "curves/files/Csvimport.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/transfer/Kurvenbild.h"

namespace dateitest {
namespace {

using namespace curves;

// ---- Dialects ----

struct Dialektfall {
  const char* name;
  std::string text;
  Csvoptionen optionen;
  char trenner;
  char dezimal;
  int kopfzeilen;
  int zeitspalte, wertspalte;
  const char* werteinheit;
  // The samples expected: times in seconds from 0 and values.
  std::vector<double> zeit, wert;
};

Csvoptionen Spalten(const char* zeit, const char* wert) {
  Csvoptionen o;
  o.Zeitspalte = zeit;
  o.Wertspalte = wert;
  return o;
}

class CsvDialekt : public DateiTest, public testing::WithParamInterface<Dialektfall> {};

TEST_P(CsvDialekt, IsFoundAndReadWhole) {
  const Dialektfall& f = GetParam();
  const auto pfad = dir.file("ein.csv");
  TextSchreiben(pfad, f.text);
  Csvreihe r;
  ASSERT_EQ(0, CsvLesen(pfad, f.optionen, r)) << op.lastMessageText();
  EXPECT_EQ(f.trenner, r.Dialekt.Trennzeichen);
  EXPECT_EQ(f.dezimal, r.Dialekt.Dezimalzeichen);
  EXPECT_EQ(f.kopfzeilen, r.Dialekt.Kopfzeilen);
  EXPECT_EQ(f.zeitspalte, r.Zeitspalte);
  EXPECT_EQ(f.wertspalte, r.Wertspalte);
  EXPECT_EQ(f.werteinheit, r.Werteinheit);
  ASSERT_EQ(f.zeit.size(), r.Zeit.size());
  for (std::size_t i = 0; i < f.zeit.size(); ++i) {
    EXPECT_NEAR(f.zeit[i], r.Zeit[i], 1e-12) << i;
    EXPECT_NEAR(f.wert[i], r.Wert[i], 1e-12) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, CsvDialekt,
    testing::Values(
        Dialektfall{"KommaPunktOhneKopf",
                    "0,0\n0.001,1.5\n0.002,-2e-1\n",
                    {},
                    ',',
                    '.',
                    0,
                    1,
                    2,
                    "",
                    {0, 0.001, 0.002},
                    {0, 1.5, -0.2}},
        Dialektfall{"SemikolonDezimalkomma",
                    "Zeit [ms];Spannung [V]\n10;0,5\n12,5;1,25\n15;2\n",
                    {},
                    ';',
                    ',',
                    1,
                    1,
                    2,
                    "V",
                    {0, 0.0025, 0.005},
                    {0.5, 1.25, 2}},
        Dialektfall{"TabMitEinheitenzeile",
                    "# logger 7\n\nt\tU1\tU2\n(us)\t(V)\t(V)\n100\t1\t9\n350\t2\t8\n",
                    {},
                    '\t',
                    '.',
                    2,
                    1,
                    2,
                    "V",
                    {0, 250e-6},
                    {1, 2}},
        Dialektfall{"LeerzeichenUndKommentare",
                    "# time value\n  0   3\n# pause\n1e-3 4\n\n2e-3   5  \n",
                    {},
                    ' ',
                    '.',
                    0,
                    1,
                    2,
                    "",
                    {0, 0.001, 0.002},
                    {3, 4, 5}},
        Dialektfall{"ZitateCrLfUndBom",
                    "\xEF\xBB\xBF\"Time (s)\",\"CH1 (mV)\"\r\n\"-0.5\",\"100\"\r\n-0.25,200\r\n",
                    {},
                    ',',
                    '.',
                    1,
                    1,
                    2,
                    "mV",
                    {0, 0.25},
                    {100, 200}},
        Dialektfall{
            "OszilloskopNachName",
            "Model,DS1000\nRecord Length,3\nTIME,CH1,CH2\n-1e-3,0.1,5\n0,0.2,6\n1e-3,0.3,7\n",
            Spalten("time", "ch2"),
            ',',
            '.',
            3,
            1,
            3,
            "",
            {0, 1e-3, 2e-3},
            {5, 6, 7}},
        Dialektfall{"SpaltenNachNummerUndTextspalte",
                    "Nr;Label;Wert;Zeit\n1;a;3,5;0\n2;b;4,5;1\n",
                    Spalten("4", "3"),
                    ';',
                    ',',
                    1,
                    4,
                    3,
                    "",
                    {0, 1},
                    {3.5, 4.5}},
        Dialektfall{"ErsteZahlenspaltenHinterText",
                    "Label;x;y\na;0;7\nb;2;8\n",
                    {},
                    ';',
                    '.',
                    1,
                    2,
                    3,
                    "",
                    {0, 2},
                    {7, 8}}),
    [](const testing::TestParamInfo<Dialektfall>& i) { return std::string(i.param.name); });

TEST_F(DateiTest, ScaleOffsetAndTimeUnitApply) {
  const auto pfad = dir.file("sonde.csv");
  TextSchreiben(pfad, "t,u\n0,0.1\n5,0.2\n");
  Csvoptionen o;
  o.Zeitfaktor = 1e-3;
  o.Skala = 10;
  o.Versatz = -0.5;
  Csvreihe r;
  ASSERT_EQ(0, CsvLesen(pfad, o, r));
  EXPECT_NEAR(0.005, r.Zeit[1], 1e-15);
  EXPECT_NEAR(0.5, r.Wert[0], 1e-12);
  EXPECT_NEAR(1.5, r.Wert[1], 1e-12);
}

// Values in volts at the output only when the header says volts and the output's unit is
// another; else in the output's unit.
struct Einheitfall {
  const char* ausgangseinheit;
  const char* kopf;
  double wert;
  double code;
  bool volt;
};

class CsvEinheit : public DateiTest, public testing::WithParamInterface<Einheitfall> {};

TEST_P(CsvEinheit, ChoosesVoltsOrTheOutputsUnit) {
  const Einheitfall& f = GetParam();
  // Output 1: 0..10 V into 0..100 of the unit.
  sitzung.Konfig.gKonfig.outskalamax[0] = 100.0;
  std::strcpy(sitzung.Konfig.gKonfig.outeinheit[0], f.ausgangseinheit);
  const auto pfad = dir.file("e.csv");
  TextSchreiben(pfad, std::string("t;") + f.kopf + "\n0;" + std::to_string(f.wert) + "\n");
  Csvreihe r;
  ASSERT_EQ(0, CsvLesen(pfad, {}, r));
  std::vector<double> codes;
  int abgeschnitten = 0;
  EXPECT_EQ(f.volt, CsvWerteInCodes(sitzung.Konfig.gKonfig, r, codes, abgeschnitten));
  EXPECT_NEAR(f.code, codes[0], 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Einheiten, CsvEinheit,
                         testing::Values(Einheitfall{"bar", "p [V]", 5.0, 2047.5, true},
                                         Einheitfall{"bar", "p [mV]", 2500.0, 1023.75, true},
                                         Einheitfall{"bar", "p [bar]", 50.0, 2047.5, false},
                                         Einheitfall{"bar", "p", 25.0, 1023.75, false},
                                         Einheitfall{"V", "u [V]", 5.0, 204.75, false},
                                         Einheitfall{"bar", "p [bar]", 150.0, 4095.0, false}));

TEST_F(DateiTest, ValuesBeyondTheRangeAreClippedAndCounted) {
  const auto pfad = dir.file("c.csv");
  TextSchreiben(pfad, "0;-1\n1;5\n2;12\n3;10\n");
  Csvreihe r;
  ASSERT_EQ(0, CsvLesen(pfad, {}, r));
  std::vector<double> codes;
  int abgeschnitten = 0;
  CsvWerteInCodes(sitzung.Konfig.gKonfig, r, codes, abgeschnitten);
  EXPECT_EQ(2, abgeschnitten);
  EXPECT_EQ((std::vector<double>{0, 2047.5, 4095, 4095}), codes);
}

// ---- Refusals ----

struct Ablehnung {
  const char* name;
  std::string text;
  Csvoptionen optionen;
  int code;
  const char* meldung;  // part of the message, with the line
};

class CsvAblehnung : public DateiTest, public testing::WithParamInterface<Ablehnung> {};

TEST_P(CsvAblehnung, NamesTheLineAndGivesNothing) {
  const Ablehnung& f = GetParam();
  const auto pfad = dir.file("schlecht.csv");
  TextSchreiben(pfad, f.text);
  std::vector<Kurvenpunkt> punkte = {P(7, 7, 7)};
  Csvbericht bericht;
  EXPECT_EQ(f.code, CsvImportieren(sitzung.Konfig.gKonfig, pfad, f.optionen, 1.0, punkte, bericht));
  EXPECT_THAT(op.lastMessageText(), testing::HasSubstr(f.meldung));
  EXPECT_EQ("Error while importing", op.lastMessageTitle());
  EXPECT_TRUE(Gleich({P(7, 7, 7)}, punkte));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Dateien, CsvAblehnung,
    testing::Values(
        Ablehnung{"ZeitFaellt", "t,u\n0,1\n2,1\n1,1\n", {}, kFehlerCsvZeitfolge,
                  "Error in line 4:\nThe time 1 does not rise (line 3 has 2)"},
        Ablehnung{"ZeitSteht", "0;1\n0;2\n", {}, kFehlerCsvZeitfolge, "line 2"},
        Ablehnung{"ZeileOhneZahl", "0,1\n1,2\n2,x\n3,4\n", {}, kFehlerCsvZeile,
                  "Error in line 3:\nNo number in column 1 or 2."},
        Ablehnung{"ZeileZuKurz", "0,1\n1,2\n\n3\n", {}, kFehlerCsvZeile, "line 4"},
        Ablehnung{"NanIstKeineZahl", "0,1\n1,nan\n", {}, kFehlerCsvZeile, "line 2"},
        Ablehnung{"KeineZahlenzeilen", "Zeit;Wert\nnichts;da\n", {}, kFehlerCsvKeineDaten,
                  "No row with two numbers"},
        Ablehnung{"LeereDatei", "", {}, kFehlerCsvKeineDaten, "No row with two numbers"},
        Ablehnung{"SpalteUnbekannt", "a,b\n0,1\n", Spalten("a", "c"), kFehlerCsvSpalte,
                  "Column 'c' not found.\nThe columns are: a, b"},
        Ablehnung{"SpaltenummerZuGross", "0,1\n1,2\n", Spalten("1", "3"), kFehlerCsvZeile,
                  "Error in line 1"},
        Ablehnung{"ZeiteinheitUnbekannt", "t [Tage],u\n0,1\n", {}, kFehlerCsvSpalte,
                  "Error in line 1:\nThe time unit 'Tage' is not known"},
        // 30704 samples of 1 s at most, the closing unit included.
        Ablehnung{"ZuLangFuerJedeZeitbasis", "0,1\n30702,1\n30703,2\n30703.5,3\n", {},
                  kFehlerAbtastreiheZuLang, "Error in line 4:\nThe curve up to this sample (30703.5 s)"},
        Ablehnung{"WeitUeberDemSpeicher", "0,1\n1,1\n40000,1\n", {}, kFehlerAbtastreiheZuLang,
                  "Error in line 3:"}),
    [](const testing::TestParamInfo<Ablehnung>& i) { return std::string(i.param.name); });
// clang-format on

// A square wave of 1 ms steps needs a sample per millisecond: 30.704 s fit at most.
TEST_F(DateiTest, DetailBeyondTheMemoryIsRefusedAtTheFirstSampleThatDoesNotFit) {
  std::string text;
  for (int i = 0; i <= 40000; ++i) text += std::to_string(i) + "e-3," + (i % 2 ? "5" : "0") + "\n";
  const auto pfad = dir.file("rechteck.csv");
  TextSchreiben(pfad, text);
  std::vector<Kurvenpunkt> punkte;
  Csvbericht bericht;
  ASSERT_EQ(kFehlerAbtastreiheZuLang,
            CsvImportieren(sitzung.Konfig.gKonfig, pfad, {}, 1.0, punkte, bericht));
  int zeile = 0;
  ASSERT_EQ(1, std::sscanf(op.lastMessageText().c_str(), "Error in line %d", &zeile));
  EXPECT_GE(zeile, 30000);
  EXPECT_LE(zeile, 30706);
  // The samples before it fit.
  text.resize(static_cast<std::size_t>(
      std::distance(text.begin(), std::find_if(text.begin(), text.end(),
                                               [&, n = 0](char c) mutable {
                                                 return c == '\n' && ++n == zeile - 1;
                                               })) +
      1));
  TextSchreiben(pfad, text);
  EXPECT_EQ(0, CsvImportieren(sitzung.Konfig.gKonfig, pfad, {}, 1.0, punkte, bericht))
      << op.lastMessageText();
}

TEST_F(DateiTest, AFileThatCannotBeOpenedIsRefused) {
  std::vector<Kurvenpunkt> punkte;
  Csvbericht bericht;
  EXPECT_EQ(kFehlerCsvOeffnen, CsvImportieren(sitzung.Konfig.gKonfig, dir.file("fehlt.csv"), {},
                                              1.0, punkte, bericht));
  EXPECT_EQ(kFehlerCsvOeffnen,
            CsvImportieren(sitzung.Konfig.gKonfig, dir.path().string(), {}, 1.0, punkte, bericht));
}

// ---- The lines on the device image ----

// What the device plays for curve 1 of the model, read from its memory image: each
// sample's value and the time it starts, by the time base nibble it carries.
struct Gespielt {
  int wert;
  double zeit;  // seconds
};
std::vector<Gespielt> Bildabtastwerte(const std::vector<Kurvenpunkt>& punkte) {
  Kurvensitzung sitzung;
  EXPECT_EQ(0, KurvenModellInitialisieren(sitzung));
  sitzung.gKurven.Kurven[0].Punkte = punkte;
  std::vector<std::uint8_t> bild;
  int ende = 0;
  EXPECT_EQ(0, KurvenbildErzeugen(sitzung, bild, ende));
  std::vector<Gespielt> werte;
  double zeit = 0.0;
  for (int a = kAbtastAnfang; a < ende; a += 2) {
    werte.push_back({((bild[a] << 8) | bild[a + 1]) & 0xFFF, zeit});
    zeit += ZeitbasisInMikrosekunden(ZeitbasisAusNibble(bild[a] >> 4)) / 1e6;
  }
  return werte;
}

// The samples written, linearly between them.
double Zwischenwert(const std::vector<double>& codes, double abstand, double t) {
  const double i = t / abstand;
  const auto k = static_cast<std::size_t>(std::floor(i + 1e-9));
  if (k + 1 >= codes.size()) return codes.back();
  const double anteil = std::max(0.0, i - static_cast<double>(k));
  return codes[k] + (codes[k + 1] - codes[k]) * anteil;
}

struct Signalfall {
  const char* name;
  double (*signal)(double t);  // codes at t seconds
  double abstand;              // sample spacing, seconds
  int anzahl;
  double toleranz;       // <= 0: from the noise
  int hoechstensPunkte;  // a little above what the approximation needs now: few stay few
};

double Sinus(double t) {
  return 2047.5 + 2000 * std::sin(2 * M_PI * t);
}
double Rechteck(double t) {
  return std::fmod(t + 1e-9, 0.02) < 0.01 ? 100 : 3900;
}
double Rampe(double t) {
  return std::min(4095.0, 20000 * t);
}
// A sine with noise of deviation 6 codes, the same on every call for a time.
double VerrauschterSinus(double t) {
  std::mt19937 zufall(static_cast<unsigned>(std::llround(t * 1e7)));
  std::normal_distribution<double> rauschen(0.0, 6.0);
  return Sinus(t) + rauschen(zufall);
}

class CsvNaeherung : public DateiTest, public testing::WithParamInterface<Signalfall> {};

TEST_P(CsvNaeherung, EveryPlayedSampleStaysWithinTheTolerance) {
  const Signalfall& f = GetParam();
  // The codes as written to the file in volts and read back (output 1: 0..10 V into 0..10 V).
  std::vector<double> codes;
  std::string text = "Time (s);Value\n";
  char wert[32], zeile[64];
  for (int i = 0; i < f.anzahl; ++i) {
    const double t = i * f.abstand;
    std::snprintf(wert, sizeof wert, "%.12g", std::clamp(f.signal(t), 0.0, 4095.0) * 10 / 4095);
    codes.push_back(std::strtod(wert, nullptr) * 4095 / 10);
    std::snprintf(zeile, sizeof zeile, "%.9f;%s\n", t, wert);
    text += zeile;
  }
  const auto pfad = dir.file("signal.csv");
  TextSchreiben(pfad, text);
  std::vector<Kurvenpunkt> punkte;
  Csvbericht b;
  ASSERT_EQ(0, CsvImportieren(sitzung.Konfig.gKonfig, pfad, {}, f.toleranz, punkte, b))
      << op.lastMessageText();
  const Naeherungsbericht& n = b.Naeherung;
  EXPECT_LE(static_cast<int>(punkte.size()), f.hoechstensPunkte);
  EXPECT_EQ(n.Punkte, static_cast<int>(punkte.size()));
  if (f.toleranz > 0) {
    EXPECT_EQ(f.toleranz, n.Toleranz);
  }
  EXPECT_EQ(f.toleranz <= 0 && n.Toleranz > 1, n.ToleranzAusRauschen);

  const std::vector<Gespielt> gespielt = Bildabtastwerte(punkte);
  ASSERT_EQ(n.Einheiten, static_cast<int>(gespielt.size()));
  EXPECT_EQ(32 + 2 * n.Einheiten, n.Speicherbytes);
  // The curve covers the samples' time, and a closing unit at most.
  const double dauer = (f.anzahl - 1) * f.abstand;
  EXPECT_GE(gespielt.back().zeit, dauer - 250e-6 - 1e-9);
  EXPECT_LE(gespielt.back().zeit, dauer + 1e-9);
  double groesster = 0;
  for (const Gespielt& g : gespielt) {
    const double abweichung = std::fabs(g.wert - Zwischenwert(codes, f.abstand, g.zeit));
    groesster = std::max(groesster, abweichung);
    ASSERT_LE(abweichung, n.Toleranz + 1e-6) << "at " << g.zeit << " s";
  }
  EXPECT_NEAR(groesster, n.GroessterFehler, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Signale, CsvNaeherung,
    testing::Values(Signalfall{"SinusGenau", Sinus, 1e-3, 1001, 0.5, 1000},
                    Signalfall{"SinusEinCode", Sinus, 1e-3, 1001, 1.0, 1000},
                    Signalfall{"SinusFeinAbgetastet", Sinus, 50e-6, 4001, 1.0, 1000},
                    Signalfall{"SinusZehnCodes", Sinus, 2e-3, 501, 10.0, 1000},
                    Signalfall{"Rechteck", Rechteck, 1e-3, 201, 1.0, 1000},
                    Signalfall{"Rampe", Rampe, 250e-6, 2000, 1.0, 1000},
                    Signalfall{"RauschenGibtDieToleranz", VerrauschterSinus, 1e-3, 2001, 0.0,
                               1000}),
    [](const testing::TestParamInfo<Signalfall>& i) { return std::string(i.param.name); });

TEST_F(DateiTest, OneSampleIsOnePoint) {
  const auto pfad = dir.file("eins.csv");
  TextSchreiben(pfad, "0.5;5\n");
  std::vector<Kurvenpunkt> punkte;
  Csvbericht b;
  ASSERT_EQ(0, CsvImportieren(sitzung.Konfig.gKonfig, pfad, {}, 1.0, punkte, b));
  EXPECT_TRUE(Gleich({P(2048, 1, 9)}, punkte));
}

}  // namespace
}  // namespace dateitest
