// "Insert function…" of the characteristic window on points of its own: the preview in
// the graph, OK as one undo snapshot, Cancel and Escape changing nothing, and the core's
// refusal shown with OK kept off.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "characteristic/gui/Kennlfunktionsdialog.h"
#include "widgets/Kurvengrafik.h"
#include "widgets/Rasterplot.h"

namespace {

using characteristic::Kennlinienpunkt;
using characteristic::gui::Kennlfunktionsdialog;

const std::vector<Kennlinienpunkt> kAlt = {{0, 1000, 0, {}}, {3000, 2000, 0, {}}, {1000, 0, 0, {}}};

class KennlfunktionsdialogTest : public ::testing::Test {
 protected:
  // Runs the dialog over the mark while `bedienen` works it; a dialog left open is
  // cancelled. True when the function went in.
  bool Ausfuehren(const std::function<void(Kennlfunktionsdialog&)>& bedienen) {
    Kennlfunktionsdialog d(nullptr, grafik, {punkte, mark, [this] { ++sicherungen; }});
    QTimer::singleShot(0, [&] {
      bedienen(d);
      if (d.isVisible()) d.reject();
    });
    return d.Ausfuehren();
  }
  bool VorschauLeer() { return grafik.VorschauLinie()->data()->isEmpty(); }

  widgets::Rasterplot graph, klein;
  widgets::Kurvengrafik grafik{&graph, &klein, 4095};
  std::vector<Kennlinienpunkt> punkte = kAlt;
  characteristic::Markierung mark{1200, 2200, true, false};
  int sicherungen = 0;
};

TEST_F(KennlfunktionsdialogTest, OKPutsTheFunctionOverTheMark) {
  bool vorschau = false;
  QString bericht;
  EXPECT_TRUE(Ausfuehren([&](Kennlfunktionsdialog& d) {
    d.Artliste()->setCurrentText("linear");
    d.Parameterfeld("gain")->setText("0");
    d.Parameterfeld("offset")->setText("4000");
    d.JetztBerechnen();
    vorschau = !VorschauLeer();
    bericht = d.Berichtfeld()->text();
    d.OkKnopf()->click();
  }));
  EXPECT_TRUE(vorschau);
  EXPECT_TRUE(bericht.startsWith("2 points")) << bericht.toStdString();
  EXPECT_EQ(sicherungen, 1);
  EXPECT_TRUE(VorschauLeer());
  // 0..1000 up to 3000, a kept step before the mark, the flat function, then back.
  double x = 0;
  int bei1200 = -1, bei2200 = -1;
  for (const auto& p : punkte) {
    if (x == 1200) bei1200 = p.Y;
    if (x == 2200) bei2200 = p.Y;
    x += p.Laenge;
  }
  EXPECT_EQ(bei1200, 4000);
  EXPECT_EQ(bei2200, 4000);
}

TEST_F(KennlfunktionsdialogTest, CancelAndEscapeChangeNothing) {
  for (const bool escape : {false, true}) {
    EXPECT_FALSE(Ausfuehren([&](Kennlfunktionsdialog& d) {
      d.JetztBerechnen();
      if (escape)
        QTest::keyClick(&d, Qt::Key_Escape);
      else
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    }));
    EXPECT_EQ(punkte.size(), kAlt.size());
    EXPECT_EQ(sicherungen, 0);
    EXPECT_TRUE(VorschauLeer());
  }
}

TEST_F(KennlfunktionsdialogTest, ARefusedFormulaShowsTheMessage) {
  QString meldung;
  bool ok = true;
  EXPECT_FALSE(Ausfuehren([&](Kennlfunktionsdialog& d) {
    d.Artliste()->setCurrentText("formula");
    d.Parameterfeld("expr")->setText("x*(2");
    d.JetztBerechnen();
    meldung = d.Meldungsfeld()->text();
    ok = d.OkKnopf()->isEnabled();
    d.OkKnopf()->click();
  }));
  EXPECT_TRUE(meldung.contains("character")) << meldung.toStdString();
  EXPECT_FALSE(ok);
  EXPECT_EQ(sicherungen, 0);
}

}  // namespace
