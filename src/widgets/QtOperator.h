// The operator interface of the windowed program: Qt message boxes, file dialogs, the
// modal progress box and the direct-help popup.
#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <QRect>
#include <QString>
#include <QWidget>

class QMessageBox;

#include "common/OperatorInterface.h"

namespace widgets {

class QtOperator : public common::OperatorInterface {
 public:
  QtOperator();
  ~QtOperator() override;
  QtOperator(const QtOperator&) = delete;
  QtOperator& operator=(const QtOperator&) = delete;

  // The main window: parent of every box and the area help popups open in. Without it the
  // boxes have no parent and help popups use the screen under the mouse.
  void setReferenceWidget(QWidget* widget);
  QWidget* referenceWidget() const { return reference_; }

  int message(const common::MessageRequest& request) override;
  std::optional<std::string> selectFile(const common::FileRequest& request) override;
  void progressOpen(const std::string& title, const std::string& label) override;
  void progressSet(int percent) override;
  void progressClose() override;
  bool progressCancelled() override;
  void help(const std::string& text) override;

  // The progress box while one is open, else nullptr.
  QProgressDialog* progressDialog() const { return progress_; }

  // "*.wuo" -> "wuo"; empty when the pattern names no single extension.
  static QString extension(const QString& pattern);
  // The least width of a message box whose title bar shows the whole title.
  static int titleWidth(const QString& title);

 private:
  static void widenForTitle(QMessageBox& box);
  QRect helpArea() const;

  QPointer<QWidget> reference_;
  QPointer<QProgressDialog> progress_;
  bool abgebrochen_ = false;
};

}  // namespace widgets
