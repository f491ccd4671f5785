// The file commands as the window calls them: file dialogs and the unsaved-changes
// question, answered by a scripted operator.
#include <filesystem>

#include "Dateihilfen.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/KurvendateiMenue.h"

namespace dateitest {
namespace {

using namespace curves;
using Mode = common::FileRequest::Mode;

class MenueTest : public DateiTest {};

void ErwarteDialog(const common::FileRequest& r, const char* titel, const char* muster, Mode modus,
                   bool nurEndung, const char* knopf) {
  EXPECT_EQ(titel, r.title);
  EXPECT_EQ(muster, r.pattern);
  EXPECT_EQ(modus, r.mode);
  EXPECT_EQ(nurEndung, r.forceExtension);
  EXPECT_EQ(knopf, r.confirmButton);
}

TEST_F(MenueTest, EveryCommandAsksWithItsDialogAndCancelChangesNothing) {
  sitzung.gKurven.Kurven[0].Punkte = {P(1, 2, 3)};
  const auto vorher = Modellstand::Jetzt(sitzung);
  EXPECT_EQ(0, KurvenSpeichern(sitzung, 1));
  EXPECT_EQ(0, KurvenLaden(sitzung));
  EXPECT_EQ(0, KurvenAnhaengen(sitzung));
  EXPECT_EQ(0, KurvenExportieren(sitzung));
  EXPECT_EQ(0, KurvenImportieren(sitzung));
  ASSERT_EQ(5u, op.fileRequests.size());
  ErwarteDialog(op.fileRequests[0], "Save curve", "*.wur", Mode::Save, true, "Save");
  ErwarteDialog(op.fileRequests[1], "Load curve", "*.wur", Mode::Load, true, "Load");
  ErwarteDialog(op.fileRequests[2], "Append curves", "*.wur", Mode::Load, true, "Load");
  ErwarteDialog(op.fileRequests[3], "Export curves", "*.txt;*.pwl", Mode::Save, false, "Save");
  ErwarteDialog(op.fileRequests[4], "Import curves", "*.txt;*.pwl", Mode::Load, false, "Load");
  vorher.ErwarteUnveraendert(sitzung);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(MenueTest, SaveAsksOnlyWithoutACurrentFileOrWhenTold) {
  const auto pfad = dir.file("k.wur");
  op.answerFile(pfad);
  ASSERT_EQ(0, KurvenSpeichern(sitzung, 0));
  EXPECT_EQ(1u, op.fileRequests.size());
  EXPECT_EQ(pfad, AktuellerDateiname(sitzung));
  sitzung.gKurven.Kurven[0].Punkte = {P(9, 9, 9)};
  ASSERT_EQ(0, KurvenSpeichern(sitzung, 0));  // "Save curves": same file, no dialog
  EXPECT_EQ(1u, op.fileRequests.size());
  const auto anders = dir.file("anders.wur");
  op.answerFile(anders);
  ASSERT_EQ(0, KurvenSpeichern(sitzung, 1));  // "Save curves as"
  EXPECT_EQ(2u, op.fileRequests.size());
  EXPECT_EQ(Bytes(pfad), Bytes(anders));
  EXPECT_EQ("Curve generator - anders.wur", FenstertitelText(sitzung));
}

TEST_F(MenueTest, OpenAppendExportImportUseTheChosenFile) {
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 5, 1), P(2047, 1, 1)};
  const auto wur = dir.file("k.wur"), txt = dir.file("k.txt");
  op.answerFile(wur);
  ASSERT_EQ(0, KurvenSpeichern(sitzung, 1));
  op.answerFile(txt);
  ASSERT_EQ(0, KurvenExportieren(sitzung));
  ASSERT_EQ(0, KurvenNeu(sitzung));
  op.answerFile(wur);
  ASSERT_EQ(0, KurvenLaden(sitzung));
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2047, 1, 1)}, sitzung.gKurven.Kurven[0].Punkte));
  op.answerFile(wur);
  ASSERT_EQ(0, KurvenAnhaengen(sitzung));
  EXPECT_EQ(4u, sitzung.gKurven.Kurven[0].Punkte.size());
  // Opening over the appended curves asks first; Cancel keeps them.
  op.answerMessage(3);
  EXPECT_EQ(0, KurvenLaden(sitzung));
  EXPECT_EQ("Would you like to save changes to k.wur ?", op.lastMessageText());
  EXPECT_EQ(4u, sitzung.gKurven.Kurven[0].Punkte.size());
  op.answerFile(txt);
  ASSERT_EQ(0, KurvenImportieren(sitzung));
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2047, 1, 1)}, sitzung.gKurven.Kurven[0].Punkte));
  op.answerMessage(2);  // the import changed the curves: do not save them
  op.answerFile(dir.file("fehlt.wur"));
  EXPECT_EQ(-308435, KurvenLaden(sitzung));
}

