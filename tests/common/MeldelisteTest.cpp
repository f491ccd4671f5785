// Listener lists: every live Abo hears, a dead one does not, and changes made while the
// news is told neither crash nor reach the news already under way.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "common/Meldeliste.h"

namespace {

using Liste = common::Meldeliste<int>;

TEST(Meldeliste, EveryLiveListenerHearsInOrderUntilItsAboEnds) {
  Liste liste;
  std::vector<int> gehoert;
  auto a = liste.Abonnieren([&](int x) { gehoert.push_back(x); });
  std::optional<Liste::Abo> b = liste.Abonnieren([&](int x) { gehoert.push_back(10 * x); });
  liste.Melden(1);
  b.reset();
  liste.Melden(2);
  Liste::Abo c = std::move(a);  // moving keeps the registration
  liste.Melden(3);
  EXPECT_EQ(gehoert, (std::vector<int>{1, 10, 2, 3}));
  EXPECT_EQ(liste.Anzahl(), 1u);
  c.Beenden();
  EXPECT_FALSE(c.Aktiv());
  liste.Melden(4);
  EXPECT_EQ(gehoert.size(), 4u);
}

TEST(Meldeliste, ChangesDuringMeldenTakeEffectNextTime) {
  Liste liste;
  std::vector<int> gehoert;
  std::optional<Liste::Abo> zweiter, neuer;
  auto erster = liste.Abonnieren([&](int x) {
    gehoert.push_back(x);
    zweiter.reset();  // unsubscribes the next listener before it is told
    if (!neuer) neuer = liste.Abonnieren([&](int y) { gehoert.push_back(100 + y); });
  });
  zweiter = liste.Abonnieren([&](int x) { gehoert.push_back(-x); });
  liste.Melden(1);
  liste.Melden(2);
  EXPECT_EQ(gehoert, (std::vector<int>{1, 2, 102}));
}

TEST(Meldeliste, AboOutlivesItsListAndAListenerMayEndItself) {
  std::optional<Liste::Abo> selbst;
  {
    auto liste = std::make_unique<Liste>();
    int gehoert = 0;
    selbst = liste->Abonnieren([&](int) {
      ++gehoert;
      selbst->Beenden();
    });
    liste->Melden(1);
    liste->Melden(2);
    EXPECT_EQ(gehoert, 1);
    selbst = liste->Abonnieren([](int) {});
  }
  EXPECT_FALSE(selbst->Aktiv());
  selbst.reset();  // ending after the list is gone is harmless
}

}  // namespace
