#include "ManPage.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace manpage {

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// Paragraphs: runs of non-blank lines, each joined with newlines.
std::vector<std::string> Paragraphs(const std::string& text) {
  std::vector<std::string> result;
  std::string current;
  for (const std::string& line : Lines(text)) {
    if (line.empty()) {
      if (!current.empty()) result.push_back(current);
      current.clear();
    } else {
      current += current.empty() ? line : "\n" + line;
    }
  }
  if (!current.empty()) result.push_back(current);
  return result;
}

std::string Join(const std::vector<std::string>& paragraphs) {
  std::string text;
  for (const std::string& p : paragraphs) text += (text.empty() ? "" : "\n\n") + p;
  return text;
}

std::string UpperCase(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string NoFill(const std::string& text) {
  return ".nf\n" + Escape(text) + "\n.fi\n";
}

// The first sentence of a paragraph, on one line and without its full stop.
std::string FirstSentence(const std::string& paragraph) {
  std::string s = paragraph;
  std::replace(s.begin(), s.end(), '\n', ' ');
  const auto end = s.find(". ");
  if (end != std::string::npos) s.erase(end);
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s;
}

constexpr const char* kUsage = "usage: ";

}  // namespace

std::vector<std::string> ListedCommands(const std::string& help) {
  std::vector<std::string> commands;
  bool inBlock = false;
  for (const std::string& line : Lines(help)) {
    if (!inBlock) {
      inBlock = line == "Commands:";
      continue;
    }
    if (line.empty() || line[0] != ' ') break;
    std::istringstream words(line);
    std::string word;
    if (words >> word) commands.push_back(word);
  }
  return commands;
}

std::string Escape(const std::string& text) {
  std::string out;
  bool lineStart = true;
  for (char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
    lineStart = c == '\n';
  }
  return out;
}

std::string Render(const Page& page) {
  std::vector<std::string> paragraphs = Paragraphs(page.help);
  if (paragraphs.empty() || paragraphs[0].rfind(kUsage, 0) != 0) return "";
  const std::string synopsis = paragraphs[0].substr(std::string(kUsage).size());
  paragraphs.erase(paragraphs.begin());

  std::string roff = ".TH " + UpperCase(page.name) + " 1 \"\" \"" + page.name + " " + page.version +
                     "\" \"User Commands\"\n";
  roff += ".SH NAME\n" + Escape(page.name);
  if (!paragraphs.empty()) roff += " \\- " + Escape(FirstSentence(paragraphs[0]));
  roff += "\n.SH SYNOPSIS\n" + NoFill(synopsis);
  if (!paragraphs.empty()) roff += ".SH DESCRIPTION\n" + NoFill(Join(paragraphs));

  if (!page.commands.empty()) roff += ".SH COMMANDS\n";
  for (const auto& [command, help] : page.commands) {
    std::vector<std::string> own;
    for (const std::string& p : Paragraphs(help))
      if (std::find(paragraphs.begin(), paragraphs.end(), p) == paragraphs.end()) own.push_back(p);
    roff += ".SS " + Escape(command) + "\n" + NoFill(Join(own));
  }

  if (!page.seeAlso.empty()) {
    roff += ".SH SEE ALSO\n";
    for (std::size_t i = 0; i < page.seeAlso.size(); ++i)
      roff += "\\fB" + Escape(page.seeAlso[i]) + "\\fR(1)" +
              (i + 1 < page.seeAlso.size() ? ",\n" : "\n");
  }
  return roff;
}

}  // namespace manpage
