// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/other_runs.h"

#include "files/file_names.h"

#include <sys/wait.h>
#include <unistd.h>

namespace wrenpad {

void startRunsForFiles(const QByteArray& program, const QStringList& files) {
  for (const QString& file : files) {
    // Everything the new process needs is made before the fork: between
    // fork and exec only calls that are safe in a copy of a threaded
    // process are made.
    const QByteArray name = files::fileNameToBytes(file);
    char separator[] = "--";
    char* const argv[] = {const_cast<char*>(program.constData()), separator,
                          const_cast<char*>(name.constData()), nullptr};
    const pid_t child = fork();
    if (child == 0) {
      // The grandchild runs the program; the child ends at once, so the run
      // is adopted by init and never waits on us.
      if (fork() == 0) {
        execv(program.constData(), argv);
        _exit(127);
      }
      _exit(0);
    }
    if (child > 0) waitpid(child, nullptr, 0);
  }
}

}  // namespace wrenpad
