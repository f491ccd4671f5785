#include "widgets/Kommentardialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "ui_KOMM1PNL.h"
#include "widgets/Editordialog.h"

namespace widgets {

Kommentardialog::Kommentardialog(QWidget* fenster)
    : dialog_(new OhneAbbruchDialog(fenster)), ui_(new Ui::KOMM1PNL) {
  ui_->setupUi(dialog_);
  DialogEinrichten(dialog_, ui_->OK);
  // The text box takes at most 999 characters.
  auto* text = ui_->TEXT;
  QObject::connect(text, &QPlainTextEdit::textChanged, text, [text] {
    const QString inhalt = text->toPlainText();
    if (inhalt.size() <= kKommentarZeichen) return;
    QTextCursor c = text->textCursor();
    const int pos = std::min<int>(c.position(), kKommentarZeichen);
    text->setPlainText(inhalt.left(kKommentarZeichen));
    c = text->textCursor();
    c.setPosition(pos);
    text->setTextCursor(c);
  });
}

Kommentardialog::~Kommentardialog() = default;

std::string Kommentardialog::Zeigen(const QString& titel, const std::string& kommentar) {
  dialog_->setWindowTitle(titel);
  ui_->TEXT->setPlainText(QString::fromLatin1(kommentar));
  dialog_->exec();
  std::string neu = ui_->TEXT->toPlainText().left(kKommentarZeichen).toLatin1().toStdString();
  dialog_->hide();
  return neu;
}

}  // namespace widgets
