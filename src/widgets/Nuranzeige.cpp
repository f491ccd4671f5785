#include "widgets/Nuranzeige.h"

#include <QEvent>
#include <QWidget>

#include "widgets/Direkthilfe.h"

namespace widgets {
namespace {

class Nuranzeige : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (widgets::HilfeAktiv()) return false;
    switch (ereignis->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
        return true;
      default:
        return QObject::eventFilter(objekt, ereignis);
    }
  }
};

}  // namespace

void NurAnzeigen(QWidget* feld) {
  feld->installEventFilter(new Nuranzeige(feld));
}

}  // namespace widgets
