// The characteristic's comment as the comment dialog and its preview field see it.
#pragma once

#include <string>

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

inline constexpr int kKommentarZeichen = 999;
inline constexpr int kKommentarVorschauZeichen = 30;

// Takes the dialog's text (cut to 999 characters). A text that differs from the comment
// marks the characteristic changed; returns true then.
bool KennlKommentarSetzen(Kennliniensitzung& sitzung, const std::string& text);
// The first 30 characters, for the preview field; the comment itself stays whole.
std::string KennlKommentarVorschau(Kennliniensitzung& sitzung);

}  // namespace characteristic
