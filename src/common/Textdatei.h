// The pieces the text exports and imports of curves and characteristics share: writing a
// line, starting an export with its header, reading one line safely, refusing an import
// with a message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "common/Speicherdatei.h"

namespace common {

// The text and a "\n"; false on a short write.
bool ZeileSchreiben(Speicherdatei& datei, const char* text);

// Opens the export's temporary file and writes the header lines, written out before
// anything else follows. 0, fehlerOeffnen (the file cannot be made) or fehlerKopf.
int TextexportBeginnen(Speicherdatei& datei, std::span<const char* const> kopfzeilen,
                       int fehlerOeffnen, int fehlerKopf);

enum class Textzeile { Gelesen, Ende, Fehler };

// One line without its line break (and without a carriage return before it), cut to
// hoechstlaenge characters. `gelesen` counts the bytes read so far: a file that grows past
// any legal size while it is read ends as a read error. The file is read by one thread
// only, so characters are taken without locking each one.
Textzeile TextzeileLesen(std::FILE* f, std::string& zeile, std::int64_t& gelesen,
                         std::size_t hoechstlaenge);

// Shows the refusal in a box titled "Error while importing" and passes its code on.
[[gnu::format(printf, 2, 3)]] int ImportAblehnen(int code, const char* format, ...);

}  // namespace common
