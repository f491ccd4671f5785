// The error fields of a connection: any number of windows listen, each sees the present
// content when it subscribes and every change while its subscription lives.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "device/Fehler.h"
#include "device/Verbindung.h"

namespace {

using namespace device;

class FehlerfelderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sprache_ = Fehlersprache();
    ZOR_Fehlersprache(2);
  }
  void TearDown() override { ZOR_Fehlersprache(sprache_); }
  // A window's fields: every display call is recorded under its name.
  Verbindung::FehlerAbo Fenster(int name) {
    return verbindung.FehlerfelderAbonnieren([this, name](const Fehlerfelder& f) {
      aufrufe.push_back({name, f});
    });
  }
  struct Aufruf {
    int fenster;
    Fehlerfelder felder;
  };
  Verbindung verbindung;
  std::vector<Aufruf> aufrufe;
  int sprache_ = 0;
};

TEST_F(FehlerfelderTest, SubscribingShowsThePresentContentAtOnce) {
  verbindung.ComFehlerSetzen(-403001);
  auto abo = Fenster(1);
  ASSERT_EQ(aufrufe.size(), 1u);
  EXPECT_TRUE(aufrufe[0].felder.led);
  EXPECT_EQ(aufrufe[0].felder.text, "No answer from device");
  EXPECT_EQ(aufrufe[0].felder.nummer, 403001);
}

TEST_F(FehlerfelderTest, EveryWindowSeesEveryCodeAndZeroClears) {
  auto a = Fenster(1), b = Fenster(2), c = Fenster(3), d = Fenster(4);
  aufrufe.clear();
  verbindung.ComFehlerSetzen(-404015);
  ASSERT_EQ(aufrufe.size(), 4u);
  for (const auto& r : aufrufe) {
    EXPECT_TRUE(r.felder.led);
    EXPECT_EQ(r.felder.text, "Wrong answer from device");
    EXPECT_EQ(r.felder.nummer, 404015);
  }
  EXPECT_EQ(verbindung.LetzterFehler(), -404015);
  EXPECT_TRUE(verbindung.InFehlerfeldern(-404015));
  aufrufe.clear();
  verbindung.ComFehlerSetzen(0);
  ASSERT_EQ(aufrufe.size(), 4u);
  for (const auto& r : aufrufe) {
    EXPECT_FALSE(r.felder.led);
    EXPECT_EQ(r.felder.text, "");
    EXPECT_EQ(r.felder.nummer, 0);
  }
  EXPECT_FALSE(verbindung.InFehlerfeldern(-404015));
}

TEST_F(FehlerfelderTest, CategorySixLightsTheLampWithEmptyText) {
  verbindung.ComFehlerSetzen(-6123);
  EXPECT_TRUE(verbindung.AktuelleFehlerfelder().led);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().text, "");
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 6123);
}

TEST_F(FehlerfelderTest, SmallAndExtremeCodes) {
  verbindung.ComFehlerSetzen(-1);
  EXPECT_TRUE(verbindung.AktuelleFehlerfelder().led);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().text, "No error");
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 1);
  verbindung.ComFehlerSetzen(INT_MIN);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().text, "A unknown error occured");
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, INT_MAX);  // the int field saturates
  EXPECT_EQ(FehlernummerText(INT_MIN), "2147483648");
}

TEST_F(FehlerfelderTest, AClosedWindowIsNoLongerToldAndTwoConnectionsStayApart) {
  auto a = Fenster(1);
  std::optional<Verbindung::FehlerAbo> b = Fenster(2);
  b.reset();
  Verbindung andere;
  andere.ComFehlerSetzen(-403002);
  aufrufe.clear();
  verbindung.ComFehlerSetzen(-403001);
  ASSERT_EQ(aufrufe.size(), 1u);
  EXPECT_EQ(aufrufe[0].fenster, 1);
  EXPECT_EQ(andere.AktuelleFehlerfelder().nummer, 403002);
}

TEST_F(FehlerfelderTest, ADisplayMayEndItsSubscriptionWhileShown) {
  int gezeigt = 0;
  Verbindung::FehlerAbo abo;
  abo = verbindung.FehlerfelderAbonnieren([&](const Fehlerfelder& f) {
    ++gezeigt;
    if (f.led) abo.Beenden();
  });
  verbindung.ComFehlerSetzen(-403001);
  verbindung.ComFehlerSetzen(-403002);
  EXPECT_EQ(gezeigt, 2);  // once on subscribing, once for the first code
}

}  // namespace
