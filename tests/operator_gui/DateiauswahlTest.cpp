// The file dialog: its set-up, a typed name, the forced extension, cancelling.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include "Modalhilfe.h"
#include "support/TempDir.h"
#include "widgets/QtOperator.h"

namespace {

using common::FileRequest;
using operatortest::Sobald;
using widgets::QtOperator;

class Dateiauswahl : public ::testing::Test {
 protected:
  void SetUp() override {
    vorher_ = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path().string()));
  }
  void TearDown() override { QDir::setCurrent(vorher_); }

  static FileRequest Speichern() {
    FileRequest r;
    r.title = "Save configuration";
    r.pattern = "*.wuo";
    r.mode = FileRequest::Mode::Save;
    r.forceExtension = true;
    r.confirmButton = "Save";
    return r;
  }
  static FileRequest Laden() {
    FileRequest r = Speichern();
    r.title = "Load configuration";
    r.mode = FileRequest::Mode::Load;
    r.confirmButton = "Load";
    return r;
  }
  // Types a name into the dialog's name field and presses Enter there, once the dialog
  // has read its folder, as an operator would: Qt's dialog ignores a name typed over the
  // pattern before that.
  static void NameEingeben(QFileDialog* d, const QString& name) {
    auto* modell = d->findChild<QFileSystemModel*>();
    if (modell != nullptr) {
      QSignalSpy geladen(modell, &QFileSystemModel::directoryLoaded);
      geladen.wait(1000);  // may have come already
    }
    auto* feld = d->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(feld, nullptr);
    feld->clear();
    QTest::keyClicks(feld, name);
    QTest::keyClick(feld, Qt::Key_Return);
  }
  std::string Pfad(const std::string& name) { return dir.file(name); }

  testsupport::TempDir dir;
  QString vorher_;
};

TEST_F(Dateiauswahl, SaveDialogSetUp) {
  QtOperator op;
  QString titel, name, knopf, ordner;
  QStringList filter;
  QFileDialog::AcceptMode modus = QFileDialog::AcceptOpen;
  bool nativ = true, nurLesen = true;
  Sobald<QFileDialog>([&](QFileDialog* d) {
    titel = d->windowTitle();
    filter = d->nameFilters();
    modus = d->acceptMode();
    knopf = d->labelText(QFileDialog::Accept);
    ordner = d->directory().absolutePath();
    nativ = d->testOption(QFileDialog::DontUseNativeDialog) == false;
    nurLesen = d->testOption(QFileDialog::ReadOnly);
    name = d->findChild<QLineEdit*>("fileNameEdit")->text();
    d->reject();
  });
  EXPECT_EQ(op.selectFile(Speichern()), std::nullopt);
  EXPECT_EQ(titel, "Save configuration");
  EXPECT_EQ(filter, QStringList{"*.wuo"});
  EXPECT_EQ(modus, QFileDialog::AcceptSave);
  EXPECT_EQ(knopf, "Save");
  EXPECT_EQ(QDir(ordner).canonicalPath(), QDir::current().canonicalPath());
  EXPECT_EQ(name, "*.wuo");
  EXPECT_FALSE(nativ);
  EXPECT_FALSE(nurLesen);
}

TEST_F(Dateiauswahl, AFileThatIsExtendedIsNotOfferedForReplacing) {
  QtOperator op;
  FileRequest r = Speichern();
  r.appends = true;
  bool fragt = true;
  QString name;
  Sobald<QFileDialog>([&](QFileDialog* d) {
    fragt = !d->testOption(QFileDialog::DontConfirmOverwrite);
    name = d->labelText(QFileDialog::FileName);
    d->reject();
  });
  EXPECT_EQ(op.selectFile(r), std::nullopt);
  EXPECT_FALSE(fragt);
  EXPECT_TRUE(name.contains("appended")) << name.toStdString();
}

