#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "characteristic/files/KennlDateiMenue.h"
#include "characteristic/files/Kennliniendatei.h"
#include "characteristic/files/Kennliniendateikopf.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "support/Dateibytes.h"
#include "support/KennlFixture.h"
#include "support/TempDir.h"

namespace {

using namespace characteristic;
using testsupport::Bytes;
using testsupport::Le32;
using testsupport::LeDouble;

class KennliniendateiTest : public testsupport::KennlFixture {
 protected:
  void Beispiel() {
    Setze({{0, 1000}, {4095, 95}, {2000, 3000}, {17, 1}});
    sitzung.gKennl.Kennl.Punkte[1].Reserve = 3;
    sitzung.gKennl.Kennl.Kommentar = "erste\nzweite Zeile";
    sitzung.gKennl.Felder.Ausgang2 = 2.5;
    sitzung.gKennl.Felder.Anstiegszeit = 123.456;
    sitzung.gKennl.KennlinieGeaendert = true;
  }
  // A valid file of the example, as bytes.
  std::vector<std::uint8_t> BeispielDatei() {
    Beispiel();
    EXPECT_EQ(KennlDateiSpeichern(sitzung, dir.file("b.wue")), 0);
    return Bytes(dir.file("b.wue"));
  }
  testsupport::TempDir dir;
};

TEST_F(KennliniendateiTest, SavedFileHasEveryFieldAtItsOffset) {
  const auto b = BeispielDatei();
  ASSERT_EQ(b.size(), 1424u + 4 * 12);
  EXPECT_STREQ(reinterpret_cast<const char*>(b.data()), "wun2 Kennlinien Datei");
  EXPECT_EQ(Le32(b, 32), 2);
  EXPECT_STREQ(reinterpret_cast<const char*>(b.data() + 36), "erste\nzweite Zeile");
  EXPECT_EQ(0, std::memcmp(b.data() + 1040, &sitzung.Konfig.gKonfig, 352));
  EXPECT_EQ(Le32(b, 1392), 4);
  // 2.5 in the second input's unit (0..10 V): raw 1023.75, not rounded.
  EXPECT_DOUBLE_EQ(LeDouble(b, 1400), 1023.75);
  EXPECT_EQ(LeDouble(b, 1408), 123.456);
  EXPECT_EQ(Le32(b, 1416), 0);
  EXPECT_EQ(Le32(b, 1424), 0);
  EXPECT_EQ(Le32(b, 1428), 1000);
  EXPECT_EQ(Le32(b, 1436), 4095);
  EXPECT_EQ(b[1444], 3);
  EXPECT_EQ(Le32(b, 1424 + 3 * 12 + 4), 1);
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
  EXPECT_EQ(KennlFenstertitelText(sitzung), "Characteristic controller - b.wue");
}

TEST_F(KennliniendateiTest, LoadRestoresEverythingExactly) {
  BeispielDatei();
  RueckgaengigSichern(sitzung);
  const int undo = sitzung.gKennl.Historien.AnzahlRueckgaengig;
  ASSERT_EQ(KennlinieNeu(sitzung), 0);
  sitzung.gKennl.KennlinieGeaendert = true;
  ASSERT_EQ(KennlDateiLaden(sitzung, dir.file("b.wue")), 0);
  EXPECT_EQ(Punkte(),
            (std::vector<std::pair<int, int>>{{0, 1000}, {4095, 95}, {2000, 3000}, {17, 1}}));
  EXPECT_EQ(sitzung.gKennl.Kennl.Punkte[1].Reserve, 3);
  EXPECT_EQ(sitzung.gKennl.Kennl.Kommentar, "erste\nzweite Zeile");
  EXPECT_DOUBLE_EQ(sitzung.gKennl.Felder.Ausgang2, 2.5);
  EXPECT_EQ(sitzung.gKennl.Felder.Anstiegszeit, 123.456);
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, undo);
  EXPECT_TRUE(op.messages.empty());
  EXPECT_EQ(KennlFenstertitelText(sitzung), "Characteristic controller - b.wue");
}

TEST_F(KennliniendateiTest, OutputTwoSurvivesAnyScalingOfTheSecondInput) {
  auto& k = sitzung.Konfig.gKonfig;
  k.inskalamin[1] = -3.0;
  k.inskalamax[1] = 77.7;
  sitzung.gKennl.Felder.Ausgang2 = 12.345678;
  ASSERT_EQ(KennlDateiSpeichern(sitzung, dir.file("s.wue")), 0);
  sitzung.gKennl.Felder.Ausgang2 = 0;
  ASSERT_EQ(KennlDateiLaden(sitzung, dir.file("s.wue")), 0);
  EXPECT_NEAR(sitzung.gKennl.Felder.Ausgang2, 12.345678, 1e-9);
}

