// The characteristic graph saved as a picture from the window's file menu: the visible
// part and the whole, as real files.
#include <gmock/gmock.h>

#include <QFile>

#include "Kennlfensterhilfen.h"
#include "characteristic/model/KennlTitel.h"
#include "support/TempDir.h"

namespace kennlfenster {
namespace {

using testing::HasSubstr;

class KennlBild : public KennlFensterTest {
 protected:
  testsupport::TempDir ordner;
};

TEST_F(KennlBild, SavesTheVisiblePartAndTheWhole) {
  characteristic::KennlFenstertitel(sitzung, ordner.file("regler.wue"));
  op.answerMessage(1);
  op.answerFile(ordner.file("sicht.png"));
  panel->Aktionen().BildSpeichern->trigger();
  EXPECT_FALSE(QImage(QString::fromStdString(ordner.file("sicht.png"))).isNull());

  op.answerMessage(2);
  op.answerFile(ordner.file("ganz.svg"));
  panel->Aktionen().BildSpeichern->trigger();
  QFile svg(QString::fromStdString(ordner.file("ganz.svg")));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const std::string text = svg.readAll().toStdString();
  for (const char* s : {"regler.wue", "Characteristic", "Input 2 [", "Output 1 ["})
    EXPECT_THAT(text, HasSubstr(s)) << s;
}

}  // namespace
}  // namespace kennlfenster