TEST_F(Dateiauswahl, TypedNameGetsTheExtension) {
  QtOperator op;
  Sobald<QFileDialog>([](QFileDialog* d) { NameEingeben(d, "probe"); });
  auto pfad = op.selectFile(Speichern());
  ASSERT_TRUE(pfad);
  EXPECT_EQ(QDir(QString::fromStdString(*pfad)).canonicalPath(),
            QDir(QString::fromStdString(Pfad("probe.wuo"))).canonicalPath())
      << *pfad;
  EXPECT_EQ(QFileInfo(QString::fromStdString(*pfad)).fileName(), "probe.wuo");

  Sobald<QFileDialog>([](QFileDialog* d) { NameEingeben(d, "probe.txt"); });
  pfad = op.selectFile(Speichern());
  ASSERT_TRUE(pfad);
  EXPECT_EQ(QFileInfo(QString::fromStdString(*pfad)).fileName(), "probe.txt.wuo");

  Sobald<QFileDialog>([](QFileDialog* d) { NameEingeben(d, "Probe.WUO"); });
  pfad = op.selectFile(Speichern());
  ASSERT_TRUE(pfad);
  EXPECT_EQ(QFileInfo(QString::fromStdString(*pfad)).fileName(), "Probe.WUO");
}

TEST_F(Dateiauswahl, WithoutForcingTheNameStays) {
  QtOperator op;
  FileRequest r = Speichern();
  r.forceExtension = false;
  for (QString name : {"probe.txt", "probe"}) {
    Sobald<QFileDialog>([name](QFileDialog* d) { NameEingeben(d, name); });
    auto pfad = op.selectFile(r);
    ASSERT_TRUE(pfad) << name.toStdString();
    EXPECT_EQ(QFileInfo(QString::fromStdString(*pfad)).fileName(), name);
  }
}

TEST_F(Dateiauswahl, EveryDialogStartsWithThePatternAsItsName) {
  QtOperator op;
  for (auto modus : {FileRequest::Mode::Save, FileRequest::Mode::Load}) {
    for (bool erzwungen : {true, false}) {
      FileRequest r = Speichern();
      r.pattern = "*.txt";
      r.mode = modus;
      r.forceExtension = erzwungen;
      QString name;
      Sobald<QFileDialog>([&](QFileDialog* d) {
        name = d->findChild<QLineEdit*>("fileNameEdit")->text();
        d->reject();
      });
      EXPECT_EQ(op.selectFile(r), std::nullopt);
      EXPECT_EQ(name, "*.txt") << "load " << (modus == FileRequest::Mode::Load) << " forced "
                               << erzwungen;
    }
  }
}

TEST_F(Dateiauswahl, SeveralTypesAreOfferedAndTheFirstNamesTheFile) {
  QtOperator op;
  FileRequest r = Speichern();
  r.pattern = "*.txt;*.pwl";
  r.forceExtension = false;
  QStringList filter;
  QString name;
  Sobald<QFileDialog>([&](QFileDialog* d) {
    filter = d->nameFilters();
    name = d->findChild<QLineEdit*>("fileNameEdit")->text();
    NameEingeben(d, "quelle.pwl");
  });
  const auto pfad = op.selectFile(r);
  EXPECT_EQ(filter, (QStringList{"*.txt", "*.pwl"}));
  EXPECT_EQ(name, "*.txt");
  ASSERT_TRUE(pfad);
  EXPECT_EQ(QFileInfo(QString::fromStdString(*pfad)).fileName(), "quelle.pwl");
}

TEST_F(Dateiauswahl, LoadPicksAnExistingFile) {
  std::ofstream(Pfad("vorhanden.wuo")) << "x";
  QtOperator op;
  QString knopf;
  QFileDialog::FileMode modus = QFileDialog::AnyFile;
  Sobald<QFileDialog>([&](QFileDialog* d) {
    knopf = d->labelText(QFileDialog::Accept);
    modus = d->fileMode();
    NameEingeben(d, "vorhanden.wuo");
  });
  auto pfad = op.selectFile(Laden());
  ASSERT_TRUE(pfad);
  EXPECT_EQ(QFileInfo(QString::fromStdString(*pfad)).canonicalFilePath(),
            QFileInfo(QString::fromStdString(Pfad("vorhanden.wuo"))).canonicalFilePath());
  EXPECT_EQ(knopf, "Load");
  EXPECT_EQ(modus, QFileDialog::ExistingFile);
}

TEST_F(Dateiauswahl, CancelGivesNothing) {
  QtOperator op;
  Sobald<QFileDialog>([](QFileDialog* d) {
    auto* feld = d->findChild<QLineEdit*>("fileNameEdit");
    QTest::keyClicks(feld, "getippt");
    QTest::keyClick(feld, Qt::Key_Escape);
  });
  EXPECT_EQ(op.selectFile(Laden()), std::nullopt);
  EXPECT_TRUE(QDir::current().entryList(QDir::Files).isEmpty());
}

}  // namespace
