// export, import and image on real files in a temporary folder: their results, and every
// refused input with its code and status, the files already there surviving.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>

#include "Dateihilfen.h"
#include "Programmlauf.h"
#include "config/Konfigdatei.h"
#include "config/Konfigsitzung.h"
#include "config/Konfiguration.h"
#include "curves/files/Kurvendatei.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

using testing::HasSubstr;

const std::string kDatenformat = "Data read from a File does not have the expected format";

std::string Bytes(std::initializer_list<int> werte) {
  std::string s;
  for (int w : werte) s += static_cast<char>(w);
  return s;
}

class Dateibefehle : public testing::Test {
 protected:
  testsupport::TempDir ordner;
};

// ---- image ----

TEST_F(Dateibefehle, ImageOfTheDefaultCurveIs34BytesFrom4096) {
  const std::string kurve = ordner.file("standard.wur");
  KurvendateiAnlegen(kurve, {P(0, 1, 4)});
  const std::string bin = ordner.file("bild.bin");
  const Lauf datei = Miv3x({"image", kurve, "--out", bin});
  ASSERT_EQ(0, datei.status) << datei.fehler;
  EXPECT_EQ("", datei.aus);
  EXPECT_EQ("", datei.fehler);
  // Checksum 0063h (bytes 4098..4129 add up to 98), last address 4129 = 1021h, the count
  // byte at 4122, and the one sample: nibble 3 (10 ms), value 0.
  std::string erwartet(34, '\0');
  erwartet[0] = 0x00;
  erwartet[1] = 0x63;
  erwartet[2] = 0x10;
  erwartet[3] = 0x21;
  erwartet[26] = 0x01;
  erwartet[32] = 0x30;
  EXPECT_EQ(erwartet, Inhalt(bin));

  const Lauf hex = Miv3x({"image", kurve});
  ASSERT_EQ(0, hex.status) << hex.fehler;
  EXPECT_EQ(
      "1000: 00 63 10 21 00 00 00 00 00 00 00 00 00 00 00 00\n"
      "1010: 00 00 00 00 00 00 00 00 00 00 01 00 00 00 00 00\n"
      "1020: 30 00\n",
      hex.aus);
}

TEST_F(Dateibefehle, ImageCarriesCyclesIdleStateAndTheRampSamples) {
  const std::string kurve = ordner.file("rampe.wur");
  // 0 -> 4095 in two 250 us units: samples 8000h and 8800h; 4095 itself is never sent.
  KurvendateiAnlegen(kurve, {P(0, 2, 9), P(4095, 1, 9)}, 3, 1000);
  const std::string bin = ordner.file("bild.bin");
  ASSERT_EQ(0, Miv3x({"image", kurve, "--out", bin}).status);
  const std::string bild = Inhalt(bin);
  ASSERT_EQ(38u, bild.size());
  EXPECT_EQ(Bytes({0x10, 0x25}), bild.substr(2, 2));   // last address 4133
  EXPECT_EQ(Bytes({0x00, 0x03}), bild.substr(10, 2));  // cycles of curve 1
  EXPECT_EQ(Bytes({0x03, 0xE8}), bild.substr(18, 2));  // idle state 1000
  EXPECT_EQ(Bytes({0x80, 0x00, 0x88, 0x00, 0x8F, 0xFF}), bild.substr(32));
}

TEST_F(Dateibefehle, ImageFillsTheMemoryExactlyAndOneUnitMoreIsRefused) {
  const std::string voll = ordner.file("voll.wur");
  KurvendateiAnlegen(voll, {P(0, 30000, 4), P(4095, 704, 4)});
  const std::string bin = ordner.file("voll.bin");
  ASSERT_EQ(0, Miv3x({"image", voll, "--out", bin}).status);
  EXPECT_EQ(61440u, Inhalt(bin).size());  // 4096 .. 65535

  const std::string zuLang = ordner.file("zulang.wur");
  KurvendateiAnlegen(zuLang, {P(0, 30000, 4), P(4095, 705, 4)});
  const std::string alt = ordner.file("alt.bin");
  Schreiben(alt, "earlier image");
  const Lauf lauf = Miv3x({"image", zuLang, "--out", alt});
  EXPECT_EQ(1, lauf.status);
  EXPECT_EQ("Error #1023465: Not enought memory in the MIV-3X.\n", lauf.fehler);
  EXPECT_EQ("earlier image", Inhalt(alt));
  const Lauf hex = Miv3x({"image", zuLang});
  EXPECT_EQ(1, hex.status);
  EXPECT_EQ("", hex.aus);
}

