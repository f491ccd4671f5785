// The toolbar images come from inside the program: started in a folder without images and
// with none beside the program, every image of src/ui/buttons loads at its full size.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "ui/Knopfbild.h"

namespace {

namespace fs = std::filesystem;

class KnopfbildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    vorher_ = fs::current_path();
    fs::current_path(tmp_.path());
  }
  void TearDown() override { fs::current_path(vorher_); }

 private:
  testsupport::TempDir tmp_;
  fs::path vorher_;
};

TEST_F(KnopfbildTest, EveryImageLoadsFromInsideTheProgram) {
  int anzahl = 0;
  for (const auto& eintrag : fs::directory_iterator(MIV_KNOPFBILDER)) {
    if (eintrag.path().extension() != ".bmp") continue;
    const QString name = QString::fromStdString(eintrag.path().stem().string());
    const QIcon bild = ui::Knopfbild(name);
    ASSERT_FALSE(bild.isNull()) << "not built in: " << name.toStdString();
    EXPECT_EQ(QSize(24, 24), bild.availableSizes().value(0)) << name.toStdString();
    ++anzahl;
  }
  EXPECT_GT(anzahl, 0);
}

TEST_F(KnopfbildTest, UnknownImageLeavesTheButtonItsText) {
  EXPECT_TRUE(ui::Knopfbild("gibt-es-nicht").isNull());
}

}  // namespace
