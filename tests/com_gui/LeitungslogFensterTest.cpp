// The line log window: it follows the connection's exchanges, narrows them to one
// command, saves the whole log and clears it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QtTest/QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "device/Protokoll.h"
#include "device/gui/LeitungslogFenster.h"
#include "support/ScriptedOperator.h"
#include "support/TempDir.h"
#include "support_sim/SimPort.h"

namespace {

QStringList Zeilen(const QString& text) {
  return text.isEmpty() ? QStringList() : text.split('\n');
}

std::string Inhalt(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

long ZeilenImFile(const std::string& pfad) {
  const std::string text = Inhalt(pfad);
  return std::count(text.begin(), text.end(), '\n');
}

class LeitungslogFenster : public ::testing::Test {
 protected:
  void SetUp() override {
    char id[32] = {};
    ASSERT_EQ(device::ZORFYD1_IDLesen(v(), sim.port(), '1', id), 0);
    double wert = 0.0;
    ASSERT_EQ(device::ZORFYD1_EingangLesen(v(), sim.port(), '1', "e1", &wert), 0);
  }
  device::Verbindung& v() { return sim.verbindung(); }
  QPushButton* Knopf(const char* name) { return fenster.findChild<QPushButton*>(name); }

  testsupport::ScriptedOperator op;
  testsupport::TempDir ordner;
  testsupport::SimMemory sim;
  device::gui::LeitungslogFenster fenster{nullptr, widgets::Fensterumgebung{sim.verbindung(), &op}};
};

TEST_F(LeitungslogFenster, TheFilterShowsOneCommandAndNewFramesFollow) {
  fenster.show();
  EXPECT_EQ(Zeilen(fenster.Angezeigt()).size(), 6);

  auto* filter = fenster.findChild<QComboBox*>("FILTER");
  ASSERT_NE(filter, nullptr);
  ASSERT_EQ(filter->findData("IDR"), 1);  // offered in order after "All commands"
  filter->setCurrentIndex(filter->findData("V1R"));
  const QStringList v1r = Zeilen(fenster.Angezeigt());
  ASSERT_EQ(v1r.size(), 3);
  for (const QString& z : v1r) EXPECT_TRUE(z.contains("  V1R  ")) << z.toStdString();

  // Frames that come later show after the window's next redraw, under the same filter.
  double wert = 0.0;
  ASSERT_EQ(device::ZORFYD1_EingangLesen(v(), sim.port(), '1', "e2", &wert), 0);
  ASSERT_EQ(device::ZORFYD1_EingangLesen(v(), sim.port(), '1', "e1", &wert), 0);
  QTest::qWait(400);
  EXPECT_EQ(Zeilen(fenster.Angezeigt()).size(), 6);
  EXPECT_GE(filter->findData("V2R"), 0);

  filter->setCurrentIndex(0);
  EXPECT_EQ(Zeilen(fenster.Angezeigt()).size(), 12);
}

TEST_F(LeitungslogFenster, SaveWritesTheWholeLogAndClearEmptiesIt) {
  auto* filter = fenster.findChild<QComboBox*>("FILTER");
  filter->setCurrentIndex(filter->findData("IDR"));
  const std::string pfad = ordner.file("log.txt");
  op.answerFile(pfad);
  QTest::mouseClick(Knopf("SPEICHERN"), Qt::LeftButton);
  ASSERT_EQ(op.fileRequests.size(), 1u);
  EXPECT_TRUE(op.messages.empty());
  EXPECT_EQ(Inhalt(pfad), device::Leitungstext(v().Log()));
  EXPECT_EQ(ZeilenImFile(pfad), 6);

  QTest::mouseClick(Knopf("LEEREN"), Qt::LeftButton);
  EXPECT_EQ(v().Log().Anzahl(), 0u);
  EXPECT_TRUE(fenster.Angezeigt().isEmpty());
  // The saved file is the operator's; clearing leaves it.
  EXPECT_EQ(ZeilenImFile(pfad), 6);
}

TEST_F(LeitungslogFenster, AFileThatCannotBeWrittenIsSaidAndTheLogKept) {
  const std::string pfad = ordner.file("fehlt/log.txt");
  op.answerFile(pfad);
  QTest::mouseClick(Knopf("SPEICHERN"), Qt::LeftButton);
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_NE(op.lastMessageText().find("#308650"), std::string::npos) << op.lastMessageText();
  EXPECT_FALSE(std::filesystem::exists(ordner.file("fehlt")));
  EXPECT_EQ(v().Log().Anzahl(), 6u);
}

}  // namespace
