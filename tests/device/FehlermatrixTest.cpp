// Every fault the simulator plays against every command class: each ends with its own code
// within its time-outs, and the next command goes through.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <tuple>

#include "Kommandos.h"
#include "support_sim/SimPort.h"

namespace {

using devicetest::Kommando;
using sim::Fault;
using sim::FaultKind;

enum class Art { Nak, Can, Stille, Byte, Verstuemmelt, Gekuerzt, Echo, Pruefsumme, Verspaetet };

const char* Name(Art a) {
  switch (a) {
    case Art::Nak:
      return "nak";
    case Art::Can:
      return "can";
    case Art::Stille:
      return "silence";
    case Art::Byte:
      return "byte";
    case Art::Verstuemmelt:
      return "garble";
    case Art::Gekuerzt:
      return "truncate";
    case Art::Echo:
      return "echo";
    case Art::Pruefsumme:
      return "checksum";
    case Art::Verspaetet:
      return "delay";
  }
  return "?";
}

Fault Stoerung(Art a, const std::string& befehl) {
  Fault f;
  f.command = befehl;
  switch (a) {
    case Art::Nak:
      f.kind = FaultKind::Nak;
      break;
    case Art::Can:
      f.kind = FaultKind::Can;
      break;
    case Art::Stille:
      f.kind = FaultKind::Silence;
      break;
    case Art::Byte:
      f.kind = FaultKind::WrongByte;
      break;
    case Art::Verstuemmelt:
      f.kind = FaultKind::Garble;
      f.position = 0;  // the '#' of the data reply
      break;
    case Art::Gekuerzt:
      f.kind = FaultKind::Truncate;
      break;
    case Art::Echo:
      f.kind = FaultKind::WrongEcho;
      break;
    case Art::Pruefsumme:
      f.kind = FaultKind::WrongChecksum;
      break;
    case Art::Verspaetet:
      f.kind = FaultKind::Delay;
      f.delayMs = 150;  // beyond the 0.1 s time-out
      break;
  }
  return f;
}

// What the faults on the data reply give, per command class: garble, truncate, echo,
// checksum. A fault the reply does not carry leaves the command a success; a reply one
// character shorter may still be a good one.
struct Antwortcodes {
  int verstuemmelt, gekuerzt, echo, pruefsumme;
};
const std::map<std::string, Antwortcodes> kAntwortcodes = {
    {"IDLesen", {-404015, 0, -404015, 0}},
    {"DeviceFunction", {0, 0, 0, 0}},
    {"EingangLesen", {-404054, 0, -404054, 0}},
    {"AusgangSchreiben", {0, 0, 0, 0}},
    {"ParameterLesen", {-404091, 0, -404091, 0}},
    {"SpeicherLesen", {-404107, -404106, -404107, -406114}},
    {"SpeicherSchreiben", {0, 0, 0, 0}},
    {"StatusLesen", {-404145, -404145, -404147, 0}},
    {"ModusLesen", {-404159, -404159, -404159, 0}},
    {"ModusSchreiben", {0, 0, 0, 0}},
};

int Erwartet(Art a, const Kommando& k) {
  const Antwortcodes& c = kAntwortcodes.at(k.name);
  switch (a) {
    case Art::Nak:
      return k.nak;
    case Art::Can:
      return k.can;
    case Art::Stille:
      return k.stille;
    case Art::Byte:
      return k.anderesByte;
    case Art::Verstuemmelt:
      return c.verstuemmelt;
    case Art::Gekuerzt:
      return c.gekuerzt;
    case Art::Echo:
      return c.echo;
    case Art::Pruefsumme:
      return c.pruefsumme;
    case Art::Verspaetet:
      return k.stille;
  }
  return 1;
}

std::vector<Kommando> Klassen() {
  std::vector<Kommando> v;
  for (const auto& k : devicetest::alleKommandos())
    if (kAntwortcodes.count(k.name)) v.push_back(k);
  return v;
}

class Fehlermatrix : public ::testing::TestWithParam<std::tuple<Art, Kommando>> {};

TEST_P(Fehlermatrix, EigenerCodeUndDerNaechsteBefehlGelingt) {
  const auto& [art, k] = GetParam();
  testsupport::SimPortOptions o;
  o.timeout = 0.1;
  testsupport::SimPort sim(o);
  sim.engine().inject(Stoerung(art, k.frame.substr(2, 3)));
  const auto anfang = std::chrono::steady_clock::now();
  EXPECT_EQ(k.aufruf(sim.verbindung(), sim.port(), '1'), Erwartet(art, k));
  // Bounded by the time-out: no fault makes a command wait for ever.
  EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(3));
  EXPECT_EQ(k.aufruf(sim.verbindung(), sim.port(), '1'), 0);
}

INSTANTIATE_TEST_SUITE_P(JedeStoerung, Fehlermatrix,
                         ::testing::Combine(::testing::Values(Art::Nak, Art::Can, Art::Stille,
                                                              Art::Byte, Art::Verstuemmelt,
                                                              Art::Gekuerzt, Art::Echo,
                                                              Art::Pruefsumme, Art::Verspaetet),
                                            ::testing::ValuesIn(Klassen())),
                         [](const auto& info) {
                           return std::string(Name(std::get<0>(info.param))) + "_" +
                                  std::get<1>(info.param).name;
                         });

}  // namespace
