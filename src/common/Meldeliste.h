// Any number of listeners for one kind of news. A listener is registered for as long as
// the Abo returned by Abonnieren lives, so a window unsubscribes by being destroyed. A
// list may die before its Abos and a listener may subscribe or unsubscribe others (or
// itself) while it is being told: it then only changes who hears the next Melden.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace common {

template <typename... Args>
class Meldeliste {
  using Hoerer = std::function<void(Args...)>;
  struct Eintrag {
    std::uint64_t nummer;
    std::shared_ptr<Hoerer> hoerer;
  };
  struct Liste {
    std::vector<Eintrag> eintraege;
    std::uint64_t naechsteNummer = 1;
  };

 public:
  // The registration of one listener; move-only, ends with its destruction or Beenden.
  class Abo {
   public:
    Abo() = default;
    Abo(Abo&& a) noexcept : liste_(std::move(a.liste_)), nummer_(std::exchange(a.nummer_, 0)) {}
    Abo& operator=(Abo&& a) noexcept {
      if (this != &a) {
        Beenden();
        liste_ = std::move(a.liste_);
        nummer_ = std::exchange(a.nummer_, 0);
      }
      return *this;
    }
    Abo(const Abo&) = delete;
    Abo& operator=(const Abo&) = delete;
    ~Abo() { Beenden(); }

    void Beenden() {
      if (auto l = liste_.lock()) {
        std::erase_if(l->eintraege, [this](const Eintrag& e) { return e.nummer == nummer_; });
      }
      liste_.reset();
      nummer_ = 0;
    }
    bool Aktiv() const { return !liste_.expired() && nummer_ != 0; }

   private:
    friend class Meldeliste;
    Abo(std::weak_ptr<Liste> l, std::uint64_t n) : liste_(std::move(l)), nummer_(n) {}
    std::weak_ptr<Liste> liste_;
    std::uint64_t nummer_ = 0;
  };

  Meldeliste() = default;
  // A copy of an owner starts with no listeners of its own.
  Meldeliste(const Meldeliste&) : liste_(std::make_shared<Liste>()) {}
  Meldeliste& operator=(const Meldeliste&) { return *this; }

  [[nodiscard]] Abo Abonnieren(Hoerer hoerer) {
    const std::uint64_t n = liste_->naechsteNummer++;
    liste_->eintraege.push_back({n, std::make_shared<Hoerer>(std::move(hoerer))});
    return Abo(liste_, n);
  }

  // Tells every listener registered now, in the order they subscribed. Holds the list and
  // each listener while it runs, so changes made by a listener cannot pull them away.
  void Melden(Args... args) const {
    const auto halt = liste_;
    const std::size_t anzahl = halt->eintraege.size();
    if (anzahl == 1) {  // the usual case: one window listens, no copy of the list
      const auto h = halt->eintraege.front().hoerer;
      if (*h) (*h)(args...);
      return;
    }
    std::vector<std::shared_ptr<Hoerer>> jetzt;
    jetzt.reserve(anzahl);
    for (const auto& e : halt->eintraege) jetzt.push_back(e.hoerer);
    for (const auto& h : jetzt) {
      if (*h && Angemeldet(*halt, h.get())) (*h)(args...);
    }
  }

  std::size_t Anzahl() const { return liste_->eintraege.size(); }

 private:
  // A listener unsubscribed by an earlier one during the same Melden is not told.
  static bool Angemeldet(const Liste& l, const Hoerer* h) {
    for (const auto& e : l.eintraege)
      if (e.hoerer.get() == h) return true;
    return false;
  }

  std::shared_ptr<Liste> liste_ = std::make_shared<Liste>();
};

}  // namespace common
