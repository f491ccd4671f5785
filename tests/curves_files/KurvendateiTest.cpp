// Saving, opening and appending curve files on real files in a temporary folder.
#include <unistd.h>

#include <filesystem>

#include "Dateihilfen.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/Kurvenexport.h"
#include "curves/model/Allokation.h"
#include "curves/model/Rueckgaengig.h"

namespace dateitest {
namespace {

using namespace curves;

class KurvendateiTest : public DateiTest {};

TEST_F(KurvendateiTest, SavedFileHasEveryFieldAtItsOffset) {
  Beispielkurven();
  sitzung.Konfig.gKonfig.outskalamax[0] = 4.095;
  config::EinheitSetzen(sitzung.Konfig.gKonfig.outeinheit[0], "A");
  sitzung.gKurven.KurvenGeaendert = true;
  const auto pfad = dir.file("k.wur");

  ASSERT_EQ(0, KurvendateiSpeichern(sitzung, pfad));

  const auto b = Bytes(pfad);
  ASSERT_EQ(4472u + 12u * (3 + 1 + 5 + 2), b.size());
  EXPECT_EQ(0, std::memcmp(b.data(), "miv3xKurven Kurvendatei\0", 24));
  EXPECT_EQ(1, Le32(b, 32));
  EXPECT_EQ(4, Le32(b, 36));
  EXPECT_EQ(0, std::memcmp(&b[40], "first\nsecond line\0", 18));
  EXPECT_EQ(0, b[1040]);  // empty comment of curve 2
  EXPECT_EQ(std::string(999, 'x'), std::string(reinterpret_cast<const char*>(&b[2040]), 999));
  EXPECT_EQ(0, b[2040 + 999]);
  EXPECT_EQ(0, std::memcmp(&b[3040], "Kurve 4\0", 8));
  const int zyklen[] = {0, 1, 65535, 3}, ruhe[] = {0, 4095, 17, 2000}, anzahl[] = {3, 1, 5, 2};
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(zyklen[c], Le32(b, 4040 + 4 * c));
    EXPECT_EQ(ruhe[c], Le32(b, 4056 + 4 * c));
    EXPECT_EQ(anzahl[c], Le32(b, 4424 + 12 * c));
    EXPECT_EQ(0, Le32(b, 4424 + 12 * c + 8));
  }
  EXPECT_EQ(0, std::memcmp(&b[4072], &sitzung.Konfig.gKonfig, 352));
  // Curve 1's points from 4472: Y, Laenge, code in one byte.
  EXPECT_EQ(0, Le32(b, 4472));
  EXPECT_EQ(5, Le32(b, 4476));
  EXPECT_EQ(1, b[4480]);
  EXPECT_EQ(4095, Le32(b, 4484));
  EXPECT_EQ(9, b[4492]);
  EXPECT_EQ(65535, Le32(b, 4500));
  // Curve 2 follows curve 1 directly.
  EXPECT_EQ(100, Le32(b, 4472 + 36));
  // The last point of curve 4 ends the file.
  EXPECT_EQ(0, Le32(b, b.size() - 12));
  EXPECT_EQ(20, Le32(b, b.size() - 8));

  EXPECT_EQ("Curve generator - k.wur", FenstertitelText(sitzung));
  EXPECT_EQ(pfad, AktuellerDateiname(sitzung));
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
  // Nothing is left behind beside the file.
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.path()),
                             std::filesystem::directory_iterator()));
}

