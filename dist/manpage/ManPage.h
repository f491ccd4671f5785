// Manual pages made from a program's --help text, so that the two cannot drift apart: a
// command added to the help (and to the tool's "Commands:" list) appears in the page at
// the next build.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace manpage {

// The commands a help text lists: the first word of each indented line of the block that
// follows a line "Commands:", up to the next blank line. Empty when there is no such block.
std::vector<std::string> ListedCommands(const std::string& help);

struct Page {
  std::string name;     // the program's name, as "miv3x"
  std::string version;  // shown in the page's footer
  std::string help;     // the output of "name --help"; its first line is "usage: ..."
  // Each listed command with the output of "name command --help".
  std::vector<std::pair<std::string, std::string>> commands;
  std::vector<std::string> seeAlso;  // other programs' names, all of section 1
};

// The page in the man macros: NAME (the program and the first sentence of the help's
// first paragraph), SYNOPSIS (the usage line), DESCRIPTION (the rest of the help as it
// stands), COMMANDS (each command's help without the paragraphs it shares with the
// program's help), SEE ALSO. Empty when the help has no usage line.
std::string Render(const Page& page);

// Text for a no-fill block: backslashes and minus signs escaped, and lines that would
// read as requests guarded.
std::string Escape(const std::string& text);

}  // namespace manpage