// ---- Unsaved-changes question ----

TEST_F(MenueTest, NoQuestionWithoutChanges) {
  EXPECT_EQ(0, AbbruchWeilKurvenNichtGespeichert(sitzung));
  EXPECT_TRUE(op.messages.empty());
}

TEST_F(MenueTest, QuestionNamesTheFileAndOffersThreeButtons) {
  sitzung.gKurven.KurvenGeaendert = true;
  op.answerMessage(2);
  EXPECT_EQ(0, AbbruchWeilKurvenNichtGespeichert(sitzung));
  ASSERT_EQ(1u, op.messages.size());
  const auto& frage = op.messages[0];
  EXPECT_EQ("Warning", frage.title);
  EXPECT_EQ("Would you like to save changes to Curve generator ?", frage.text);
  EXPECT_EQ((std::vector<std::string>{"Yes", "No", "Cancel"}), frage.buttons);
  EXPECT_EQ(3, frage.activeButton);
  EXPECT_EQ(3, frage.escapeButton);

  Fenstertitel(sitzung, dir.file("name.wur"));
  op.answerMessage(3);
  EXPECT_EQ(1, AbbruchWeilKurvenNichtGespeichert(sitzung));
  EXPECT_EQ("Would you like to save changes to name.wur ?", op.lastMessageText());
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_FALSE(std::filesystem::exists(dir.file("name.wur")));
}

TEST_F(MenueTest, YesSavesToTheCurrentFile) {
  const auto pfad = dir.file("name.wur");
  Fenstertitel(sitzung, pfad);
  sitzung.gKurven.Kurven[1].Punkte = {P(5, 6, 7)};
  sitzung.gKurven.KurvenGeaendert = true;
  op.answerMessage(1);
  EXPECT_EQ(0, AbbruchWeilKurvenNichtGespeichert(sitzung));
  EXPECT_TRUE(op.fileRequests.empty());
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
  ASSERT_EQ(0, KurvenNeu(sitzung));
  ASSERT_EQ(0, KurvendateiLaden(sitzung, pfad));
  EXPECT_TRUE(Gleich({P(5, 6, 7)}, sitzung.gKurven.Kurven[1].Punkte));
}

TEST_F(MenueTest, YesWithoutAFileButCancelledDialogStops) {
  sitzung.gKurven.KurvenGeaendert = true;
  op.answerMessage(1);
  EXPECT_EQ(1, AbbruchWeilKurvenNichtGespeichert(sitzung));
  EXPECT_EQ(1u, op.fileRequests.size());
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
}

TEST_F(MenueTest, YesWithAFailingSaveShowsTheErrorAndStops) {
  Fenstertitel(sitzung, dir.file("fehlt/name.wur"));
  sitzung.gKurven.KurvenGeaendert = true;
  op.answerMessage(1);
  EXPECT_EQ(1, AbbruchWeilKurvenNichtGespeichert(sitzung));
  ASSERT_EQ(2u, op.messages.size());
  EXPECT_EQ("Error #308432", op.messages[1].title);
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
}

TEST_F(MenueTest, OpenAsksFirstAndCancelKeepsTheCurves) {
  sitzung.gKurven.Kurven[0].Punkte = {P(1, 1, 1)};
  sitzung.gKurven.KurvenGeaendert = true;
  const auto vorher = Modellstand::Jetzt(sitzung);
  op.answerMessage(3);
  EXPECT_EQ(0, KurvenLaden(sitzung));
  EXPECT_TRUE(op.fileRequests.empty());
  vorher.ErwarteUnveraendert(sitzung);
}

}  // namespace
}  // namespace dateitest
