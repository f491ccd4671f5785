#include "widgets/Hilfefilter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "widgets/Direkthilfe.h"

namespace widgets {

HilfeFilter::HilfeFilter(QObject* parent) : QObject(parent) {}

void HilfeFilter::Anmelden(QWidget* control, const QString& text) {
  // The inner parts of a control (the line edit of a numeric field) get the clicks.
  QList<QWidget*> teile = control->findChildren<QWidget*>();
  teile.prepend(control);
  for (QWidget* teil : teile) {
    texte_[teil] = text;
    teil->installEventFilter(this);
    connect(teil, &QObject::destroyed, this, [this](QObject* o) { texte_.erase(o); });
  }
}

QString HilfeFilter::Text(const QWidget* control) const {
  auto it = texte_.find(control);
  return it == texte_.end() ? QString() : it->second;
}

bool HilfeFilter::eventFilter(QObject* watched, QEvent* event) {
  if (!widgets::HilfeAktiv()) return false;
  switch (event->type()) {
    // A press soon after the one that closed a help popup arrives as a double click only;
    // it is a click on this control all the same.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* maus = static_cast<QMouseEvent*>(event);
      if (maus->button() == Qt::LeftButton) {
        auto it = texte_.find(watched);
        if (it != texte_.end() && !it->second.isEmpty())
          widgets::Hilfetext(it->second.toStdString());
      }
      return true;
    }
    // Releases and keys would commit the control: not in help mode.
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}

}  // namespace widgets
