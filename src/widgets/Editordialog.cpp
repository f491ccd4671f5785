#include "widgets/Editordialog.h"

#include <QPushButton>

namespace widgets {

void DialogEinrichten(QDialog* dialog, QPushButton* ok) {
  dialog->setModal(true);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
}

}  // namespace widgets
