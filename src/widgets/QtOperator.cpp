#include "widgets/QtOperator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <algorithm>
#include <vector>

#include "widgets/Hilfepopup.h"

namespace widgets {

namespace {

QString Text(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Painting only: the box must show its state while the caller goes on working.
void Zeichnen() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

int QtOperator::titleWidth(const QString& title) {
  // Window managers draw titles bold and often larger than the application font, beside
  // an icon and up to three buttons.
  QFont f = QApplication::font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() * 1.25);
  return QFontMetrics(f).horizontalAdvance(title) + 160;
}

void QtOperator::widenForTitle(QMessageBox& box) {
  // A short text makes a narrow box whose title the window manager cuts ("Er... 1"); a
  // spacer row across the grid keeps the box wide enough for the whole title.
  auto* gitter = qobject_cast<QGridLayout*>(box.layout());
  if (gitter == nullptr) return;
  gitter->addItem(
      new QSpacerItem(titleWidth(box.windowTitle()), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
      gitter->rowCount(), 0, 1, gitter->columnCount());
}

QtOperator::QtOperator() = default;

QtOperator::~QtOperator() {
  delete progress_;
}

void QtOperator::setReferenceWidget(QWidget* widget) {
  reference_ = widget;
}

int QtOperator::message(const common::MessageRequest& request) {
  std::vector<std::string> labels = request.buttons;
  if (labels.empty()) labels.push_back("OK");
  const int n = int(labels.size());
  const int aktiv = std::clamp(request.activeButton, 1, n);
  const int escape = std::clamp(request.escapeButton, 1, n);

  QMessageBox box(reference_);
  box.setWindowTitle(Text(request.title));
  box.setTextFormat(Qt::PlainText);  // texts like ">&<" are not markup
  box.setText(Text(request.text));
  box.setIcon(QMessageBox::NoIcon);
  std::vector<QPushButton*> knoepfe;
  for (const auto& label : labels)
    knoepfe.push_back(box.addButton(Text(label), QMessageBox::AcceptRole));
  box.setDefaultButton(knoepfe[aktiv - 1]);
  box.setEscapeButton(knoepfe[escape - 1]);
  widenForTitle(box);
  box.exec();

  auto gedrueckt = std::find(knoepfe.begin(), knoepfe.end(), box.clickedButton());
  if (gedrueckt == knoepfe.end()) return escape;
  return int(gedrueckt - knoepfe.begin()) + 1;
}

QString QtOperator::extension(const QString& pattern) {
  if (!pattern.startsWith(QLatin1String("*."))) return {};
  QString ext = pattern.mid(2);
  if (ext.isEmpty() || ext.contains(QLatin1Char('*')) || ext.contains(QLatin1Char('?')) ||
      ext.contains(QLatin1Char(' ')) || ext.contains(QLatin1Char(';')))
    return {};
  return ext;
}

std::optional<std::string> QtOperator::selectFile(const common::FileRequest& request) {
  const bool speichern = request.mode == common::FileRequest::Mode::Save;
  // "*.txt;*.pwl": one type entry each, the first also the default name.
  const QStringList typen = Text(request.pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts);
  const QString muster = typen.isEmpty() ? QString() : typen.first();
  const QString ext = request.forceExtension ? extension(muster) : QString();

  QFileDialog dialog(reference_, Text(request.title), QDir::currentPath());
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::ReadOnly, false);  // folders may be made
  dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!typen.isEmpty()) dialog.setNameFilters(typen);
  if (!ext.isEmpty()) dialog.setDefaultSuffix(ext);
  if (!request.confirmButton.empty())
    dialog.setLabelText(QFileDialog::Accept, Text(request.confirmButton));
  if (request.appends) {
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setLabelText(QFileDialog::FileName,
                        QStringLiteral("File name (new data are appended):"));
  }
  // The pattern as the default name, as every file dialog of the program starts.
  if (!extension(muster).isEmpty()) dialog.selectFile(muster);

  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList gewaehlt = dialog.selectedFiles();
  if (gewaehlt.isEmpty() || gewaehlt.first().isEmpty()) return std::nullopt;
  QString pfad = gewaehlt.first();
  // A name with another extension still gets the pattern's one.
  if (!ext.isEmpty() && QFileInfo(pfad).suffix().compare(ext, Qt::CaseInsensitive) != 0)
    pfad += QLatin1Char('.') + ext;
  return QFile::encodeName(pfad).toStdString();
}

void QtOperator::progressOpen(const std::string& title, const std::string& label) {
  progressClose();
  auto* box = new QProgressDialog(Text(label), QStringLiteral("Cancel"), 0, 100, reference_);
  box->setWindowTitle(Text(title));
  box->setWindowModality(Qt::ApplicationModal);
  abgebrochen_ = false;
  // The button only raises the flag; the transfer stops between two blocks.
  QObject::connect(box, &QProgressDialog::canceled, box, [this] { abgebrochen_ = true; });
  box->setMinimumDuration(0);
  box->setAutoClose(false);
  box->setAutoReset(false);
  box->setValue(0);
  progress_ = box;
  box->show();
  Zeichnen();
}

void QtOperator::progressSet(int percent) {
  if (!progress_) return;
  progress_->setValue(std::clamp(percent, 0, 100));
  // The box is application-modal: of the operator's input only its Cancel button is
  // reachable, so taking input here cannot start anything else.
  QCoreApplication::processEvents();
}

bool QtOperator::progressCancelled() {
  if (!progress_) return false;
  QCoreApplication::processEvents();
  return abgebrochen_;
}

void QtOperator::progressClose() {
  if (!progress_) return;
  progress_->hide();
  delete progress_;
  progress_ = nullptr;
}

QRect QtOperator::helpArea() const {
  if (reference_) return QRect(reference_->mapToGlobal(QPoint(0, 0)), reference_->size());
  QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

void QtOperator::help(const std::string& text) {
  Hilfepopup popup(Text(text), reference_);
  popup.Platzieren(QCursor::pos(), helpArea());
  popup.Ausfuehren();
}

}  // namespace widgets
