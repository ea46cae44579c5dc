// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/program_launcher.h"

#include <QDateTime>
#include <QFile>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace wrenpad {
namespace {

constexpr int kPollMilliseconds = 200;

// The child runs in a session of its own with the signals a program expects
// to find: none blocked, the usual actions for the ones the editor handles.
class SpawnAttributes {
 public:
  SpawnAttributes() {
    posix_spawnattr_init(&attributes_);
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int signal : {SIGTERM, SIGHUP, SIGINT, SIGPIPE, SIGCHLD}) sigaddset(&defaults, signal);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setsigdefault(&attributes_, &defaults);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
  }
  ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;
  const posix_spawnattr_t* get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

}  // namespace

ProgramLauncher::ProgramLauncher() {
  timer_.setInterval(kPollMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &ProgramLauncher::poll);
}

// Programs still running are left to run; the system collects them once
// the editor has ended.
ProgramLauncher::~ProgramLauncher() = default;

bool ProgramLauncher::start(const QString& program, const QStringList& arguments, Failed failed) {
  std::vector<QByteArray> words{QFile::encodeName(program)};
  for (const QString& argument : arguments) words.push_back(QFile::encodeName(argument));
  std::vector<char*> argv;
  for (QByteArray& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const SpawnAttributes attributes;
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, attributes.get(), argv.data(), environ) != 0) return false;
  children_.push_back({pid, QDateTime::currentMSecsSinceEpoch(), std::move(failed)});
  timer_.start();
  return true;
}

void ProgramLauncher::poll() {
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  std::vector<Child> running;
  std::vector<std::pair<Failed, int>> failures;
  for (Child& child : children_) {
    int status = 0;
    const pid_t ended = waitpid(child.pid, &status, WNOHANG);
    if (ended == 0) {
      running.push_back(std::move(child));
      continue;
    }
    if (ended < 0) continue;  // not ours to wait for any more
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (code != 0 && now - child.startedAt <= kWatchMilliseconds && child.failed)
      failures.emplace_back(std::move(child.failed), code);
  }
  children_ = std::move(running);
  if (children_.empty()) timer_.stop();
  // Told last: a report may show a dialog that runs the event loop.
  for (auto& [failed, code] : failures) failed(code);
}

}  // namespace wrenpad
