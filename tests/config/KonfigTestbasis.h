// Shared by the configuration tests: every test starts from the standard record with no
// window bound, and a window stand-in whose fields are a record of their own.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "config/Konfigfelder.h"
#include "config/Konfigsitzung.h"
#include "config/Konfiguration.h"

namespace konfigtest {

class KonfigTest : public ::testing::Test {
 protected:
  config::Konfigsitzung konfig;
  config::Konfiguration& gKonfig = konfig.gKonfig;
};

// The fields of a configuration window: shows what it is given, hands its fields back.
struct Fensterattrappe {
  config::Konfiguration felder = config::KonfigurationStandard();
  int gezeigt = 0;
  int gelesen = 0;
  std::vector<std::pair<int, double>> skalaOutMax;

  common::Meldeliste<const config::Konfiguration&>::Abo anzeige;
  common::Meldeliste<config::Konfiguration&>::Abo abfrage;
  common::Meldeliste<int, double>::Abo skala;

  void loesen() {
    anzeige.Beenden();
    abfrage.Beenden();
    skala.Beenden();
  }

  void binden(config::Konfigsitzung& s, bool mitSkalaOutMax = true) {
    anzeige = s.Felderanzeige.Abonnieren([this](const config::Konfiguration& k) {
      felder = k;
      ++gezeigt;
    });
    abfrage = s.Felderabfrage.Abonnieren([this](config::Konfiguration& k) {
      // Only what a window has fields for; the padding stays as passed.
      char p1[4], p2[4];
      std::memcpy(p1, k.padding1, 4);
      std::memcpy(p2, k.padding2, 4);
      k = felder;
      std::memcpy(k.padding1, p1, 4);
      std::memcpy(k.padding2, p2, 4);
      ++gelesen;
    });
    if (mitSkalaOutMax)
      skala = s.SkalaOutMaxAnzeige.Abonnieren([this](int ausgang, double wert) {
        skalaOutMax.emplace_back(ausgang, wert);
        felder.outskalamax[ausgang] = wert;
      });
  }
};

// A record that differs from the standard record in every field.
inline config::Konfiguration Beispiel() {
  config::Konfiguration k = config::KonfigurationStandard();
  k.voutmax = 4.095;
  k.vinmax = 5.0;
  for (int i = 0; i < 4; ++i) {
    k.outmin[i] = 0.5 + i;
    k.outmax[i] = 4.25 + i;
    k.outskalamin[i] = -10.0 * (i + 1);
    k.outskalamax[i] = 60.0 * (i + 1);
    k.inmin[i] = 1.0 + i;
    k.inmax[i] = 6.0 + i;
    k.inskalamin[i] = -0.125 * i;
    k.inskalamax[i] = 1000.0 + i;
  }
  config::EinheitSetzen(k.outeinheit[0], "mbar");
  config::EinheitSetzen(k.outeinheit[1], "A");
  config::EinheitSetzen(k.outeinheit[2], "12345678");
  config::EinheitSetzen(k.outeinheit[3], "");
  config::EinheitSetzen(k.ineinheit[0], "°C");
  config::EinheitSetzen(k.ineinheit[1], "l/min");
  config::EinheitSetzen(k.ineinheit[2], "kg");
  config::EinheitSetzen(k.ineinheit[3], "Nm");
  return k;
}

inline bool GleicheBytes(const config::Konfiguration& a, const config::Konfiguration& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace konfigtest