TEST_F(Dateibefehle, ImageIntoAMissingFolderFails) {
  const std::string kurve = ordner.file("k.wur");
  KurvendateiAnlegen(kurve, {P(0, 1, 4)});
  const Lauf lauf = Miv3x({"image", kurve, "--out", ordner.file("fehlt/bild.bin")});
  EXPECT_EQ(1, lauf.status);
  EXPECT_EQ("Error #308481: Error opening file\n", lauf.fehler);
}

// ---- export ----

TEST_F(Dateibefehle, ExportOfTheDefaultCurve) {
  const std::string kurve = ordner.file("k.wur");
  KurvendateiAnlegen(kurve, {P(0, 1, 4)});
  const std::string text = ordner.file("k.txt");
  const Lauf lauf = Miv3x({"export", kurve, text});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ("", lauf.fehler);
  EXPECT_EQ(
      "# Curves exported from MIV-3X_Curvegenerator\n"
      "# Column 1 = Time in secondsn\n"
      "# Column 2 = Y value in per cent\n"
      "# Column 3 = Timebase\n"
      "# Column 4 = Number of curve\n"
      "\n"
      "0.00000\t0.00\t10ms\t1\n"
      "# End of curve at 0.01000 s\n"
      "\n",
      Inhalt(text));
}

TEST_F(Dateibefehle, ExportThenImportGivesCurve1Back) {
  const std::string kurve = ordner.file("k.wur");
  // Every time base kind, and a value one code above zero.
  const std::vector<curves::Kurvenpunkt> punkte = {P(0, 5, 1),     P(819, 3, 9),  P(4095, 2, 8),
                                                   P(3276, 10, 3), P(2047, 7, 6), P(1, 1, 7)};
  KurvendateiAnlegen(kurve, punkte, 0, 0, {P(500, 9, 2), P(600, 4, 2)});
  const std::string text = ordner.file("k.txt");
  ASSERT_EQ(0, Miv3x({"export", kurve, text}).status);
  EXPECT_THAT(Inhalt(text), HasSubstr("\n0.00575\t100.00\t1s\t1\n"));
  EXPECT_THAT(Inhalt(text), HasSubstr("\n2.05575\t49.99\t100ms\t1\n"));
  EXPECT_THAT(Inhalt(text), testing::Not(HasSubstr("\t2\n")));  // only curve 1

  const std::string zurueck = ordner.file("zurueck.wur");
  const Lauf lauf = Miv3x({"import", text, zurueck});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ("", lauf.fehler);
  EXPECT_TRUE(Gleich(punkte, Kurvenpunkte(zurueck, 0))) << Text(Kurvenpunkte(zurueck, 0));
  // A new file: the other curves are the default curve.
  for (int c = 1; c < 4; ++c) EXPECT_TRUE(Gleich({P(0, 1, 4)}, Kurvenpunkte(zurueck, c)));

  // And out again: the same text.
  const std::string text2 = ordner.file("k2.txt");
  ASSERT_EQ(0, Miv3x({"export", zurueck, text2}).status);
  EXPECT_EQ(Inhalt(text), Inhalt(text2));
}

TEST_F(Dateibefehle, ExportIntoAMissingFolderFails) {
  const std::string kurve = ordner.file("k.wur");
  KurvendateiAnlegen(kurve, {P(0, 1, 4)});
  const Lauf lauf = Miv3x({"export", kurve, ordner.file("fehlt/k.txt")});
  EXPECT_EQ(1, lauf.status);
  EXPECT_EQ("Error #308441: Error opening file\n", lauf.fehler);
}

// ---- import ----

TEST_F(Dateibefehle, ImportOfTwoLines) {
  const std::string text = ordner.file("zwei.txt");
  Schreiben(text, "0\t0\t1ms\t1\n0.005\t50\t1ms\t1\n");
  const std::string kurve = ordner.file("zwei.wur");
  const Lauf lauf = Miv3x({"import", text, kurve});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2047, 1, 1)}, Kurvenpunkte(kurve, 0)))
      << Text(Kurvenpunkte(kurve, 0));
}