TEST_F(KurvendateiTest, OpeningASavedFileRestoresEverything) {
  Beispielkurven();
  const auto pfad = dir.file("rund.wur");
  ASSERT_EQ(0, KurvendateiSpeichern(sitzung, pfad));
  const auto gespeichert = Modellstand::Jetzt(sitzung);
  ASSERT_EQ(0, KurvenNeu(sitzung));
  RueckgaengigSichern(sitzung);  // the undo ring must survive the opening
  const int rueckgaengig = sitzung.gKurven.Historien[0].AnzahlRueckgaengig;
  sitzung.gKurven.Kurvenzahl = 2;
  sitzung.gKurven.KurvenGeaendert = true;

  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad));

  gespeichert.ErwarteUnveraendert(sitzung);
  EXPECT_TRUE(op.messages.empty());  // same configuration: no question
  EXPECT_EQ(4, sitzung.gKurven.Kurvenzahl);
  EXPECT_EQ(rueckgaengig, sitzung.gKurven.Historien[0].AnzahlRueckgaengig);
  EXPECT_EQ("Curve generator - rund.wur", FenstertitelText(sitzung));
  // Saving again gives the very same bytes.
  const auto wieder = dir.file("wieder.wur");
  ASSERT_EQ(0, KurvendateiSpeichern(sitzung, wieder));
  EXPECT_EQ(Bytes(pfad), Bytes(wieder));
}

TEST_F(KurvendateiTest, ConfigurationQuestionOnlyWhenTheStoredRecordDiffers) {
  const auto pfad = dir.file("konfig.wur");
  sitzung.Konfig.gKonfig.voutmax = 4.095;
  sitzung.Konfig.gKonfig.outskalamax[0] = 8.19;
  ASSERT_EQ(0, KurvendateiSpeichern(sitzung, pfad));
  const auto gespeichert = sitzung.Konfig.gKonfig;

  // "do not load" keeps the current record.
  sitzung.Konfig.gKonfig = config::KonfigurationStandard();
  op.answerMessage(2);
  Ladebericht bericht;
  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad, Konfigwahl::Fragen, &bericht));
  ASSERT_EQ(1u, op.messages.size());
  const auto& frage = op.messages[0];
  EXPECT_EQ("Load configuration?", frage.title);
  EXPECT_EQ(
      "The configuration (see 'Configuration' Window) of the loaded\ncurves differs from the "
      "current configuration values.\nWould you like to load the saved configuration, or would "
      "you like\nto keep the current configuration?",
      frage.text);
  EXPECT_EQ((std::vector<std::string>{"load", "do not load"}), frage.buttons);
  EXPECT_EQ(1, frage.activeButton);
  EXPECT_EQ(2, frage.escapeButton);
  EXPECT_TRUE(bericht.konfigurationVerschieden);
  EXPECT_FALSE(bericht.konfigurationGeladen);
  EXPECT_EQ(10.0, sitzung.Konfig.gKonfig.voutmax);

  // "load" takes the file's record.
  op.answerMessage(1);
  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad, Konfigwahl::Fragen, &bericht));
  EXPECT_TRUE(bericht.konfigurationGeladen);
  EXPECT_EQ(1, config::KonfigurationenVergleichen(gespeichert, sitzung.Konfig.gKonfig));

  // Now equal: no further question.
  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad));
  EXPECT_EQ(2u, op.messages.size());
}

TEST_F(KurvendateiTest, ChoiceGivenByTheCallerAsksNothing) {
  const auto pfad = dir.file("konfig.wur");
  sitzung.Konfig.gKonfig.vinmax = 5.0;
  ASSERT_EQ(0, KurvendateiSpeichern(sitzung, pfad));
  sitzung.Konfig.gKonfig = config::KonfigurationStandard();
  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad, Konfigwahl::NichtLaden));
  EXPECT_EQ(10.0, sitzung.Konfig.gKonfig.vinmax);
  ASSERT_EQ(0, KurvendateiAnhaengen(sitzung, pfad, Konfigwahl::Laden));
  EXPECT_EQ(5.0, sitzung.Konfig.gKonfig.vinmax);
  EXPECT_TRUE(op.messages.empty());
}

