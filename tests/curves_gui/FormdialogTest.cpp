// "Insert shape…" in the curve window: the preview over the mark, OK as one undo step,
// Cancel and Escape changing nothing, and the core's refusals shown in the dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "Fensterhilfen.h"
#include "curves/gui/Formdialog.h"

namespace kurvenfenster {
namespace {

using curves::Kurvenpunkt;
using curves::gui::Formdialog;

// 0..100 ms at 0 and 100..200 ms at 2000 on 10 ms units, a 10 ms closing line.
const std::vector<Kurvenpunkt> kPunkte = {{0, 10, 4, {}}, {2000, 10, 4, {}}, {1000, 1, 4, {}}};

class FormdialogTest : public FensterTest {
 protected:
  void SetUp() override {
    FensterTest::SetUp();
    sitzung.gKurven.Kurven[0].Punkte = kPunkte;
    sitzung.gMarkierung = {20000, 60000, true};
    panel->KurvenpanelZeichnen();
  }
  // Runs "Insert shape…" while `bedienen` works the open dialog; a dialog left open is
  // cancelled.
  void Einfuegen(const std::function<void(Formdialog&)>& bedienen) {
    QTimer::singleShot(0, [&] {
      auto* d = panel->findChild<Formdialog*>();
      if (!d) return;
      bedienen(*d);
      if (d->isVisible()) d->reject();
    });
    panel->Aktionen().FormDialog->trigger();
  }
  static void Setzen(Formdialog& d, const QString& art,
                     std::initializer_list<std::pair<const char*, const char*>> werte) {
    d.Artliste()->setCurrentText(art);
    d.Rohfeld()->setChecked(true);
    for (const auto& [name, wert] : werte) {
      ASSERT_NE(d.Parameterfeld(name), nullptr) << name;
      d.Parameterfeld(name)->setText(wert);
    }
    d.JetztBerechnen();
  }
  void ErwarteUnveraendert() {
    const auto& p = Kurve1().Punkte;
    ASSERT_EQ(p.size(), kPunkte.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
      EXPECT_EQ(p[i].Y, kPunkte[i].Y);
      EXPECT_EQ(p[i].Laenge, kPunkte[i].Laenge);
    }
    EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
    EXPECT_FALSE(panel->Aktionen().Rueckgaengig->isEnabled());
    EXPECT_TRUE(panel->Grafik().VorschauLinie()->data()->isEmpty());
  }
};

TEST_F(FormdialogTest, PreviewOverTheMarkThenOKInsertsAsOneUndoStep) {
  QCPCurveDataContainer vorschau;
  QString bericht;
  Einfuegen([&](Formdialog& d) {
    Setzen(d, "pulse",
           {{"low", "0"}, {"high", "4000"}, {"width", "5ms"}, {"period", "10ms"}, {"count", "4"}});
    vorschau = *panel->Grafik().VorschauLinie()->data();
    bericht = d.Berichtfeld()->text();
    EXPECT_TRUE(d.OkKnopf()->isEnabled()) << d.Meldungsfeld()->text().toStdString();
    d.OkKnopf()->click();
  });
  ASSERT_FALSE(vorschau.isEmpty());
  // From the line leading in to the point the shape runs to, at the mark's end.
  EXPECT_DOUBLE_EQ(vorschau.at(0)->key, 0.0);
  EXPECT_DOUBLE_EQ((vorschau.constEnd() - 1)->key, 60000.0);
  EXPECT_TRUE(bericht.startsWith("8 points")) << bericht.toStdString();

  EXPECT_DOUBLE_EQ(curves::Kurvenlaenge(Kurve1()), 210000.0);
  int hohe = 0;
  for (const auto& p : Kurve1().Punkte) hohe += p.Y == 4000;
  EXPECT_EQ(hohe, 4);
  EXPECT_TRUE(panel->Aktionen().Rueckgaengig->isEnabled());
  EXPECT_TRUE(panel->Grafik().VorschauLinie()->data()->isEmpty());
  panel->Aktionen().Rueckgaengig->trigger();
  ASSERT_EQ(Kurve1().Punkte.size(), kPunkte.size());
  EXPECT_EQ(Kurve1().Punkte[1].Y, 2000);
}

TEST_F(FormdialogTest, CancelChangesNothing) {
  bool gezeigt = false;
  Einfuegen([&](Formdialog& d) {
    Setzen(d, "ramp", {{"from", "0"}, {"to", "4095"}, {"time", "30ms"}});
    gezeigt = !panel->Grafik().VorschauLinie()->data()->isEmpty();
    d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
  });
  EXPECT_TRUE(gezeigt);
  ErwarteUnveraendert();
}

TEST_F(FormdialogTest, EscapeChangesNothing) {
  Einfuegen([&](Formdialog& d) {
    Setzen(d, "ramp", {{"from", "0"}, {"to", "4095"}, {"time", "30ms"}});
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  ErwarteUnveraendert();
}

struct Ablehnung {
  const char* name;
  const char* art;
  const char* feld;
  const char* wert;
  const char* meldung;  // part of the core's message
};

class FormAblehnung : public FormdialogTest, public ::testing::WithParamInterface<Ablehnung> {};

TEST_P(FormAblehnung, ShowsTheCoresMessageAndKeepsOKOff) {
  const Ablehnung& a = GetParam();
  QString meldung;
  bool ok = true;
  Einfuegen([&](Formdialog& d) {
    d.Artliste()->setCurrentText(a.art);
    d.Parameterfeld(a.feld)->setText(a.wert);
    d.JetztBerechnen();
    meldung = d.Meldungsfeld()->text();
    ok = d.OkKnopf()->isEnabled();
    d.OkKnopf()->click();  // a disabled button does nothing
  });
  EXPECT_TRUE(meldung.contains(a.meldung)) << meldung.toStdString();
  EXPECT_FALSE(ok);
  ErwarteUnveraendert();
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, FormAblehnung,
    ::testing::Values(Ablehnung{"FormulaSyntax", "formula", "expr", "2*(t+", "character"},
                      Ablehnung{"TimeWithoutUnit", "ramp", "time", "30", "unit"},
                      Ablehnung{"TooLongForTheDevice", "step", "time", "10h", "memory"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kurvenfenster
