// plot and char-plot: a curve or characteristic file drawn as a PNG, SVG or PDF picture
// by the windows' own picture code, without a display.
#pragma once

#include <QCoreApplication>
#include <memory>
#include <string>

#include "Aufruf.h"

namespace cli {

// The application object a command needs: one with a window system (offscreen unless
// QT_QPA_PLATFORM says otherwise) for the picture commands, else a plain one.
std::unique_ptr<QCoreApplication> AnwendungAnlegen(const std::string& befehl, int& argc,
                                                   char** argv);

int KurvenBildZeichnen(const Aufruf& aufruf);
int KennlinienBildZeichnen(const Aufruf& aufruf);

}  // namespace cli
