// "Import CSV...": the dialog on real files in a temporary folder, its preview and
// figures before OK, OK as one undo step, Cancel, the column and tolerance choices, and
// refusals that show the reader's message and change nothing.
#include <gmock/gmock.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <fstream>
#include <memory>

#include "Fensterhilfen.h"
#include "curves/files/Csvimport.h"
#include "curves/gui/CsvImportdialog.h"
#include "support/TempDir.h"

namespace kurvenfenster {
namespace {

using curves::gui::CsvImportdialog;
using testing::HasSubstr;

// Ramps up and down with a plateau: three points as the command-line import makes them.
constexpr const char* kMessung = "Zeit [ms];U [V]\n0;0\n1;2,5\n2;5\n3;5\n4;5\n5;0\n";

class CsvImport : public FensterTest {
 protected:
  std::string Datei(const char* name, const std::string& inhalt) {
    const std::string pfad = ordner.file(name);
    std::ofstream(pfad) << inhalt;
    return pfad;
  }
  void ErwarteStandardkurve() {
    ASSERT_EQ(1, Kurve1().Punktanzahl());
    EXPECT_EQ(0, Kurve1().Punkte[0].Y);
    EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
  }
  QPushButton* Ok(CsvImportdialog& d) { return d.Knoepfe()->button(QDialogButtonBox::Ok); }
  testsupport::TempDir ordner;
};

TEST_F(CsvImport, ShowsDialectLinesAndFiguresBeforeOkAndOkIsOneUndoStep) {
  CsvImportdialog d(panel.get(), sitzung, Datei("messung.csv", kMessung));
  ASSERT_EQ(0, d.Einlesen());
  EXPECT_THAT(d.Dialekt()->text().toStdString(),
              HasSubstr("separator ';', decimal comma, 1 header row; time in ms, values in V"));
  EXPECT_EQ("1 (Zeit)", d.Zeitspalte()->currentText());
  EXPECT_EQ("2 (U)", d.Wertspalte()->currentText());
  const std::string ergebnis = d.Ergebnis()->text().toStdString();
  EXPECT_THAT(ergebnis, HasSubstr("Points: 3"));
  EXPECT_THAT(ergebnis, HasSubstr("largest deviation: 0.50 codes"));
  // The samples under the lines: six samples, three points and the return to the first.
  EXPECT_EQ(6, d.Vorschau()->graph(0)->dataCount());
  EXPECT_EQ(4, d.Vorschau()->graph(1)->dataCount());
  ErwarteStandardkurve();

  Ok(d)->click();
  EXPECT_EQ(QDialog::Accepted, d.result());
  ASSERT_EQ(3, Kurve1().Punktanzahl());
  EXPECT_EQ(2048, Kurve1().Punkte[1].Y);
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  panel->Aktionen().Rueckgaengig->trigger();
  EXPECT_EQ(1, Kurve1().Punktanzahl());
}

TEST_F(CsvImport, CancelChangesNothing) {
  CsvImportdialog d(panel.get(), sitzung, Datei("messung.csv", kMessung));
  ASSERT_EQ(0, d.Einlesen());
  d.Knoepfe()->button(QDialogButtonBox::Cancel)->click();
  EXPECT_EQ(QDialog::Rejected, d.result());
  ErwarteStandardkurve();
  EXPECT_FALSE(panel->Aktionen().Rueckgaengig->isEnabled());
}

TEST_F(CsvImport, ColumnAndToleranceChoicesAreTakenAtOnce) {
  // Column c rises in ten steps of 0.1 V, column b stays.
  std::string text = "a,b,c\n";
  for (int i = 0; i <= 10; ++i) text += std::to_string(i) + "e-3,1," + std::to_string(i) + "e-1\n";
  CsvImportdialog d(panel.get(), sitzung, Datei("sonde.csv", text));
  ASSERT_EQ(0, d.Einlesen());
  EXPECT_EQ(2, d.Reihe().Wertspalte);
  const int eben = d.Bericht().Punkte;
  d.Wertspalte()->setCurrentIndex(2);
  EXPECT_EQ(3, d.Reihe().Wertspalte);
  EXPECT_DOUBLE_EQ(1.0, d.Reihe().Wert.back());
  EXPECT_GT(d.Bericht().Punkte, eben);
  d.Toleranz()->setValue(40.0);
  EXPECT_DOUBLE_EQ(40.0, d.Bericht().Toleranz);
  EXPECT_LE(d.Bericht().GroessterFehler, 40.0);
  d.Toleranz()->setValue(0.0);
  EXPECT_THAT(d.Ergebnis()->text().toStdString(), HasSubstr("tolerance: 1.00 codes"));
}

TEST_F(CsvImport, RefusedChoiceShowsTheMessageAndOffersNoOk) {
  CsvImportdialog d(panel.get(), sitzung, Datei("zwei.csv", "0;1\n0,001;2\n0,002;3\n"));
  ASSERT_EQ(0, d.Einlesen());
  d.Wertspalte()->setCurrentIndex(4);  // no fifth column
  EXPECT_THAT(op.lastMessageText(), HasSubstr("Error in line 1"));
  EXPECT_EQ("Error while importing", op.lastMessageTitle());
  EXPECT_FALSE(Ok(d)->isEnabled());
  // The samples of the column before are gone: another tolerance brings no OK back.
  d.Toleranz()->setValue(3.0);
  EXPECT_FALSE(Ok(d)->isEnabled());
  Ok(d)->click();
  EXPECT_NE(QDialog::Accepted, d.result());
  ErwarteStandardkurve();
  d.Wertspalte()->setCurrentIndex(1);
  EXPECT_TRUE(Ok(d)->isEnabled());
}

TEST_F(CsvImport, MarkOffTheGridIsRefusedAndTheDialogStays) {
  sitzung.gKurven.Kurven[0].Punkte = {{100, 10, 4, {}}, {200, 10, 4, {}}};
  sitzung.gMarkierung = {5000, 20000, true};
  const auto vorher = Kurve1().Punkte;
  CsvImportdialog d(panel.get(), sitzung, Datei("messung.csv", kMessung));
  ASSERT_EQ(0, d.Einlesen());
  ASSERT_TRUE(d.AnMarkierung()->isEnabled());
  d.AnMarkierung()->setChecked(true);
  Ok(d)->click();
  EXPECT_NE(QDialog::Accepted, d.result());
  EXPECT_THAT(op.lastMessageText(), HasSubstr("grid"));
  ASSERT_EQ(vorher.size(), Kurve1().Punkte.size());
  EXPECT_EQ(10, Kurve1().Punkte[0].Laenge);
}

TEST_F(CsvImport, MenuCommandAsksForTheFileAndReplacesTheCurve) {
  op.answerFile(Datei("messung.csv", kMessung));
  const auto gesehen = std::make_shared<bool>(false);
  QTimer::singleShot(0, [gesehen] {
    auto* d = qobject_cast<CsvImportdialog*>(QApplication::activeModalWidget());
    if (!d) return;
    *gesehen = true;
    d->Knoepfe()->button(QDialogButtonBox::Ok)->click();
  });
  panel->Aktionen().CsvImportieren->trigger();
  ASSERT_TRUE(*gesehen);
  ASSERT_EQ(1u, op.fileRequests.size());
  EXPECT_EQ("*.csv", op.fileRequests[0].pattern);
  EXPECT_EQ(3, Kurve1().Punktanzahl());
  // The view shows the new curve whole: 13 units, the last ones of 250 µs.
  EXPECT_DOUBLE_EQ(curves::Kurvenlaenge(sitzung, 0) - 1.0, sitzung.gSicht.XEnde);
}

TEST_F(CsvImport, MenuCommandOpensNoDialogForARefusedFile) {
  op.answerFile(Datei("rueckwaerts.csv", "t,u\n0,1\n2,1\n1,1\n"));
  const auto geoeffnet = std::make_shared<bool>(false);
  QTimer::singleShot(0, [geoeffnet] {
    if (auto* d = qobject_cast<CsvImportdialog*>(QApplication::activeModalWidget())) {
      *geoeffnet = true;
      d->reject();
    }
  });
  panel->Aktionen().CsvImportieren->trigger();
  EXPECT_FALSE(*geoeffnet);
  EXPECT_THAT(op.lastMessageText(), HasSubstr("Error in line 4:\nThe time 1 does not rise"));
  ErwarteStandardkurve();
}

}  // namespace
}  // namespace kurvenfenster