TEST_F(KurvendateiTest, AppendJoinsPointsAndKeepsCommentsCyclesAndIdleStates) {
  Beispielkurven();
  const auto pfad = dir.file("dazu.wur");
  ASSERT_EQ(0, KurvendateiSpeichern(sitzung, pfad));
  const auto datei = Modellstand::Jetzt(sitzung);
  ASSERT_EQ(0, KurvenNeu(sitzung));
  sitzung.gKurven.Kurven[0].Kommentar = "behalten";
  sitzung.gKurven.Zyklen[0] = 9;
  sitzung.gKurven.Ruhezustand[0] = 99;
  sitzung.gKurven.Kurven[1].Punkte = {P(7, 7, 7), P(8, 8, 8)};
  sitzung.gKurven.KurvenGeaendert = true;

  ASSERT_EQ(0, KurvendateiAnhaengen(sitzung, pfad));

  for (int c = 0; c < 4; ++c) {
    std::vector<Kurvenpunkt> erwartet =
        c == 1 ? std::vector<Kurvenpunkt>{P(7, 7, 7), P(8, 8, 8)} : std::vector{kStandardpunkt};
    erwartet.insert(erwartet.end(), datei.punkte[c].begin(), datei.punkte[c].end());
    EXPECT_TRUE(Gleich(erwartet, sitzung.gKurven.Kurven[c].Punkte)) << "curve " << c + 1;
  }
  EXPECT_EQ("behalten", sitzung.gKurven.Kurven[0].Kommentar);
  EXPECT_EQ("", sitzung.gKurven.Kurven[3].Kommentar);
  EXPECT_EQ(9, sitzung.gKurven.Zyklen[0]);
  EXPECT_EQ(99, sitzung.gKurven.Ruhezustand[0]);
  // The joined curves are in no file: they stay unsaved, even when nothing was changed
  // before.
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_EQ("Curve generator - dazu.wur", FenstertitelText(sitzung));
  sitzung.gKurven.KurvenGeaendert = false;
  ASSERT_EQ(0, KurvendateiAnhaengen(sitzung, pfad));
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
}

// ---- Refused files: a code, a cleared title, and every curve as it was ----

class VerweigerteDatei : public KurvendateiTest {
 protected:
  void SetUp() override {
    KurvendateiTest::SetUp();
    Beispielkurven();
    gueltig = dir.file("gut.wur");
    ASSERT_EQ(0, KurvendateiSpeichern(sitzung, gueltig));
    bytes = Bytes(gueltig);
    // The model the operator has now differs from the file.
    sitzung.gKurven.Kurven[0].Punkte = {P(1234, 42, 2)};
    sitzung.gKurven.Kurven[0].Kommentar = "jetzt";
    sitzung.gKurven.Zyklen[2] = 5;
    sitzung.gKurven.KurvenGeaendert = true;
    vorher = Modellstand::Jetzt(sitzung);
  }

  // Opening and appending both refuse the file with the code and change nothing.
  void ErwarteVerweigert(const std::vector<std::uint8_t>& inhalt, int code) {
    const auto pfad = dir.file("kaputt.wur");
    Schreiben(pfad, inhalt);
    Fenstertitel(sitzung, gueltig);
    EXPECT_EQ(code, KurvendateiLaden(sitzung, pfad));
    vorher.ErwarteUnveraendert(sitzung);
    EXPECT_EQ("Curve generator", FenstertitelText(sitzung));
    EXPECT_EQ("", AktuellerDateiname(sitzung));
    Fenstertitel(sitzung, gueltig);
    EXPECT_EQ(code, KurvendateiAnhaengen(sitzung, pfad));
    vorher.ErwarteUnveraendert(sitzung);
    EXPECT_EQ("Curve generator", FenstertitelText(sitzung));
    EXPECT_TRUE(op.messages.empty());
  }

  std::string gueltig;
  std::vector<std::uint8_t> bytes;
  Modellstand vorher;
};

TEST_F(VerweigerteDatei, MissingFile) {
  EXPECT_EQ(-308435, KurvendateiLaden(sitzung, dir.file("fehlt.wur")));
  EXPECT_EQ(-308435, KurvendateiAnhaengen(sitzung, dir.file("fehlt.wur")));
  vorher.ErwarteUnveraendert(sitzung);
}

TEST_F(VerweigerteDatei, AnotherMagicText) {
  auto b = bytes;
  std::memcpy(b.data(), "miv3xKurven Konfigdatei", 24);
  ErwarteVerweigert(b, -1020437);
  // The magic without its terminator inside the 32 bytes is no magic either.
  b = bytes;
  std::memset(b.data(), 'm', 32);
  ErwarteVerweigert(b, -1020437);
}

