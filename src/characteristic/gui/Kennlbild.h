// The characteristic graph as a picture: what the window shows (view and Y zoom), or the
// whole input and output range, for the shared picture commands.
#pragma once

#include "characteristic/model/Kennliniensitzung.h"
#include "common/Grafikinhalt.h"

namespace characteristic::gui {

bool KennlGrafikBeschreiben(Kennliniensitzung& sitzung, bool ganz, common::Grafikinhalt& inhalt);

}  // namespace characteristic::gui
