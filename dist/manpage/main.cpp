// miv-manpage: writes a program's manual page from its --help text (see ManPage.h).
//   miv-manpage --program PATH --name NAME --version V --out FILE [--see-also NAME]...
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "ManPage.h"

namespace {

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// The standard output of a command line; false when it cannot run or fails.
bool Output(const std::string& command, std::string& out) {
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return false;
  char buffer[4096];
  out.clear();
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int Fail(const std::string& text) {
  std::cerr << "miv-manpage: " << text << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  manpage::Page page;
  std::string program, outFile;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i], value = argv[i + 1];
    if (option == "--program")
      program = value;
    else if (option == "--name")
      page.name = value;
    else if (option == "--version")
      page.version = value;
    else if (option == "--out")
      outFile = value;
    else if (option == "--see-also")
      page.seeAlso.push_back(value);
    else
      return Fail("unknown option " + option);
  }
  if (program.empty() || page.name.empty() || outFile.empty())
    return Fail("usage: miv-manpage --program PATH --name NAME --version V --out FILE");

  if (!Output(Quote(program) + " --help", page.help)) return Fail(program + " --help failed");
  for (const std::string& command : manpage::ListedCommands(page.help)) {
    std::string help;
    if (!Output(Quote(program) + " " + Quote(command) + " --help", help))
      return Fail(program + " " + command + " --help failed");
    page.commands.emplace_back(command, help);
  }
  const std::string roff = manpage::Render(page);
  if (roff.empty()) return Fail(program + " --help does not begin with a usage line");

  const std::string temporary = outFile + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << roff;
    if (!out.flush()) return Fail("cannot write " + temporary);
  }
  if (std::rename(temporary.c_str(), outFile.c_str()) != 0) return Fail("cannot write " + outFile);
  return 0;
}
