// What the editors' dialogs share: modal, OK as the default button that ends them, and
// for the dialogs without a cancel button a QDialog that Escape and the title bar's close
// cannot end, so typed text is never lost by a stray key.
#pragma once

#include <QDialog>

class QPushButton;

namespace widgets {

class OhneAbbruchDialog : public QDialog {
 public:
  using QDialog::QDialog;
  void reject() override {}
};

// Modal, with `ok` as the default button that accepts it.
void DialogEinrichten(QDialog* dialog, QPushButton* ok);

}  // namespace widgets