TEST_F(KennliniendateiTest, DifferingConfigurationAsksAndLoadsOnLoad) {
  BeispielDatei();
  sitzung.Konfig.gKonfig.voutmax = 5.0;
  op.answerMessage(1);
  ASSERT_EQ(KennlDateiLaden(sitzung, dir.file("b.wue")), 0);
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].title, "Load configuration?");
  EXPECT_NE(op.messages[0].text.find("characteristic curve differs"), std::string::npos);
  EXPECT_EQ(op.messages[0].buttons, (std::vector<std::string>{"load", "do not load"}));
  EXPECT_EQ(sitzung.Konfig.gKonfig.voutmax, 10.0);

  sitzung.Konfig.gKonfig.voutmax = 5.0;
  op.answerMessage(2);
  ASSERT_EQ(KennlDateiLaden(sitzung, dir.file("b.wue")), 0);
  EXPECT_EQ(sitzung.Konfig.gKonfig.voutmax, 5.0);
}

// ---- Refused and damaged files ----

struct Beschaedigung {
  const char* name;
  void (*aendern)(std::vector<std::uint8_t>&);
  int code;
};

class VerweigerteDatei : public KennliniendateiTest,
                         public ::testing::WithParamInterface<Beschaedigung> {};

TEST_P(VerweigerteDatei, IsRefusedAndChangesNothing) {
  auto b = BeispielDatei();
  GetParam().aendern(b);
  testsupport::BytesSchreiben(dir.file("x.wue"), b);
  Setze({{5, 7}});
  sitzung.gKennl.Kennl.Kommentar = "bleibt";
  sitzung.gKennl.Felder.Anstiegszeit = 9.0;
  KennlFenstertitel(sitzung, dir.file("alt.wue"));
  EXPECT_EQ(KennlDateiLaden(sitzung, dir.file("x.wue")), GetParam().code);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{5, 7}}));
  EXPECT_EQ(sitzung.gKennl.Kennl.Kommentar, "bleibt");
  EXPECT_EQ(sitzung.gKennl.Felder.Anstiegszeit, 9.0);
  EXPECT_EQ(KennlDateiname(sitzung), "");
  EXPECT_TRUE(op.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Dateifehler, VerweigerteDatei,
    ::testing::Values(
        Beschaedigung{"KopfKurz", [](auto& b) { b.resize(1423); }, -304519},
        Beschaedigung{"Kennung", [](auto& b) { b[0] = 'W'; }, -1025520},
        Beschaedigung{"KennungOhneNull", [](auto& b) { std::memset(b.data(), 'w', 32); }, -1025520},
        Beschaedigung{"Version", [](auto& b) { testsupport::Le32Setzen(b, 32, 1); }, -303521},
        Beschaedigung{"AnzahlNull", [](auto& b) { testsupport::Le32Setzen(b, 1392, 0); }, -312545},
        Beschaedigung{"AnzahlNegativ", [](auto& b) { testsupport::Le32Setzen(b, 1392, -70000); },
                      -312545},
        Beschaedigung{"YZuGross", [](auto& b) { testsupport::Le32Setzen(b, 1424 + 12, 4096); },
                      -312546},
        Beschaedigung{"YNegativ", [](auto& b) { testsupport::Le32Setzen(b, 1424, -1); }, -312546},
        Beschaedigung{"LaengeNegativ", [](auto& b) { testsupport::Le32Setzen(b, 1424 + 4, -1); },
                      -312546},
        // 1000 + 95 + 3001 puts the last point at X 4096.
        Beschaedigung{"PunktJenseits4095",
                      [](auto& b) { testsupport::Le32Setzen(b, 1424 + 2 * 12 + 4, 3001); },
                      -312546}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KennliniendateiTest, PointsUpToX4095AreTaken) {
  auto b = BeispielDatei();
  testsupport::Le32Setzen(b, 1424 + 2 * 12 + 4, 3000);   // last point at exactly 4095
  testsupport::Le32Setzen(b, 1424 + 3 * 12 + 4, 70000);  // its own length is not an X
  testsupport::BytesSchreiben(dir.file("x.wue"), b);
  EXPECT_EQ(KennlDateiLaden(sitzung, dir.file("x.wue")), 0);
  EXPECT_EQ(KennlPunktX(sitzung, 3), 4095.0);
}

TEST_F(KennliniendateiTest, MissingFileIsRefused) {
  EXPECT_EQ(KennlDateiLaden(sitzung, dir.file("fehlt.wue")), -308518);
}

TEST_F(KennliniendateiTest, HeaderOnlyFileLoadsTheDefaultPointWithAWarning) {
  auto b = BeispielDatei();
  b.resize(1424);
  testsupport::Le32Setzen(b, 1392, 3);
  testsupport::BytesSchreiben(dir.file("kurz.wue"), b);
  Setze({{5, 7}, {6, 1}});
  sitzung.gKennl.KennlinieGeaendert = true;
  EXPECT_EQ(KennlDateiLaden(sitzung, dir.file("kurz.wue")), 0);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{4095, 0}}));
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
  EXPECT_EQ(op.lastMessageTitle(), "Warning");
  EXPECT_NE(op.lastMessageText().find("damaged"), std::string::npos);
  EXPECT_EQ(sitzung.gKennl.Kennl.Kommentar, "erste\nzweite Zeile");
}

