#include "curves/Ansicht.h"

namespace curves {

Sichtfenster gSicht;
Zeichenflaeche gZeichenflaeche;

}  // namespace curves