TEST_F(Dateibefehle, ImportCarriesTheStandardOrTheNamedConfiguration) {
  const std::string text = ordner.file("zwei.txt");
  Schreiben(text, "0\t0\t1ms\t1\n0.005\t50\t1ms\t1\n");
  config::Konfigsitzung konfig;  // the configuration file's record
  konfig.gKonfig.outskalamax[0] = 8.19;
  config::EinheitSetzen(konfig.gKonfig.outeinheit[0], "mA");
  const std::string wuo = ordner.file("k.wuo");
  ASSERT_EQ(0, config::KonfigdateiSpeichernNach(konfig, wuo));

  const auto konfigVon = [](const std::string& pfad) {
    auto inhalt = std::make_unique<curves::Kurvendateiinhalt>();
    EXPECT_EQ(0, curves::KurvendateiEinlesen(pfad, true, *inhalt));
    return inhalt->kopf.Konfig;
  };
  const std::string mit = ordner.file("mit.wur");
  ASSERT_EQ(0, Miv3x({"import", text, mit, "--config", wuo}).status);
  EXPECT_EQ(8.19, konfigVon(mit).outskalamax[0]);
  EXPECT_STREQ("mA", konfigVon(mit).outeinheit[0]);

  const std::string ohne = ordner.file("ohne.wur");
  ASSERT_EQ(0, Miv3x({"import", text, ohne}).status);
  EXPECT_EQ(1,
            config::KonfigurationenVergleichen(konfigVon(ohne), config::KonfigurationStandard()));

  // A file that is no configuration file: nothing is written.
  const std::string falsch = ordner.file("falsch.wur");
  const Lauf lauf = Miv3x({"import", text, falsch, "--config", mit});
  EXPECT_EQ(1, lauf.status);
  EXPECT_EQ("Error #1021265: File is not a WUN-2 Configurationfile.\n", lauf.fehler);
  EXPECT_FALSE(Existiert(falsch));
}

// No input that is not a regular file is read: a FIFO would hang the tool, /dev/zero
// would feed it for ever.
TEST_F(Dateibefehle, FifosAndDevicesAreRefusedAsInputs) {
  const std::string fifo = ordner.file("fifo");
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  const std::string text = ordner.file("zwei.txt");
  Schreiben(text, "0\t0\t1ms\t1\n");
  for (const std::string& quelle : {fifo, std::string("/dev/zero")}) {
    SCOPED_TRACE(quelle);
    const Lauf import = Miv3x({"import", quelle, ordner.file("a.wur")});
    EXPECT_EQ(1, import.status);
    EXPECT_EQ("Error #308445: Error opening file\n", import.fehler);
    const Lauf export_ = Miv3x({"export", quelle, ordner.file("a.txt")});
    EXPECT_EQ(1, export_.status);
    EXPECT_EQ("Error #308435: Error opening file\n", export_.fehler);
    const Lauf konfig = Miv3x({"import", text, ordner.file("b.wur"), "--config", quelle});
    EXPECT_EQ(1, konfig.status);
    EXPECT_EQ("Error #308263: Error opening file\n", konfig.fehler);
  }
  EXPECT_FALSE(Existiert(ordner.file("a.wur")));
  EXPECT_FALSE(Existiert(ordner.file("a.txt")));
  EXPECT_FALSE(Existiert(ordner.file("b.wur")));
}

struct Importfehler {
  std::string text;
  int nummer;
  std::string meldung;  // what the import shows, as miv3x prints it
};

