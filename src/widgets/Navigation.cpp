#include "widgets/Navigation.h"

#include "widgets/Fensterumgebung.h"

namespace widgets {

void FensterZeigen(const Fensterumgebung& umgebung, Fenster fenster) {
  if (umgebung.Navigation) umgebung.Navigation->Fensterwahl.Melden(fenster);
}

bool AlleFensterAngeboten(const Fensterumgebung& umgebung) {
  return umgebung.Navigation && umgebung.Navigation->AlleFenster;
}

int ProgrammendeAnfragen(const Fensterumgebung& umgebung) {
  int antwort = -1;
  if (umgebung.Navigation) umgebung.Navigation->Endeanfragen.Melden(antwort);
  return antwort;
}

}  // namespace widgets
