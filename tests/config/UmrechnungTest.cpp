// Raw values, volts and physical units.
#include <cmath>

#include "KonfigTestbasis.h"
#include "config/Umrechnung.h"

namespace {

using namespace config;
using konfigtest::KonfigTest;

using Umrechnung = KonfigTest;

TEST_F(Umrechnung, RawMapIsVmaxOver4095) {
  EXPECT_DOUBLE_EQ(RohInVolt(0.0, 10.0), 0.0);
  EXPECT_DOUBLE_EQ(RohInVolt(4095.0, 10.0), 10.0);
  EXPECT_DOUBLE_EQ(RohInVolt(2047.5, 10.0), 5.0);
  EXPECT_DOUBLE_EQ(RohInVolt(1.0, 4.095), 0.001);
  EXPECT_DOUBLE_EQ(VoltInRoh(5.0, 10.0), 2047.5);
  EXPECT_DOUBLE_EQ(VoltInRoh(1.0, 4.095), 1000.0);
  // No clamping either way.
  EXPECT_DOUBLE_EQ(RohInVolt(-4095.0, 10.0), -10.0);
  EXPECT_DOUBLE_EQ(VoltInRoh(20.0, 10.0), 8190.0);
}

TEST_F(Umrechnung, PowerSupplyExample) {
  // voutmax 10, output 1 from 0.0 to 5.0 V into 0 to 60 "V".
  gKonfig.outmax[0] = 5.0;
  gKonfig.outskalamax[0] = 60.0;
  EXPECT_DOUBLE_EQ(AusgangRohInEinheit(gKonfig, 0, 2047.5), 60.0);
  EXPECT_DOUBLE_EQ(AusgangEinheitInRoh(gKonfig, 0, 60.0), 2047.5);
  EXPECT_DOUBLE_EQ(AusgangEinheitInRoh(gKonfig, 0, 30.0), 1023.75);
  // The other outputs keep the standard scaling.
  EXPECT_DOUBLE_EQ(AusgangRohInEinheit(gKonfig, 1, 2047.5), 5.0);
}

TEST_F(Umrechnung, Output1At4095) {
  gKonfig.voutmax = 4.095;
  gKonfig.outmax[0] = 4.095;
  gKonfig.outskalamax[0] = 4.095;
  EXPECT_DOUBLE_EQ(AusgangRohInEinheit(gKonfig, 0, 4095.0), 4.095);
  EXPECT_DOUBLE_EQ(AusgangEinheitInRoh(gKonfig, 0, 1.0), 1000.0);
  EXPECT_DOUBLE_EQ(AusgangRohInEinheit(gKonfig, 0, 0.0), 0.0);
}

TEST_F(Umrechnung, PressureSensorOnInput1) {
  // Input 1 from 1.0 to 6.0 V into 0 to 1000 mbar.
  gKonfig.inmin[0] = 1.0;
  gKonfig.inmax[0] = 6.0;
  gKonfig.inskalamax[0] = 1000.0;
  EXPECT_DOUBLE_EQ(EingangRohInEinheit(gKonfig, 0, VoltInRoh(1.0, 10.0)), 0.0);
  EXPECT_DOUBLE_EQ(EingangRohInEinheit(gKonfig, 0, VoltInRoh(3.5, 10.0)), 500.0);
  EXPECT_NEAR(EingangRohInEinheit(gKonfig, 0, 0.0), -200.0, 1e-9);  // below the scaled range
  EXPECT_DOUBLE_EQ(EingangEinheitInRoh(gKonfig, 0, 1000.0), 2457.0);
  // The input side uses vinmax, not voutmax.
  gKonfig.voutmax = 4.095;
  EXPECT_DOUBLE_EQ(EingangEinheitInRoh(gKonfig, 0, 1000.0), 2457.0);
  gKonfig.vinmax = 5.0;
  EXPECT_DOUBLE_EQ(EingangEinheitInRoh(gKonfig, 0, 1000.0), 4914.0);
}

TEST_F(Umrechnung, RoundTripsOverTheWholeRawRange) {
  gKonfig = konfigtest::Beispiel();
  for (int kanal = 0; kanal < 4; ++kanal) {
    for (double roh = 0.0; roh <= 4095.0; roh += 117.0) {
      EXPECT_NEAR(AusgangEinheitInRoh(gKonfig, kanal, AusgangRohInEinheit(gKonfig, kanal, roh)),
                  roh, 1e-9);
      EXPECT_NEAR(EingangEinheitInRoh(gKonfig, kanal, EingangRohInEinheit(gKonfig, kanal, roh)),
                  roh, 1e-9);
    }
  }
}

TEST_F(Umrechnung, ZeroDivisorsGiveFiniteLowerEnds) {
  EXPECT_EQ(VoltInRoh(5.0, 0.0), 0.0);
  EXPECT_EQ(RohInVolt(4095.0, 0.0), 0.0);
  EXPECT_EQ(VoltInRoh(5.0, NAN), 0.0);

  Kanalskalierung gleicheVolt{2.0, 2.0, 10.0, 20.0};
  EXPECT_EQ(VoltInEinheit(gleicheVolt, 7.0), 10.0);
  EXPECT_EQ(EinheitInVolt(gleicheVolt, 15.0), 2.0);
  Kanalskalierung gleicheWerte{0.0, 10.0, 3.0, 3.0};
  EXPECT_EQ(VoltInEinheit(gleicheWerte, 7.0), 3.0);
  EXPECT_EQ(EinheitInVolt(gleicheWerte, 3.0), 0.0);
  Kanalskalierung ueberlauf{0.0, 1e-310, 0.0, 1e300};  // slope overflows to inf
  EXPECT_TRUE(std::isfinite(EinheitInVolt(ueberlauf, 1.0)));

  // The record the window allows: every channel degenerate, both full scales zero.
  for (int i = 0; i < 4; ++i) {
    gKonfig.outmax[i] = gKonfig.outmin[i];
    gKonfig.inmax[i] = gKonfig.inmin[i];
  }
  gKonfig.voutmax = 0.0;
  gKonfig.vinmax = 0.0;
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(std::isfinite(AusgangEinheitInRoh(gKonfig, i, 5.0)));
    EXPECT_TRUE(std::isfinite(AusgangRohInEinheit(gKonfig, i, 4095.0)));
    EXPECT_TRUE(std::isfinite(EingangEinheitInRoh(gKonfig, i, 5.0)));
    EXPECT_TRUE(std::isfinite(EingangRohInEinheit(gKonfig, i, 4095.0)));
  }
  EXPECT_EQ(AusgangEinheitInRoh(gKonfig, 0, 5.0), 0.0);
}

TEST_F(Umrechnung, ChannelOutsideTheFourIsIdentity) {
  gKonfig = konfigtest::Beispiel();
  gKonfig.voutmax = 10.0;
  gKonfig.vinmax = 10.0;
  for (int kanal : {-1, 4, 1000}) {
    EXPECT_DOUBLE_EQ(AusgangRohInEinheit(gKonfig, kanal, 4095.0), 10.0);
    EXPECT_DOUBLE_EQ(EingangEinheitInRoh(gKonfig, kanal, 5.0), 2047.5);
  }
}

}  // namespace
