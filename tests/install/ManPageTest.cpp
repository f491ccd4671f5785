// Manual pages from help texts: the commands a help lists, the page's sections, and text
// that would otherwise read as formatting requests.
#include <gtest/gtest.h>

#include "ManPage.h"

namespace {

const char* const kHelp = R"(usage: tool <command> [arguments]

Does things with files. Also other things.

Commands:
  list                 list them
  copy    FROM TO      copy one

Exit status: 0 on success.
)";

TEST(ManPageTest, CommandsAreTheFirstWordsOfTheCommandsBlock) {
  EXPECT_EQ((std::vector<std::string>{"list", "copy"}), manpage::ListedCommands(kHelp));
  EXPECT_TRUE(manpage::ListedCommands("usage: x\n\n  --help  this text\n").empty());
}

TEST(ManPageTest, PageHasNameSynopsisDescriptionAndEachCommand) {
  manpage::Page page{"tool",
                     "1.3",
                     kHelp,
                     {{"list", "usage: tool list\n\nLists them.\n\nExit status: 0 on success.\n"},
                      {"copy", "usage: tool copy FROM TO\n\nCopies one.\n"}},
                     {"other"}};
  const std::string roff = manpage::Render(page);
  EXPECT_EQ(0u, roff.find(".TH TOOL 1 \"\" \"tool 1.3\" \"User Commands\"\n"));
  EXPECT_NE(std::string::npos, roff.find(".SH NAME\ntool \\- Does things with files\n"));
  EXPECT_NE(std::string::npos, roff.find(".SH SYNOPSIS\n.nf\ntool <command> [arguments]\n.fi\n"));
  EXPECT_NE(std::string::npos, roff.find("  copy    FROM TO      copy one\n"));
  EXPECT_NE(std::string::npos,
            roff.find(".SS list\n.nf\nusage: tool list\n\nLists them.\n.fi\n.SS copy\n"));
  // The paragraph the command shares with the program's help stands once only.
  EXPECT_EQ(roff.find("Exit status"), roff.rfind("Exit status"));
  EXPECT_NE(std::string::npos, roff.find(".SH SEE ALSO\n\\fBother\\fR(1)\n"));
}

TEST(ManPageTest, HelpWithoutUsageLineGivesNoPage) {
  EXPECT_EQ("", manpage::Render({"tool", "1", "Does things.\n", {}, {}}));
  EXPECT_EQ("", manpage::Render({"tool", "1", "", {}, {}}));
}

TEST(ManPageTest, TextCannotTurnIntoRequests) {
  EXPECT_EQ("\\-\\-port P\n\\&.TH not a title\n\\&'x\na\\eb",
            manpage::Escape("--port P\n.TH not a title\n'x\na\\b"));
}

}  // namespace
