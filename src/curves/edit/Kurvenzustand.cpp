#include "curves/edit/Kurvenzustand.h"

#include "curves/edit/Ansicht.h"
#include "curves/edit/Editordialoge.h"
#include "curves/edit/Markierung.h"
#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Rueckgaengig.h"
#include "curves/model/Titel.h"
#include "curves/transfer/Anpassen.h"
#include "curves/transfer/Kurventransfer.h"

namespace curves {

int KurvenZustandZuruecksetzen() {
  AllokationsfehlerAusloesen(0);
  FenstertitelBinden({});
  UndoBefehleBinden({});
  KurvenLesenAnzeigeBinden({});
  YAchseNeuSkalierenBinden({});
  Fenstertitel("");
  AnsichtZuruecksetzen();
  MarkierungZuruecksetzen();
  return KurvenModellInitialisieren();
}

}  // namespace curves
