#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "curves/model/Titel.h"

namespace {

class TitelTest : public ::testing::Test {
 protected:
  void TearDown() override {
    curves::FenstertitelBinden({});
    curves::Fenstertitel("");
  }
};

TEST_F(TitelTest, EmptyPathGivesPlainTitle) {
  curves::Fenstertitel("");
  EXPECT_EQ(curves::FenstertitelText(), "Curve generator");
  EXPECT_EQ(curves::AktuellerDateiname(), "");
}

TEST_F(TitelTest, TitleShowsOnlyTheFileNamePart) {
  curves::Fenstertitel("/home/op/kurven/test1.wur");
  EXPECT_EQ(curves::FenstertitelText(), "Curve generator - test1.wur");
  EXPECT_EQ(curves::AktuellerDateiname(), "/home/op/kurven/test1.wur");
  curves::Fenstertitel("plain.wur");
  EXPECT_EQ(curves::FenstertitelText(), "Curve generator - plain.wur");
}

TEST_F(TitelTest, LongPathIsKeptWhole) {
  const std::string pfad = "/" + std::string(300, 'd') + "/k.wur";
  curves::Fenstertitel(pfad);
  EXPECT_EQ(curves::AktuellerDateiname(), pfad);
  EXPECT_EQ(curves::FenstertitelText(), "Curve generator - k.wur");
}

TEST_F(TitelTest, BoundDisplayFollowsEveryChange) {
  std::vector<std::string> gezeigt;
  curves::Fenstertitel("/a/x.wur");
  curves::FenstertitelBinden([&](const std::string& t) { gezeigt.push_back(t); });
  curves::Fenstertitel("/b/y.wur");
  curves::Fenstertitel("");
  ASSERT_EQ(gezeigt.size(), 3u);
  EXPECT_EQ(gezeigt[0], "Curve generator - x.wur");
  EXPECT_EQ(gezeigt[1], "Curve generator - y.wur");
  EXPECT_EQ(gezeigt[2], "Curve generator");
  curves::FenstertitelBinden({});
  curves::Fenstertitel("/c/z.wur");
  EXPECT_EQ(gezeigt.size(), 3u);
}

}  // namespace
