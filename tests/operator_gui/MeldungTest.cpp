// Message boxes: title, text, buttons in order, Enter, Escape, clicks.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "Modalhilfe.h"
#include "widgets/QtOperator.h"

namespace {

using common::MessageRequest;
using operatortest::Sobald;
using widgets::QtOperator;

QStringList Beschriftungen(QMessageBox* box) {
  QStringList l;
  for (QAbstractButton* b : box->buttons()) l << b->text();
  return l;
}

// Pressing a key on the box goes to the widget with the focus, as an operator's key would.
void Taste(QMessageBox* box, Qt::Key taste) {
  QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : box;
  QTest::keyClick(ziel, taste);
}

TEST(Meldung, TitleTextAndButtonsInOrder) {
  QtOperator op;
  QString titel, text;
  QStringList knoepfe;
  bool gelaufen = false;
  Sobald<QMessageBox>(
      [&](QMessageBox* box) {
        titel = box->windowTitle();
        text = box->text();
        knoepfe = Beschriftungen(box);
        box->close();
      },
      &gelaufen);
  op.message({"Reset values",
              "Do you want to delete all values\nand reset to default setting?",
              {"Yes", "No"},
              1,
              2});
  ASSERT_TRUE(gelaufen);
  EXPECT_EQ(titel, "Reset values");
  EXPECT_EQ(text, "Do you want to delete all values\nand reset to default setting?");
  EXPECT_EQ(knoepfe, (QStringList{"Yes", "No"}));
}

TEST(Meldung, EnterAnswersTheActiveButton) {
  QtOperator op;
  bool gelaufen = false;
  Sobald<QMessageBox>([](QMessageBox* box) { Taste(box, Qt::Key_Return); }, &gelaufen);
  EXPECT_EQ(op.message({"T", "x", {"load", "do not load"}, 1, 2}), 1);
  EXPECT_TRUE(gelaufen);

  Sobald<QMessageBox>([](QMessageBox* box) { Taste(box, Qt::Key_Enter); });
  EXPECT_EQ(op.message({"T", "x", {"a", "b", "c"}, 3, 1}), 3);
}

TEST(Meldung, EscapeAnswersTheEscapeButton) {
  QtOperator op;
  Sobald<QMessageBox>([](QMessageBox* box) { Taste(box, Qt::Key_Escape); });
  EXPECT_EQ(op.message({"T", "x", {"load", "do not load"}, 1, 2}), 2);

  // Closing the box counts as Escape.
  Sobald<QMessageBox>([](QMessageBox* box) { box->close(); });
  EXPECT_EQ(op.message({"T", "x", {"a", "b", "c"}, 1, 3}), 3);
}

TEST(Meldung, ClickedButtonGivesItsNumber) {
  QtOperator op;
  for (int nr = 1; nr <= 3; ++nr) {
    Sobald<QMessageBox>(
        [nr](QMessageBox* box) { QTest::mouseClick(box->buttons().at(nr - 1), Qt::LeftButton); });
    EXPECT_EQ(op.message({"T", "x", {"a", "b", "c"}, 1, 1}), nr);
  }
}

TEST(Meldung, MarkupIsShownAsText) {
  QtOperator op;
  Qt::TextFormat format = Qt::RichText;
  Sobald<QMessageBox>([&](QMessageBox* box) {
    format = box->textFormat();
    box->close();
  });
  op.message({"Error #1000001", "limit-comparition has to be >&<.", {"OK"}, 1, 1});
  EXPECT_EQ(format, Qt::PlainText);
}

TEST(Meldung, ShortTextBoxIsWideEnoughForItsTitle) {
  QtOperator op;
  int breite = 0;
  Sobald<QMessageBox>([&](QMessageBox* box) {
    breite = box->width();
    box->close();
  });
  // The first-run box: a short text under a longer title.
  const QString titel = "Error #-802201";
  op.message({titel.toStdString(), "INI-File not found", {"OK"}, 1, 1});
  QFont fett = QApplication::font();
  fett.setBold(true);
  EXPECT_GE(breite, QtOperator::titleWidth(titel));
  EXPECT_GT(QtOperator::titleWidth(titel), QFontMetrics(fett).horizontalAdvance(titel) + 100);
}

TEST(Meldung, OutOfRangeButtonNumbersAreKeptInside) {
  QtOperator op;
  QStringList knoepfe;
  Sobald<QMessageBox>([&](QMessageBox* box) {
    knoepfe = Beschriftungen(box);
    Taste(box, Qt::Key_Escape);
  });
  EXPECT_EQ(op.message({"T", "x", {}, 5, 9}), 1);  // no labels: one "OK"
  EXPECT_EQ(knoepfe, QStringList{"OK"});

  Sobald<QMessageBox>([](QMessageBox* box) { Taste(box, Qt::Key_Return); });
  EXPECT_EQ(op.message({"T", "x", {"a", "b"}, 7, 0}), 2);
}

TEST(Meldung, BoxBelongsToTheReferenceWindow) {
  QWidget hauptfenster;
  hauptfenster.show();
  QtOperator op;
  op.setReferenceWidget(&hauptfenster);
  QWidget* eltern = nullptr;
  Sobald<QMessageBox>([&](QMessageBox* box) {
    eltern = box->parentWidget();
    box->close();
  });
  op.message({"T", "x", {"OK"}, 1, 1});
  EXPECT_EQ(eltern, &hauptfenster);
}

}  // namespace