TEST_F(Dateibefehle, RefusedImportsNameTheLineAndLeaveTheCurveFileAsItWas) {
  const std::string kurve = ordner.file("bestehend.wur");
  KurvendateiAnlegen(kurve, {P(100, 3, 4), P(200, 4, 5)});
  const std::string vorher = Inhalt(kurve);
  const std::vector<Importfehler> faelle = {
      {"0\t0\t1ms\n", 312447, "Error in line 1:\n  Wrong or to less values."},
      {"# head\n0\t0\t1ms\t1\n0.001\t10\t1ms\t2\n", 312448,
       "Error in line 3:\n  curve number 2 not allowed."},
      {"0\t0\t3ms\t1\n", 312451, "Error in line 1:\n  Unknown timebase '3ms'."},
      {"0\t101\t1ms\t1\n", 312452, "Error in line 1:"},
      {"0\t-0.5\t1ms\t1\n", 312452, "Error in line 1:"},
      {"0.1\t0\t1ms\t1\n", 312453, "Error in line 1:\n  Curve has to start with time=0."},
      {"0\t0\t1ms\t1\n0\t5\t1ms\t1\n", 312454, "Error in line 2:\n  Time sequenz not continously."},
      {"0\t0\t1ms\t1\n65.536\t5\t1ms\t1\n", 312455,
       "Error in line 2:\n  Part of curve ist to long\n  (has to be smaler then 65536 timebase "
       "units)."},
      {"\n0\t0\t5ms\t1\n0.0025\t10\t5ms\t1\n", 312456,
       "Error in line 3:\n  Difference in time of 0.003 Seconds does not fit\n  into timebase "
       "5ms."},
      {"# nothing but comments\n\n   \n", 312458, "Curve data not found."},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.text);
    const std::string text = ordner.file("fehler.txt");
    Schreiben(text, fall.text);
    const Lauf lauf = Miv3x({"import", text, kurve});
    EXPECT_EQ(1, lauf.status);
    EXPECT_THAT(lauf.fehler, HasSubstr("Error while importing: " + fall.meldung));
    EXPECT_THAT(lauf.fehler,
                HasSubstr("Error #" + std::to_string(fall.nummer) + ": " + kDatenformat + "\n"));
    EXPECT_EQ(vorher, Inhalt(kurve));
  }
  const Lauf fehlt = Miv3x({"import", ordner.file("fehlt.txt"), kurve});
  EXPECT_EQ(1, fehlt.status);
  EXPECT_EQ("Error #308445: Error opening file\n", fehlt.fehler);
  EXPECT_EQ(vorher, Inhalt(kurve));
}

// ---- damaged curve files ----

struct Schaden {
  std::string name;
  std::string (*anwenden)(std::string);
  std::string zeile;
};

TEST_F(Dateibefehle, DamagedCurveFilesAreRefusedByExportAndImage) {
  const std::string gut = ordner.file("gut.wur");
  KurvendateiAnlegen(gut, {P(100, 3, 4), P(200, 4, 5)});
  const std::string original = Inhalt(gut);
  const std::vector<Schaden> faelle = {
      {"other magic", [](std::string s) { return s.replace(0, 5, "MIV3X"); },
       "Error #1020437: File is not a MIV-3X Curvefile."},
      {"4000 bytes", [](std::string s) { return s.substr(0, 4000); },
       "Error #304436: Error reading from file"},
      {"version 2", [](std::string s) { return s.replace(32, 1, "\x02"); },
       "Error #303438: Wrong fileversion"},
      // The last curve's points cut off: refused, not sent with a default curve instead.
      {"points cut short", [](std::string s) { return s.substr(0, s.size() - 12); },
       "Error #304462: Error reading from file"},
      {"count beyond the file",
       [](std::string s) {
         return s.replace(4424, 2, Bytes({0xE8, 0x03}));
       },
       "Error #312463: " + kDatenformat},
      {"count 0", [](std::string s) { return s.replace(4424, 1, Bytes({0})); },
       "Error #312463: " + kDatenformat},
      {"value beyond 4095",
       [](std::string s) {
         return s.replace(4472, 2, Bytes({0x00, 0x10}));
       },
       "Error #312464: " + kDatenformat},
      {"time base 12", [](std::string s) { return s.replace(4472 + 8, 1, "\x0c"); },
       "Error #312464: " + kDatenformat},
  };
  const std::string text = ordner.file("alt.txt");
  const std::string bin = ordner.file("alt.bin");
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const std::string kaputt = ordner.file("kaputt.wur");
    Schreiben(kaputt, fall.anwenden(original));
    Schreiben(text, "earlier text");
    Schreiben(bin, "earlier image");
    for (const auto& argumente : std::vector<std::vector<std::string>>{
             {"export", kaputt, text}, {"image", kaputt, "--out", bin}, {"image", kaputt}}) {
      SCOPED_TRACE(argumente[0]);
      const Lauf lauf = Miv3x(argumente);
      EXPECT_EQ(1, lauf.status);
      EXPECT_EQ(fall.zeile + "\n", lauf.fehler);
      EXPECT_EQ("", lauf.aus);
    }
    EXPECT_EQ("earlier text", Inhalt(text));
    EXPECT_EQ("earlier image", Inhalt(bin));
  }
  const Lauf fehlt = Miv3x({"export", ordner.file("fehlt.wur"), text});
  EXPECT_EQ(1, fehlt.status);
  EXPECT_EQ("Error #308435: Error opening file\n", fehlt.fehler);
}

}  // namespace
}  // namespace clitest
