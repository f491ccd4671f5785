#include <gtest/gtest.h>

#include <random>

#include "Kurvenfixture.h"
#include "curves/edit/Ansicht.h"
#include "curves/edit/Bearbeiten.h"

namespace {

class Zufall : public testsupport::Kurvenfixture {};

// Every curve the operations leave behind is one the device and the files can take.
void PruefeKurve(const curves::Kurve& k) {
  ASSERT_GE(k.Punktanzahl(), 1);
  for (const auto& p : k.Punkte) {
    ASSERT_GE(p.Y, 0);
    ASSERT_LE(p.Y, 4095);
    ASSERT_GE(p.Laenge, 1);
    ASSERT_LE(p.Laenge, 65535);
    ASSERT_GT(curves::ZeitbasisInMikrosekunden(p.Zeitbasis), 0.0);
  }
}

// Random edits, marks, clipboard use, undo and redo, some with failing allocations: the
// curve, the ring slots and the clipboard stay valid throughout.
TEST_F(Zufall, EditingKeepsEveryCurveValid) {
  std::mt19937 zufall(20261207);
  auto zahl = [&](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(zufall);
  };
  auto ganz = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(zufall); };
  for (int schritt = 0; schritt < 4000; ++schritt) {
    const double laenge = curves::Kurvenlaenge(sitzung, 0);
    const double x = zahl(-0.1 * laenge, 1.2 * laenge);
    const double y = zahl(-200.0, 4300.0);
    if (ganz(0, 30) == 0) curves::AllokationsfehlerAusloesen(1, ganz(0, 2));
    switch (ganz(0, 12)) {
      case 0:
      case 1:
        curves::PunktAnhaengen(sitzung, x, y, ganz(1, 9));
        break;
      case 2:
        curves::PunktVerschieben(sitzung, ganz(0, Anzahl() - 1), x, y);
        break;
      case 3:
        curves::PunktLoeschen(sitzung, x, y);
        break;
      case 4:
        curves::GeradeTeilen(sitzung, x);
        break;
      case 5:
        curves::ZeitbasisAendern(sitzung, x, ganz(1, 9));
        break;
      case 6: {
        const double t = curves::PunktStartzeit(sitzung, ganz(0, Anzahl() - 1));
        dialoge.punktAntwort({curves::ZeitInStunden(t + 250.0 * ganz(-8, 8)), zahl(-1.0, 11.0)});
        curves::PunktKoordinatenAendern(sitzung, x, y);
        break;
      }
      case 7:
        dialoge.geradenAntwort(curves::ZeitInStunden(250.0 * ganz(-2, 400)));
        curves::GeradenlaengeAendern(sitzung, x);
        break;
      case 8: {
        const double a = zahl(-100.0, laenge), b = zahl(-100.0, laenge);
        sitzung.gMarkierung = {std::min(a, b), std::max(a, b), true};
        if (ganz(0, 1))
          curves::MarkiertesAusschneiden(sitzung);
        else
          curves::MarkierteKopieren(sitzung);
        break;
      }
      case 9:
        if (ganz(0, 1)) sitzung.gMarkierung = {x, x, true};
        curves::ZwischenspeicherEinfuegen(sitzung);
        break;
      case 10:
        curves::Rueckgaengig(sitzung);
        break;
      case 11:
        curves::Wiederherstellen(sitzung);
        break;
      default:
        sitzung.gMarkierung = {zahl(0, laenge), zahl(0, laenge), true};
        curves::MarkiertesEntfernen(sitzung);
        break;
    }
    curves::AllokationsfehlerAusloesen(0);
    PruefeKurve(sitzung.gKurven.Kurven[0]);
    if (HasFatalFailure()) FAIL() << "after step " << schritt;
    for (const auto& slot : sitzung.gKurven.Historien[0].Slots)
      PruefeKurve(curves::Kurve{slot.Punkte, {}});
    for (const auto& p : sitzung.gKurven.Zwischenspeicher) {
      ASSERT_GE(p.Laenge, 1);
      ASSERT_LE(p.Y, 4095);
    }
    const auto& h = sitzung.gKurven.Historien[0];
    ASSERT_LE(h.AnzahlRueckgaengig + h.AnzahlWiederherstellen, 10);
  }
}

}  // namespace
