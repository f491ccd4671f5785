#include "curves/Ansicht.h"

namespace curves {

Sichtfenster gSicht;

}  // namespace curves
