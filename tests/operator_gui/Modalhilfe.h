// Drives modal boxes from inside their own event loops: a check runs as soon as a widget
// of the wanted type is shown, before the call that opened it returns.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace operatortest {

// Waits (polling from timers) for a visible top-level widget of type T, then runs the
// action on it. Gives up after about five seconds, so a box that never shows fails the
// test instead of hanging it; the flag tells whether the action ran.
template <typename T>
void Sobald(std::function<void(T*)> aktion, bool* gelaufen = nullptr, int versuche = 500) {
  QTimer::singleShot(10, [aktion, gelaufen, versuche] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) {
        if (gelaufen) *gelaufen = true;
        aktion(t);
        return;
      }
    }
    if (versuche > 0) {
      Sobald<T>(aktion, gelaufen, versuche - 1);
    } else {
      // Nothing appeared: close whatever modal box there is so the test can go on.
      if (QWidget* m = QApplication::activeModalWidget()) m->close();
    }
  });
}

}  // namespace operatortest