TEST_F(VerweigerteDatei, ShortHeader) {
  ErwarteVerweigert({bytes.begin(), bytes.begin() + 4000}, -304436);
  ErwarteVerweigert({bytes.begin(), bytes.begin() + 4471}, -304436);
}

TEST_F(VerweigerteDatei, Version2) {
  auto b = bytes;
  Le32Setzen(b, 32, 2);
  ErwarteVerweigert(b, -303438);
}

TEST_F(VerweigerteDatei, PointCountBelowOne) {
  for (int anzahl : {0, -1, INT32_MIN}) {
    auto b = bytes;
    Le32Setzen(b, 4424 + 12 * 1, anzahl);
    ErwarteVerweigert(b, -312463);
  }
}

TEST_F(VerweigerteDatei, PointCountBeyondTheFileIsRefusedWithoutAllocating) {
  // Eleven records follow the header; a count of 12 cannot be held by the file.
  for (int anzahl : {12, 1000000, INT32_MAX}) {
    auto b = bytes;
    Le32Setzen(b, 4424 + 12 * 3, anzahl);
    ErwarteVerweigert(b, -312463);
  }
}

TEST_F(VerweigerteDatei, PointValuesOutsideTheLimits) {
  // Curve 1 starts at 4472: Y at +0, Laenge at +4, Zeitbasis at +8; curve 3's first
  // point at 4472 + 4 * 12.
  struct Fall {
    std::size_t stelle;
    std::int32_t wert;
    bool byte;
  };
  const Fall faelle[] = {{4472, 4096, false},     {4472, -1, false},  {4476, 0, false},
                         {4476, 65536, false},    {4476, -7, false},  {4480, 0, true},
                         {4480, 10, true},        {4480, 0xF9, true}, {4472 + 48, 5000, false},
                         {4472 + 48 + 8, 0, true}};
  for (const Fall& f : faelle) {
    auto b = bytes;
    if (f.byte)
      b[f.stelle] = static_cast<std::uint8_t>(f.wert);
    else
      Le32Setzen(b, f.stelle, f.wert);
    SCOPED_TRACE(testing::Message() << "offset " << f.stelle << " value " << f.wert);
    ErwarteVerweigert(b, -312464);
  }
}

TEST_F(VerweigerteDatei, CyclesAndIdleStatesOutsideTheLimits) {
  // Zyklen at 4040 + 4c, Ruhezustand at 4056 + 4c: the device holds 16-bit cycles and raw
  // idle values up to 4095.
  const std::pair<std::size_t, std::int32_t> faelle[] = {{4056, 70000},  {4056 + 12, 4096},
                                                         {4056 + 4, -1}, {4040, 65536},
                                                         {4040 + 4, -1}, {4040 + 8, INT32_MAX}};
  for (const auto& [stelle, wert] : faelle) {
    auto b = bytes;
    Le32Setzen(b, stelle, wert);
    SCOPED_TRACE(testing::Message() << "offset " << stelle << " value " << wert);
    ErwarteVerweigert(b, -312467);
  }
  auto b = bytes;
  Le32Setzen(b, 4040 + 12, 65535);
  Le32Setzen(b, 4056 + 12, 4095);
  const auto pfad = dir.file("grenzen.wur");
  Schreiben(pfad, b);
  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad));
  EXPECT_EQ(65535, sitzung.gKurven.Zyklen[3]);
  EXPECT_EQ(4095, sitzung.gKurven.Ruhezustand[3]);
}

TEST_F(VerweigerteDatei, ValuesAtTheLimitsAreTaken) {
  auto b = bytes;
  Le32Setzen(b, 4472, 4095);
  Le32Setzen(b, 4476, 65535);
  b[4480] = 9;
  Le32Setzen(b, 4484, 0);
  Le32Setzen(b, 4488, 1);
  b[4492] = 1;
  const auto pfad = dir.file("grenzen.wur");
  Schreiben(pfad, b);
  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad));
  EXPECT_TRUE(
      Gleich({P(4095, 65535, 9), P(0, 1, 1), P(2047, 65535, 8)}, sitzung.gKurven.Kurven[0].Punkte));
}

