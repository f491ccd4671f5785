// A fresh model with standard scaling, a scripted operator and scripted dialogs for every
// editing test, and short ways to build and read curve 1.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "SkriptDialoge.h"
#include "config/Konfiguration.h"
#include "curves/edit/Ansicht.h"
#include "curves/edit/Markierung.h"
#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Rueckgaengig.h"
#include "device/Fehler.h"
#include "support/ScriptedOperator.h"

namespace testsupport {

class Kurvenfixture : public ::testing::Test {
 protected:
  void SetUp() override {
    config::KonfigurationStandardwerte(sitzung.Konfig);
    device::ZOR_Fehlersprache(2);
    ASSERT_EQ(curves::KurvenModellInitialisieren(sitzung), 0);
    curves::EditordialogeSetzen(sitzung, &dialoge);
  }
  void TearDown() override { curves::AllokationsfehlerAusloesen(0); }

 public:
  // Curve 1 (the edited one) as these points: {Y, Laenge, Zeitbasis}.
  void Setze(std::vector<curves::Kurvenpunkt> punkte) {
    sitzung.gKurven.Kurven[0].Punkte = std::move(punkte);
  }
  std::vector<curves::Kurvenpunkt>& Punkte() { return sitzung.gKurven.Kurven[0].Punkte; }
  int Anzahl() { return sitzung.gKurven.Kurven[0].Punktanzahl(); }
  int Undos() { return sitzung.gKurven.Historien[0].AnzahlRueckgaengig; }

  // Nothing at all changed: points as given, no snapshot, no changed flag.
  void ErwarteUnveraendert(const std::vector<curves::Kurvenpunkt>& vorher) {
    ASSERT_EQ(Punkte().size(), vorher.size());
    for (std::size_t i = 0; i < vorher.size(); ++i) {
      EXPECT_EQ(Punkte()[i].Y, vorher[i].Y) << i;
      EXPECT_EQ(Punkte()[i].Laenge, vorher[i].Laenge) << i;
      EXPECT_EQ(Punkte()[i].Zeitbasis, vorher[i].Zeitbasis) << i;
    }
    EXPECT_EQ(Undos(), 0);
    EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
  }

  curves::Kurvensitzung sitzung;
  ScriptedOperator bediener;
  SkriptDialoge dialoge;
};

}  // namespace testsupport
