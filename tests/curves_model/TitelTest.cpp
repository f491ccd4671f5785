#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "curves/model/Titel.h"

namespace {

class TitelTest : public ::testing::Test {
 protected:
  curves::Kurvensitzung sitzung;
};

TEST_F(TitelTest, EmptyPathGivesPlainTitle) {
  curves::Fenstertitel(sitzung, "");
  EXPECT_EQ(curves::FenstertitelText(sitzung), "Curve generator");
  EXPECT_EQ(curves::AktuellerDateiname(sitzung), "");
}

TEST_F(TitelTest, TitleShowsOnlyTheFileNamePart) {
  curves::Fenstertitel(sitzung, "/home/op/kurven/test1.wur");
  EXPECT_EQ(curves::FenstertitelText(sitzung), "Curve generator - test1.wur");
  EXPECT_EQ(curves::AktuellerDateiname(sitzung), "/home/op/kurven/test1.wur");
  curves::Fenstertitel(sitzung, "plain.wur");
  EXPECT_EQ(curves::FenstertitelText(sitzung), "Curve generator - plain.wur");
}

TEST_F(TitelTest, LongPathIsKeptWhole) {
  const std::string pfad = "/" + std::string(300, 'd') + "/k.wur";
  curves::Fenstertitel(sitzung, pfad);
  EXPECT_EQ(curves::AktuellerDateiname(sitzung), pfad);
  EXPECT_EQ(curves::FenstertitelText(sitzung), "Curve generator - k.wur");
}

TEST_F(TitelTest, BoundDisplayFollowsEveryChange) {
  std::vector<std::string> gezeigt;
  curves::Fenstertitel(sitzung, "/a/x.wur");
  auto abo = sitzung.Titelmeldungen.Abonnieren([&](const std::string& t) { gezeigt.push_back(t); });
  gezeigt.push_back(curves::FenstertitelText(sitzung));
  curves::Fenstertitel(sitzung, "/b/y.wur");
  curves::Fenstertitel(sitzung, "");
  ASSERT_EQ(gezeigt.size(), 3u);
  EXPECT_EQ(gezeigt[0], "Curve generator - x.wur");
  EXPECT_EQ(gezeigt[1], "Curve generator - y.wur");
  EXPECT_EQ(gezeigt[2], "Curve generator");
  abo.Beenden();
  curves::Fenstertitel(sitzung, "/c/z.wur");
  EXPECT_EQ(gezeigt.size(), 3u);
}

}  // namespace
