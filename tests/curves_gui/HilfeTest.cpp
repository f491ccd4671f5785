// Every command of the curve window in direct-help mode: its text, and nothing done.
#include <QToolBar>

#include "Fensterhilfen.h"
#include "curves/model/Rueckgaengig.h"

namespace kurvenfenster {
namespace {

TEST_F(FensterTest, EveryCommandShowsItsHelpTextAndDoesNothing) {
  const auto& a = panel->Aktionen();
  const std::vector<std::pair<QAction*, std::string>> faelle = {
      {a.Neu, "Deletes all curves."},
      {a.Oeffnen, "Loads curves from a file."},
      {a.Anhaengen, "Loads curves from a file and appends them to\nexisting curves."},
      {a.Speichern, "Saves the curve to a file."},
      {a.SpeichernUnter, "Saves the curve under a\nnew file name."},
      {a.Importieren, "Imports the curves from text format."},
      {a.Exportieren, "Exports the curves into text format."},
      {a.Ausschneiden,
       "Deletes the marked curve section and stores it\nin the intermediate memory."},
      {a.Kopieren, "Copies the marked curve section\ninto the intermediate memory."},
      {a.Einfuegen,
       "Inserts the curve section in the intermediate memory\ninto the curve at the mark.\nIf "
       "the marking marks one or several curve sections\nthese sections will be deleted\n"},
      {a.Loeschen,
       "Deletes the marked curve section.\nThe length of the total curve is changed here."},
      {a.AllesMarkieren, "Marks the complete curve."},
      {a.Rueckgaengig, "Undoes the last edting step."},
      {a.Wiederherstellen, "Restores the last undone editing step."},
      {a.ZoomPlus, "Enlarges the graphic."},
      {a.ZoomMinus, "Reduces the graphic."},
      {a.ZoomMarkierung, "Enlarges the graphic to the marked area."},
      {a.ZoomVoll,
       "Enlarges or reduces the graphic so the currently\nactive curve fits into the graphic "
       "window."},
      {a.Werkzeuge[0], "Mark curve section."},
      {a.Werkzeuge[1],
       "Draws an new curve point at the end of the current curve.\nThe time base of the new "
       "curve section corresponds to\nthe time base selected in the list."},
      {a.Werkzeuge[5], "Deletes a curve point.\nThe total length of the curve remains unchanged."},
      {a.Werkzeuge[6], "Divides the straight line by inserting an\nadditional point."},
      {a.Werkzeuge[8],
       "Changes the length of a straight line without changing its time base.\nThe length of "
       "the total curve is changed here."},
      {a.Darstellung[1],
       "Display types for the curves:\n- Lines: Only the internally stored straight lines "
       "(faster\n              graphic buildup)\n- Steps: The digitized lines as actually "
       "output by               the WUN-2.\n- Lin+St: Lines and steps at the same time."},
  };
  // A marked curve of two points, so that every command would change something.
  sitzung.gKurven.Kurven[0].Punkte = {{0, 4, 1, {}}, {2000, 4, 1, {}}};
  sitzung.gKurven.Zwischenspeicher = {{100, 1, 1, {}}};
  sitzung.gMarkierung = {0, 8000, true};
  // Undo and redo both possible (a dimmed command takes no click, not even for help).
  curves::RueckgaengigSichern(sitzung);
  curves::RueckgaengigSichern(sitzung);
  curves::Rueckgaengig(sitzung);
  ASSERT_TRUE(a.Rueckgaengig->isEnabled());
  ASSERT_TRUE(a.Wiederherstellen->isEnabled());
  panel->KurvenpanelZeichnen();
  const auto vorher = Kurve1().Punkte;
  const curves::Sichtfenster sicht = sitzung.gSicht;

  panel->Aktionen().Direkthilfe->trigger();
  ASSERT_TRUE(widgets::HilfeAktiv());
  for (const auto& [aktion, text] : faelle) {
    aktion->trigger();
    EXPECT_EQ(text, op.helpTexts.back()) << aktion->text().toStdString();
  }
  EXPECT_TRUE(op.messages.empty());
  EXPECT_TRUE(op.fileRequests.empty());
  ASSERT_EQ(vorher.size(), Kurve1().Punkte.size());
  EXPECT_EQ(vorher[1].Y, Kurve1().Punkte[1].Y);
  EXPECT_EQ(sicht.XStart, sitzung.gSicht.XStart);
  EXPECT_EQ(sicht.XEnde, sitzung.gSicht.XEnde);
  EXPECT_TRUE(sitzung.gMarkierung.Aktiv);
  EXPECT_EQ(curves::gui::Werkzeug::Keins, panel->AktivesWerkzeug());
  EXPECT_EQ(3, panel->Darstellung());
  EXPECT_TRUE(a.Darstellung[0]->isChecked());

  // The toolbar's list and the curve buttons.
  QTest::mouseClick(panel->Zeitbasisliste(), Qt::LeftButton);
  EXPECT_EQ(0u, op.helpTexts.back().find("The time base used to create a new point."));
  EXPECT_EQ("250us", panel->Zeitbasisliste()->currentText());
}

}  // namespace
}  // namespace kurvenfenster