TEST_F(VerweigerteDatei, CommentWithoutItsZeroIsTakenUpTo999Characters) {
  auto b = bytes;
  std::memset(&b[40], 'y', 1000);  // curve 1's whole field, no terminator
  const auto pfad = dir.file("kommentar.wur");
  Schreiben(pfad, b);
  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad));
  EXPECT_EQ(std::string(999, 'y'), sitzung.gKurven.Kurven[0].Kommentar);
  EXPECT_EQ("", sitzung.gKurven.Kurven[1].Kommentar);
  EXPECT_EQ(std::string(999, 'x'), sitzung.gKurven.Kurven[2].Kommentar);
}

TEST_F(VerweigerteDatei, AllocationFailureChangesNothing) {
  AllokationsfehlerAusloesen(1, 2);  // the third curve's array
  EXPECT_EQ(-600439, KurvendateiLaden(sitzung, gueltig));
  AllokationsfehlerAusloesen(0);
  vorher.ErwarteUnveraendert(sitzung);
  AllokationsfehlerAusloesen(1, 4);  // the first joined curve of the append
  EXPECT_EQ(-600439, KurvendateiAnhaengen(sitzung, gueltig));
  AllokationsfehlerAusloesen(0);
  vorher.ErwarteUnveraendert(sitzung);
}

// ---- Short point data ----

TEST_F(VerweigerteDatei, OpenTakesAShortFileAndNamesTheDamagedCurves) {
  // Cut inside curve 4's second point.
  const auto pfad = dir.file("kurz.wur");
  Schreiben(pfad, {bytes.begin(), bytes.end() - 6});
  sitzung.gKurven.Kurven[3].Kommentar = "vorher";
  sitzung.gKurven.Zyklen[3] = 44;
  sitzung.gKurven.Ruhezustand[3] = 55;
  Ladebericht bericht;
  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad, Konfigwahl::Fragen, &bericht));
  EXPECT_EQ(std::vector<int>{4}, bericht.beschaedigteKurven);
  ASSERT_EQ(1u, op.messages.size());
  EXPECT_EQ("Warning", op.messages[0].title);
  EXPECT_EQ(
      "The file is damaged: the point data of curve 4 is incomplete.\nIt was replaced by the "
      "default curve.",
      op.messages[0].text);
  EXPECT_TRUE(Gleich({kStandardpunkt}, sitzung.gKurven.Kurven[3].Punkte));
  EXPECT_TRUE(
      Gleich({P(0, 5, 1), P(4095, 3, 9), P(2047, 65535, 8)}, sitzung.gKurven.Kurven[0].Punkte));
  // Reading went on with the next curve: the damaged one keeps its comment and settings,
  // the others take the file's.
  EXPECT_EQ("vorher", sitzung.gKurven.Kurven[3].Kommentar);
  EXPECT_EQ(44, sitzung.gKurven.Zyklen[3]);
  EXPECT_EQ(55, sitzung.gKurven.Ruhezustand[3]);
  EXPECT_EQ("first\nsecond line", sitzung.gKurven.Kurven[0].Kommentar);
  EXPECT_EQ(65535, sitzung.gKurven.Zyklen[2]);
  EXPECT_EQ("Curve generator - kurz.wur", FenstertitelText(sitzung));
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
}

TEST_F(VerweigerteDatei, OpenNamesEveryCurveTheCutReaches) {
  // Cut inside curve 3's points: curves 3 and 4 get nothing.
  const auto pfad = dir.file("kurz.wur");
  Schreiben(pfad, {bytes.begin(), bytes.begin() + 4472 + 4 * 12 + 30});
  Ladebericht bericht;
  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad, Konfigwahl::Fragen, &bericht));
  EXPECT_EQ((std::vector<int>{3, 4}), bericht.beschaedigteKurven);
  EXPECT_EQ(
      "The file is damaged: the point data of curves 3 and 4 are incomplete.\nThey were replaced "
      "by the default curve.",
      op.lastMessageText());
  EXPECT_TRUE(Gleich({kStandardpunkt}, sitzung.gKurven.Kurven[2].Punkte));
  EXPECT_TRUE(Gleich({P(100, 1, 2)}, sitzung.gKurven.Kurven[1].Punkte));
}