TEST_F(KennliniendateiTest, HugeCountInAShortFileAllocatesNothing) {
  auto b = BeispielDatei();
  testsupport::Le32Setzen(b, 1392, 0x7fffffff);
  testsupport::BytesSchreiben(dir.file("gross.wue"), b);
  EXPECT_EQ(KennlDateiLaden(sitzung, dir.file("gross.wue")), 0);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{4095, 0}}));
}

TEST_F(KennliniendateiTest, CommentWithoutItsZeroIsCutAt999Characters) {
  auto b = BeispielDatei();
  std::memset(b.data() + 36, 'k', 1000);
  testsupport::BytesSchreiben(dir.file("k.wue"), b);
  ASSERT_EQ(KennlDateiLaden(sitzung, dir.file("k.wue")), 0);
  EXPECT_EQ(sitzung.gKennl.Kennl.Kommentar, std::string(999, 'k'));
}

TEST_F(KennliniendateiTest, AllocationFailureChangesNothing) {
  BeispielDatei();
  Setze({{5, 7}});
  KennlAllokationsHaken().Ausloesen(1);
  EXPECT_EQ(KennlDateiLaden(sitzung, dir.file("b.wue")), -600522);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{5, 7}}));
}

TEST_F(KennliniendateiTest, NoMemoryForTheDefaultPointOrTheCommentChangesNothing) {
  auto b = BeispielDatei();
  b.resize(1424);
  testsupport::BytesSchreiben(dir.file("kurz.wue"), b);
  Setze({{5, 7}});
  KennlAllokationsHaken().Ausloesen(1);
  EXPECT_EQ(KennlDateiLaden(sitzung, dir.file("kurz.wue")), -600523);
  KennlAllokationsHaken().Ausloesen(1, 1);  // the points succeed, the comment does not
  EXPECT_EQ(KennlDateiLaden(sitzung, dir.file("b.wue")), -600522);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{5, 7}}));
  EXPECT_TRUE(op.messages.empty());
}

// ---- Saving never destroys the previous file ----

TEST_F(KennliniendateiTest, FailedWritesKeepThePreviousFile) {
  const auto alt = BeispielDatei();
  Setze(std::vector<std::pair<int, int>>(1000, {1, 1}));
  {
    testsupport::Schreibgrenze grenze(2000);
    EXPECT_EQ(KennlDateiSpeichern(sitzung, dir.file("b.wue")), -301517);
  }
  EXPECT_EQ(Bytes(dir.file("b.wue")), alt);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  EXPECT_EQ(KennlDateiSpeichern(sitzung, dir.file("fehlt/x.wue")), -308515);
}

// ---- Commands with dialogs ----

TEST_F(KennliniendateiTest, SaveAsksForANameOnlyWithoutOne) {
  Beispiel();
  EXPECT_EQ(KennlinieSpeichern(sitzung, 0), 0);  // cancelled
  ASSERT_EQ(op.fileRequests.size(), 1u);
  EXPECT_EQ(op.fileRequests[0].title, "Save characteristic curve");
  EXPECT_EQ(op.fileRequests[0].pattern, "*.wue");
  EXPECT_TRUE(sitzung.gKennl.KennlinieGeaendert);
  op.answerFile(dir.file("m.wue"));
  EXPECT_EQ(KennlinieSpeichern(sitzung, 0), 0);
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
  EXPECT_EQ(KennlinieSpeichern(sitzung, 0), 0);
  EXPECT_EQ(op.fileRequests.size(), 2u);
  EXPECT_EQ(KennlinieSpeichern(sitzung, 1), 0);
  EXPECT_EQ(op.fileRequests.size(), 3u);
}

TEST_F(KennliniendateiTest, UnsavedQuestionNamesTheFileAndSavesOnYes) {
  sitzung.gKennl.KennlinieGeaendert = true;
  op.answerMessage(3);
  EXPECT_EQ(AbbruchWeilKennlinieNichtGespeichert(sitzung), 1);
  EXPECT_EQ(op.lastMessageText(), "Would you like to save changes to Characteristic controller ?");
  op.answerMessage(2);
  EXPECT_EQ(AbbruchWeilKennlinieNichtGespeichert(sitzung), 0);
  op.answerMessage(1);  // Yes, then the save dialog is cancelled: still unsaved
  EXPECT_EQ(AbbruchWeilKennlinieNichtGespeichert(sitzung), 1);
  op.answerMessage(1);
  op.answerFile(dir.file("j.wue"));
  EXPECT_EQ(AbbruchWeilKennlinieNichtGespeichert(sitzung), 0);
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
}

TEST_F(KennliniendateiTest, LoadAsksFirstAndACancelChangesNothing) {
  BeispielDatei();
  Setze({{5, 7}});
  sitzung.gKennl.KennlinieGeaendert = true;
  op.answerMessage(3);
  EXPECT_EQ(KennlinieLaden(sitzung), 0);
  EXPECT_TRUE(op.fileRequests.empty());
  op.answerMessage(2);
  op.answerFile(dir.file("b.wue"));
  EXPECT_EQ(KennlinieLaden(sitzung), 0);
  EXPECT_EQ(op.fileRequests.back().title, "Load characteristic curve");
  EXPECT_EQ(Punkte().size(), 4u);
}

}  // namespace
