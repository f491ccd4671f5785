// The help and usage texts of miv3x.
#pragma once

#include <string>

namespace cli {

// The whole tool: every command in a line or two.
const std::string& Werkzeughilfe();

// One command's description, "" for an unknown command.
std::string Befehlshilfe(const std::string& befehl);

// The short form shown with a bad call: the command's synopsis, or the tool's list of
// commands when befehl is empty, and where to read more.
std::string Aufrufhinweis(const std::string& befehl);

}  // namespace cli