TEST_F(VerweigerteDatei, AppendRefusesAShortFile) {
  const auto pfad = dir.file("kurz.wur");
  Schreiben(pfad, {bytes.begin(), bytes.end() - 6});
  EXPECT_EQ(-304462, KurvendateiAnhaengen(sitzung, pfad));
  vorher.ErwarteUnveraendert(sitzung);
  EXPECT_TRUE(op.messages.empty());
}

// ---- Saving never destroys the previous file ----

TEST_F(VerweigerteDatei, FailedHeaderWriteKeepsThePreviousFile) {
  sitzung.gKurven.Kurven[0].Punkte.assign(1000, P(5, 1, 1));
  {
    Schreibgrenze grenze(2000);
    EXPECT_EQ(-301433, KurvendateiSpeichern(sitzung, gueltig));
  }
  EXPECT_EQ(bytes, Bytes(gueltig));
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.path()),
                             std::filesystem::directory_iterator()));
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
}

TEST_F(VerweigerteDatei, FailedPointWriteKeepsThePreviousFile) {
  sitzung.gKurven.Kurven[0].Punkte.assign(10000, P(5, 1, 1));
  {
    Schreibgrenze grenze(50000);
    EXPECT_EQ(-301434, KurvendateiSpeichern(sitzung, gueltig));
  }
  EXPECT_EQ(bytes, Bytes(gueltig));
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.path()),
                             std::filesystem::directory_iterator()));
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
}

TEST_F(VerweigerteDatei, SavingIntoAMissingFolderFails) {
  const auto pfad = dir.file("fehlt/k.wur");
  Fenstertitel(sitzung, gueltig);
  EXPECT_EQ(-308432, KurvendateiSpeichern(sitzung, pfad));
  EXPECT_FALSE(std::filesystem::exists(pfad));
  EXPECT_EQ(gueltig, AktuellerDateiname(sitzung));
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
}

TEST_F(VerweigerteDatei, WriteProtectedFilesAreNotReplaced) {
  namespace fs = std::filesystem;
  const auto text = dir.file("alt.txt");
  TextSchreiben(text, "alt\n");
  const auto lesbar = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(gueltig, lesbar);
  fs::permissions(text, lesbar);
  // The folder itself is open to everyone, so only the files' own protection counts.
  fs::permissions(dir.path(), fs::perms::all);
  {
    // Root may write anything: the check is made as an ordinary user.
    const bool root = geteuid() == 0;
    if (root) {
      ASSERT_EQ(0, seteuid(65534));
    }
    const int speichern = KurvendateiSpeichern(sitzung, gueltig);
    const int exportieren = KurvendateiExportieren(sitzung, text);
    if (root) {
      ASSERT_EQ(0, seteuid(0));
    }
    EXPECT_EQ(-308432, speichern);
    EXPECT_EQ(-308441, exportieren);
  }
  EXPECT_EQ(bytes, Bytes(gueltig));
  EXPECT_EQ("alt\n", Text(text));
  EXPECT_EQ(2, std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()));
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
}

TEST_F(VerweigerteDatei, SavingOntoAFolderFailsAndKeepsTheFolder) {
  const auto pfad = dir.file("ordner.wur");
  std::filesystem::create_directory(pfad);
  TextSchreiben(pfad + "/darin", "x");
  EXPECT_EQ(-308432, KurvendateiSpeichern(sitzung, pfad));
  EXPECT_EQ("x", Text(pfad + "/darin"));
  EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(dir.path()),
                             std::filesystem::directory_iterator()));
}

TEST_F(VerweigerteDatei, ASuccessfulSaveReplacesThePreviousFile) {
  ASSERT_EQ(0, KurvendateiSpeichern(sitzung, gueltig));
  ASSERT_EQ(0, KurvenNeu(sitzung));
  ASSERT_EQ(0, KurvendateiLaden(sitzung, gueltig));
  vorher.geaendert = false;
  vorher.ErwarteUnveraendert(sitzung);
}

}  // namespace
}  // namespace dateitest
