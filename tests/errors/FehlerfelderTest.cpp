// The error fields of the four windows: binding, filling in order, clearing.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "device/Fehler.h"

namespace {

using namespace device;

constexpr FehlerfeldFenster kAlle[] = {FehlerfeldFenster::Kurven, FehlerfeldFenster::Com,
                                       FehlerfeldFenster::Kennlinie, FehlerfeldFenster::Direkt};

struct Aufruf {
  FehlerfeldFenster fenster;
  Fehlerfelder felder;
};

class FehlerfelderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sprache_ = sgSprache;
    ZOR_Fehlersprache(2);
    ComFehlerSetzen(0);
  }
  void TearDown() override {
    for (auto f : kAlle) FehlerfelderBinden(f, {});
    ComFehlerSetzen(0);
    sgSprache = sprache_;
  }
  // Binds the windows in the given order; every display call is recorded.
  void Binden(std::initializer_list<FehlerfeldFenster> reihenfolge) {
    for (auto f : reihenfolge)
      FehlerfelderBinden(f, [this, f](const Fehlerfelder& felder) {
        aufrufe.push_back({f, felder});
      });
  }
  std::vector<Aufruf> aufrufe;
  int sprache_ = 0;
};

TEST_F(FehlerfelderTest, BindingShowsThePresentContentAtOnce) {
  ComFehlerSetzen(-403001);
  Binden({FehlerfeldFenster::Com});
  ASSERT_EQ(aufrufe.size(), 1u);
  EXPECT_EQ(aufrufe[0].fenster, FehlerfeldFenster::Com);
  EXPECT_TRUE(aufrufe[0].felder.led);
  EXPECT_EQ(aufrufe[0].felder.text, "No answer from device");
  EXPECT_EQ(aufrufe[0].felder.nummer, 403001);
}

TEST_F(FehlerfelderTest, FillsTheFourWindowsInOrder) {
  // Bound in another order than they are filled.
  Binden({FehlerfeldFenster::Direkt, FehlerfeldFenster::Com, FehlerfeldFenster::Kurven,
          FehlerfeldFenster::Kennlinie});
  aufrufe.clear();
  ComFehlerSetzen(-404015);
  ASSERT_EQ(aufrufe.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(aufrufe[i].fenster, kAlle[i]);
    EXPECT_TRUE(aufrufe[i].felder.led);
    EXPECT_EQ(aufrufe[i].felder.text, "Wrong answer from device");
    EXPECT_EQ(aufrufe[i].felder.nummer, 404015);
  }
  EXPECT_EQ(AktuelleFehlerfelder().nummer, 404015);
}

TEST_F(FehlerfelderTest, ZeroClearsEveryField) {
  Binden({FehlerfeldFenster::Kurven, FehlerfeldFenster::Com, FehlerfeldFenster::Kennlinie,
          FehlerfeldFenster::Direkt});
  ComFehlerSetzen(-122231);
  aufrufe.clear();
  ComFehlerSetzen(0);
  ASSERT_EQ(aufrufe.size(), 4u);
  for (const auto& a : aufrufe) {
    EXPECT_FALSE(a.felder.led);
    EXPECT_EQ(a.felder.text, "");
    EXPECT_EQ(a.felder.nummer, 0);
  }
  EXPECT_FALSE(AktuelleFehlerfelder().led);
}

TEST_F(FehlerfelderTest, CategorySixLightsTheLampWithEmptyText) {
  Binden({FehlerfeldFenster::Kurven});
  aufrufe.clear();
  ComFehlerSetzen(-6123);
  ASSERT_EQ(aufrufe.size(), 1u);
  EXPECT_TRUE(aufrufe[0].felder.led);
  EXPECT_EQ(aufrufe[0].felder.text, "");
  EXPECT_EQ(aufrufe[0].felder.nummer, 6123);
}

TEST_F(FehlerfelderTest, SmallAndExtremeCodes) {
  ComFehlerSetzen(-1);
  EXPECT_TRUE(AktuelleFehlerfelder().led);
  EXPECT_EQ(AktuelleFehlerfelder().text, "No error");
  EXPECT_EQ(AktuelleFehlerfelder().nummer, 1);
  ComFehlerSetzen(INT_MIN);
  EXPECT_EQ(AktuelleFehlerfelder().text, "A unknown error occured");
  EXPECT_EQ(AktuelleFehlerfelder().nummer, INT_MAX);  // the int field saturates
  EXPECT_EQ(FehlernummerText(INT_MIN), "2147483648");
}

TEST_F(FehlerfelderTest, UnboundWindowIsNoLongerCalled) {
  Binden({FehlerfeldFenster::Kurven, FehlerfeldFenster::Com});
  FehlerfelderBinden(FehlerfeldFenster::Kurven, {});
  aufrufe.clear();
  ComFehlerSetzen(-403001);
  ASSERT_EQ(aufrufe.size(), 1u);
  EXPECT_EQ(aufrufe[0].fenster, FehlerfeldFenster::Com);
}

TEST_F(FehlerfelderTest, ADisplayMayUnbindItselfWhileShown) {
  int gezeigt = 0;
  FehlerfelderBinden(FehlerfeldFenster::Com, [&](const Fehlerfelder& f) {
    ++gezeigt;
    if (f.led) FehlerfelderBinden(FehlerfeldFenster::Com, {});
  });
  ComFehlerSetzen(-403001);
  ComFehlerSetzen(-403002);
  EXPECT_EQ(gezeigt, 2);  // once on binding, once for the first code
}

}  // namespace
