#include "characteristic/gui/Kennlbild.h"

#include "characteristic/edit/KennlGrafikinhalt.h"
#include "characteristic/model/KennlTitel.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic::gui {

bool KennlGrafikBeschreiben(Kennliniensitzung& sitzung, bool ganz, common::Grafikinhalt& inhalt) {
  const Kennliniendaten& gKennl = sitzung.gKennl;
  KennlGrafikbereich bereich;
  if (!ganz)
    bereich = {gKennl.XStart, gKennl.XEnde + 1.0, static_cast<double>(gKennl.YZoomMin),
               static_cast<double>(gKennl.YZoomMax)};
  inhalt =
      KennlGrafikinhalt(sitzung.Konfig.gKonfig, gKennl.Kennl, bereich, KennlDateiname(sitzung));
  return true;
}

}  // namespace characteristic::gui
