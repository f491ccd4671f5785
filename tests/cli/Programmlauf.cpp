#include "Programmlauf.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

extern char** environ;

namespace clitest {
namespace {

// Reads what is there; false at the end of the stream (EOF, or EIO of a pty whose other
// side has closed).
bool Lesen(int fd, std::string& ziel) {
  char puffer[4096];
  const ssize_t n = read(fd, puffer, sizeof puffer);
  if (n > 0) {
    ziel.append(puffer, static_cast<std::size_t>(n));
    return true;
  }
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return true;
  return false;
}

}  // namespace

Lauf Miv3x(const std::vector<std::string>& argumente, const Laufoptionen& optionen,
           const Laufsteuerung& steuerung) {
  // Everything the child needs is built before the fork: the test process runs threads.
  std::vector<std::string> texte{MIV3X_PROGRAMM};
  texte.insert(texte.end(), argumente.begin(), argumente.end());
  std::vector<char*> argv;
  for (auto& t : texte) argv.push_back(t.data());
  argv.push_back(nullptr);
  std::vector<std::string> umgebung;
  for (char** e = environ; *e; ++e) umgebung.emplace_back(*e);
  umgebung.insert(umgebung.end(), optionen.umgebung.begin(), optionen.umgebung.end());
  std::vector<char*> envp;
  for (auto& u : umgebung) envp.push_back(u.data());
  envp.push_back(nullptr);

  int aus[2];
  if (pipe2(aus, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  int fehlerLesen = -1;
  int fehlerSchreiben = -1;
  if (optionen.fehlerAufTerminal) {
    fehlerLesen = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fehlerLesen < 0 || grantpt(fehlerLesen) != 0 || unlockpt(fehlerLesen) != 0)
      throw std::runtime_error("pty");
    fehlerSchreiben = open(ptsname(fehlerLesen), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fehlerSchreiben < 0) throw std::runtime_error("pty slave");
  } else {
    int f[2];
    if (pipe2(f, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    fehlerLesen = f[0];
    fehlerSchreiben = f[1];
  }

  const pid_t kind = fork();
  if (kind < 0) throw std::runtime_error("fork");
  if (kind == 0) {
    dup2(aus[1], STDOUT_FILENO);
    dup2(fehlerSchreiben, STDERR_FILENO);
    if (!steuerung.ordner.empty() && chdir(steuerung.ordner.c_str()) != 0) _exit(126);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(aus[1]);
  close(fehlerSchreiben);

  Lauf lauf;
  bool unterbrochen = false;
  bool ausOffen = true;
  bool fehlerOffen = true;
  const auto frist = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (ausOffen || fehlerOffen) {
    if (std::chrono::steady_clock::now() > frist) {
      kill(kind, SIGKILL);
      break;
    }
    pollfd fds[2] = {{ausOffen ? aus[0] : -1, POLLIN, 0},
                     {fehlerOffen ? fehlerLesen : -1, POLLIN, 0}};
    if (poll(fds, 2, 200) < 0 && errno != EINTR) break;
    if (ausOffen && fds[0].revents) ausOffen = Lesen(aus[0], lauf.aus);
    if (fehlerOffen && fds[1].revents) fehlerOffen = Lesen(fehlerLesen, lauf.fehler);
    if (steuerung.unterbrechenWenn && !unterbrochen && steuerung.unterbrechenWenn(lauf.aus)) {
      kill(kind, SIGINT);
      unterbrochen = true;
    }
  }
  close(aus[0]);
  close(fehlerLesen);
  int wstatus = 0;
  while (waitpid(kind, &wstatus, 0) < 0 && errno == EINTR) {
  }
  lauf.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  return lauf;
}

}  // namespace clitest
