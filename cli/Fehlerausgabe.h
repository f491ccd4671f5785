// How miv3x reports a failure: "Error #<number>: <message>" on standard error, with the
// English text of the code's category.
#pragma once

#include <string>

namespace cli {

// The line for a code, without its line break; the message's own breaks become blanks.
std::string Fehlerzeile(int code);

// With --json a failure goes out as {"error": code, "message": text} instead of the line.
void JsonFehlerSetzen(bool an);

// Writes the line (or the JSON object) and returns kStatusFehler.
int FehlerMelden(int code);

// A bad command line: "miv3x: <grund>" and the command's usage; returns kStatusAufruf.
int AufrufFehlerMelden(const std::string& befehl, const std::string& grund);

}  // namespace cli
