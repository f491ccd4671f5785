// The modal progress box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>

#include "widgets/QtOperator.h"

namespace {

using widgets::QtOperator;

int SichtbareFortschrittsboxen() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QProgressDialog*>(w) && w->isVisible()) ++n;
  return n;
}

TEST(Fortschritt, ModalBoxWithCancelButton) {
  QtOperator op;
  op.progressOpen("Send data", "Writing curve");
  QProgressDialog* box = op.progressDialog();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(box->windowTitle(), "Send data");
  EXPECT_EQ(box->labelText(), "Writing curve");
  QPushButton* abbrechen = box->findChild<QPushButton*>();
  ASSERT_NE(abbrechen, nullptr);
  EXPECT_EQ(abbrechen->text(), "Cancel");
  EXPECT_EQ(box->value(), 0);
  EXPECT_EQ(QApplication::activeModalWidget(), box);
  op.progressClose();
}

TEST(Fortschritt, CancelIsAFlagUntilTheNextBox) {
  QtOperator op;
  op.progressOpen("Send data", "Send data");
  EXPECT_FALSE(op.progressCancelled());
  op.progressDialog()->findChild<QPushButton*>()->click();
  EXPECT_TRUE(op.progressCancelled());
  EXPECT_TRUE(op.progressCancelled());  // asked again between blocks: still cancelled
  op.progressOpen("Read data", "Read data");
  EXPECT_FALSE(op.progressCancelled());
  op.progressClose();
  EXPECT_FALSE(op.progressCancelled());  // no box, nothing to cancel
}

TEST(Fortschritt, ValuesInPercent) {
  QtOperator op;
  op.progressOpen("Read data", "");
  op.progressSet(40);
  EXPECT_EQ(op.progressDialog()->value(), 40);
  op.progressSet(100);
  EXPECT_EQ(op.progressDialog()->value(), 100);
  EXPECT_TRUE(op.progressDialog()->isVisible());  // full does not close it
  op.progressSet(250);
  EXPECT_EQ(op.progressDialog()->value(), 100);
  op.progressSet(-3);
  EXPECT_EQ(op.progressDialog()->value(), 0);
  op.progressClose();
}

TEST(Fortschritt, CloseAndReopen) {
  QtOperator op;
  op.progressSet(10);  // nothing open: ignored
  op.progressClose();
  op.progressOpen("A", "a");
  op.progressOpen("B", "b");  // at most one box
  EXPECT_EQ(SichtbareFortschrittsboxen(), 1);
  EXPECT_EQ(op.progressDialog()->windowTitle(), "B");
  op.progressClose();
  EXPECT_EQ(op.progressDialog(), nullptr);
  EXPECT_EQ(SichtbareFortschrittsboxen(), 0);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(Fortschritt, ReferenceWindowIsTheParent) {
  QWidget hauptfenster;
  hauptfenster.show();
  {
    QtOperator op;
    op.setReferenceWidget(&hauptfenster);
    op.progressOpen("Send data", "");
    EXPECT_EQ(op.progressDialog()->parentWidget(), &hauptfenster);
  }  // the operator closes an open box when it goes
  EXPECT_EQ(SichtbareFortschrittsboxen(), 0);
}

}  // namespace
