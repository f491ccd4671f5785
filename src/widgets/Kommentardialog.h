// The comment dialog of both editors (KOMM1PNL): a text box of at most 999 characters and
// an OK button, no cancel.
#pragma once

#include <QString>
#include <memory>
#include <string>

class QDialog;
class QWidget;
namespace Ui {
class KOMM1PNL;
}

namespace widgets {

inline constexpr int kKommentarZeichen = 999;

class Kommentardialog {
 public:
  explicit Kommentardialog(QWidget* fenster);
  ~Kommentardialog();

  // Shows the comment under the title until OK; returns the text as a stored comment (at
  // most 999 characters, one byte each, lines joined with a line feed).
  std::string Zeigen(const QString& titel, const std::string& kommentar);

  QDialog* Fenster() const { return dialog_; }
  Ui::KOMM1PNL& Ui() { return *ui_; }

 private:
  QDialog* dialog_;
  std::unique_ptr<Ui::KOMM1PNL> ui_;
};

}  // namespace widgets
