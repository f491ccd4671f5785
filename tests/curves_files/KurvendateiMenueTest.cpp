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
  gKurven.Kurven[0].Punkte = {P(1, 2, 3)};
  const auto vorher = Modellstand::Jetzt();
  EXPECT_EQ(0, KurvenSpeichern(1));
  EXPECT_EQ(0, KurvenLaden());
  EXPECT_EQ(0, KurvenAnhaengen());
  EXPECT_EQ(0, KurvenExportieren());
  EXPECT_EQ(0, KurvenImportieren());
  ASSERT_EQ(5u, op.fileRequests.size());
  ErwarteDialog(op.fileRequests[0], "Save curve", "*.wur", Mode::Save, true, "Save");
  ErwarteDialog(op.fileRequests[1], "Load curve", "*.wur", Mode::Load, true, "Load");
  ErwarteDialog(op.fileRequests[2], "Append curves", "*.wur", Mode::Load, true, "Load");
  ErwarteDialog(op.fileRequests[3], "Export curves", "*.txt", Mode::Save, false, "Save");
  ErwarteDialog(op.fileRequests[4], "Import curves", "*.txt", Mode::Load, false, "Load");
  vorher.ErwarteUnveraendert();
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(MenueTest, SaveAsksOnlyWithoutACurrentFileOrWhenTold) {
  const auto pfad = dir.file("k.wur");
  op.answerFile(pfad);
  ASSERT_EQ(0, KurvenSpeichern(0));
  EXPECT_EQ(1u, op.fileRequests.size());
  EXPECT_EQ(pfad, AktuellerDateiname());
  gKurven.Kurven[0].Punkte = {P(9, 9, 9)};
  ASSERT_EQ(0, KurvenSpeichern(0));  // "Save curves": same file, no dialog
  EXPECT_EQ(1u, op.fileRequests.size());
  const auto anders = dir.file("anders.wur");
  op.answerFile(anders);
  ASSERT_EQ(0, KurvenSpeichern(1));  // "Save curves as"
  EXPECT_EQ(2u, op.fileRequests.size());
  EXPECT_EQ(Bytes(pfad), Bytes(anders));
  EXPECT_EQ("Curve generator - anders.wur", FenstertitelText());
}

TEST_F(MenueTest, OpenAppendExportImportUseTheChosenFile) {
  gKurven.Kurven[0].Punkte = {P(0, 5, 1), P(2047, 1, 1)};
  const auto wur = dir.file("k.wur"), txt = dir.file("k.txt");
  op.answerFile(wur);
  ASSERT_EQ(0, KurvenSpeichern(1));
  op.answerFile(txt);
  ASSERT_EQ(0, KurvenExportieren());
  ASSERT_EQ(0, KurvenNeu());
  op.answerFile(wur);
  ASSERT_EQ(0, KurvenLaden());
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2047, 1, 1)}, gKurven.Kurven[0].Punkte));
  op.answerFile(wur);
  ASSERT_EQ(0, KurvenAnhaengen());
  EXPECT_EQ(4u, gKurven.Kurven[0].Punkte.size());
  // Opening over the appended curves asks first; Cancel keeps them.
  op.answerMessage(3);
  EXPECT_EQ(0, KurvenLaden());
  EXPECT_EQ("Would you like to save changes to k.wur ?", op.lastMessageText());
  EXPECT_EQ(4u, gKurven.Kurven[0].Punkte.size());
  op.answerFile(txt);
  ASSERT_EQ(0, KurvenImportieren());
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2047, 1, 1)}, gKurven.Kurven[0].Punkte));
  op.answerMessage(2);  // the import changed the curves: do not save them
  op.answerFile(dir.file("fehlt.wur"));
  EXPECT_EQ(-308435, KurvenLaden());
}

// ---- Unsaved-changes question ----

TEST_F(MenueTest, NoQuestionWithoutChanges) {
  EXPECT_EQ(0, AbbruchWeilKurvenNichtGespeichert());
  EXPECT_TRUE(op.messages.empty());
}

TEST_F(MenueTest, QuestionNamesTheFileAndOffersThreeButtons) {
  gKurven.KurvenGeaendert = true;
  op.answerMessage(2);
  EXPECT_EQ(0, AbbruchWeilKurvenNichtGespeichert());
  ASSERT_EQ(1u, op.messages.size());
  const auto& frage = op.messages[0];
  EXPECT_EQ("Warning", frage.title);
  EXPECT_EQ("Would you like to save changes to Curve generator ?", frage.text);
  EXPECT_EQ((std::vector<std::string>{"Yes", "No", "Cancel"}), frage.buttons);
  EXPECT_EQ(3, frage.activeButton);
  EXPECT_EQ(3, frage.escapeButton);

  Fenstertitel(dir.file("name.wur"));
  op.answerMessage(3);
  EXPECT_EQ(1, AbbruchWeilKurvenNichtGespeichert());
  EXPECT_EQ("Would you like to save changes to name.wur ?", op.lastMessageText());
  EXPECT_TRUE(gKurven.KurvenGeaendert);
  EXPECT_FALSE(std::filesystem::exists(dir.file("name.wur")));
}

TEST_F(MenueTest, YesSavesToTheCurrentFile) {
  const auto pfad = dir.file("name.wur");
  Fenstertitel(pfad);
  gKurven.Kurven[1].Punkte = {P(5, 6, 7)};
  gKurven.KurvenGeaendert = true;
  op.answerMessage(1);
  EXPECT_EQ(0, AbbruchWeilKurvenNichtGespeichert());
  EXPECT_TRUE(op.fileRequests.empty());
  EXPECT_FALSE(gKurven.KurvenGeaendert);
  ASSERT_EQ(0, KurvenNeu());
  ASSERT_EQ(0, KurvendateiLaden(pfad));
  EXPECT_TRUE(Gleich({P(5, 6, 7)}, gKurven.Kurven[1].Punkte));
}

TEST_F(MenueTest, YesWithoutAFileButCancelledDialogStops) {
  gKurven.KurvenGeaendert = true;
  op.answerMessage(1);
  EXPECT_EQ(1, AbbruchWeilKurvenNichtGespeichert());
  EXPECT_EQ(1u, op.fileRequests.size());
  EXPECT_TRUE(gKurven.KurvenGeaendert);
}

TEST_F(MenueTest, YesWithAFailingSaveShowsTheErrorAndStops) {
  Fenstertitel(dir.file("fehlt/name.wur"));
  gKurven.KurvenGeaendert = true;
  op.answerMessage(1);
  EXPECT_EQ(1, AbbruchWeilKurvenNichtGespeichert());
  ASSERT_EQ(2u, op.messages.size());
  EXPECT_EQ("Error #308432", op.messages[1].title);
  EXPECT_TRUE(gKurven.KurvenGeaendert);
}

TEST_F(MenueTest, OpenAsksFirstAndCancelKeepsTheCurves) {
  gKurven.Kurven[0].Punkte = {P(1, 1, 1)};
  gKurven.KurvenGeaendert = true;
  const auto vorher = Modellstand::Jetzt();
  op.answerMessage(3);
  EXPECT_EQ(0, KurvenLaden());
  EXPECT_TRUE(op.fileRequests.empty());
  vorher.ErwarteUnveraendert();
}

}  // namespace
}  // namespace dateitest
