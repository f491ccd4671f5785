// The direct-help popup: placement towards the middle, closing on the next click.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QTest>

#include "Modalhilfe.h"
#include "widgets/Hilfepopup.h"
#include "widgets/QtOperator.h"

namespace {

using operatortest::Sobald;
using widgets::Hilfepopup;
using widgets::QtOperator;

TEST(Hilfeposition, OpensTowardsTheMiddle) {
  const QSize bereich(400, 300), popup(120, 40);
  EXPECT_EQ(Hilfepopup::Position({50, 60}, bereich, popup), QPoint(50, 60));
  EXPECT_EQ(Hilfepopup::Position({350, 60}, bereich, popup), QPoint(230, 60));
  EXPECT_EQ(Hilfepopup::Position({50, 250}, bereich, popup), QPoint(50, 210));
  EXPECT_EQ(Hilfepopup::Position({350, 250}, bereich, popup), QPoint(230, 210));
  // Exactly on the middle is not right of it nor below it.
  EXPECT_EQ(Hilfepopup::Position({200, 150}, bereich, popup), QPoint(200, 150));
  EXPECT_EQ(Hilfepopup::Position({201, 151}, bereich, popup), QPoint(81, 111));
}

TEST(Hilfepopup, SizedToItsText) {
  Hilfepopup p("Direct help mode activated!\nTo quit click the '?' icon.");
  EXPECT_EQ(p.label()->text(), "Direct help mode activated!\nTo quit click the '?' icon.");
  EXPECT_EQ(p.label()->pos(), QPoint(5, 5));
  EXPECT_EQ(p.size(), p.label()->size() + QSize(10, 10));
  EXPECT_TRUE(p.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(p.windowType(), Qt::Popup);
}

class Hilfe : public ::testing::Test {
 protected:
  void SetUp() override {
    hauptfenster.setGeometry(100, 80, 600, 400);
    hauptfenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hauptfenster));
    op.setReferenceWidget(&hauptfenster);
  }
  // Shows a help text with the mouse at pos (relative to the main window) and returns the
  // popup's geometry relative to the main window, closing it with a click.
  QRect Zeigen(QPoint pos, const QString& text, bool* gelaufen) {
    QCursor::setPos(hauptfenster.mapToGlobal(pos));
    QRect geometrie;
    Sobald<Hilfepopup>(
        [&](Hilfepopup* p) {
          geometrie = QRect(hauptfenster.mapFromGlobal(p->pos()), p->size());
          QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(2, 2));
        },
        gelaufen);
    op.help(text.toStdString());
    return geometrie;
  }
  QWidget hauptfenster;
  QtOperator op;
};

TEST_F(Hilfe, PlacedAtTheMouseTowardsTheMiddle) {
  QCursor::setPos(hauptfenster.mapToGlobal(QPoint(7, 9)));
  if (QCursor::pos() != hauptfenster.mapToGlobal(QPoint(7, 9)))
    GTEST_SKIP() << "this platform does not move the mouse";
  bool gelaufen = false;
  QRect oben = Zeigen({40, 30}, "The unit definition for the output size.", &gelaufen);
  ASSERT_TRUE(gelaufen);
  EXPECT_EQ(oben.topLeft(), QPoint(40, 30));

  QRect unten = Zeigen({560, 370}, "The unit definition for the output size.", &gelaufen);
  EXPECT_EQ(unten.bottomRight() + QPoint(1, 1), QPoint(560, 370));
  EXPECT_EQ(unten.size(), oben.size());
}

TEST_F(Hilfe, ClosedByTheNextClick) {
  bool gelaufen = false;
  Zeigen({40, 30}, "Resets all input fields to the default values\n( 0 to 10V ).", &gelaufen);
  ASSERT_TRUE(gelaufen);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(qobject_cast<Hilfepopup*>(w) && w->isVisible());
}

TEST_F(Hilfe, TheClickThatOpenedItIsNotTheOneThatClosesIt) {
  // The left button is still down from the click on the control; its release keeps the
  // popup open, only the next press closes it.
  QCursor::setPos(hauptfenster.mapToGlobal(QPoint(40, 30)));
  bool nachLoslassenOffen = false;
  Sobald<Hilfepopup>([&](Hilfepopup* p) {
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(2, 2));
    nachLoslassenOffen = p->isVisible();
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(3, 3));
  });
  op.help("Direct help mode activated!\nTo quit click the '?' icon.");
  EXPECT_TRUE(nachLoslassenOffen);
}

TEST_F(Hilfe, OnlyTheLeftButtonCloses) {
  QCursor::setPos(hauptfenster.mapToGlobal(QPoint(40, 30)));
  bool nachRechtsOffen = false;
  bool nachMitteOffen = false;
  Sobald<Hilfepopup>([&](Hilfepopup* p) {
    QTest::mouseClick(p, Qt::RightButton, {}, QPoint(2, 2));
    nachRechtsOffen = p->isVisible();
    QTest::mouseClick(p, Qt::MiddleButton, {}, QPoint(2, 2));
    nachMitteOffen = p->isVisible();
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(3, 3));
  });
  op.help("The unit definition for the input size.");
  EXPECT_TRUE(nachRechtsOffen);
  EXPECT_TRUE(nachMitteOffen);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Hilfe, EscapeAlsoCloses) {
  bool gelaufen = false;
  Sobald<Hilfepopup>([](Hilfepopup* p) { QTest::keyClick(p, Qt::Key_Escape); }, &gelaufen);
  op.help("text");
  EXPECT_TRUE(gelaufen);
}

}  // namespace
