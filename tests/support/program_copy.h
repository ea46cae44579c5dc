// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A copy of the real program in a test's folder, marked portable so that its
// settings, instance markers and snapshots stay beside it in that folder.

#include "support/temp_folder.h"

#include <QFile>

namespace wrenpad::test {

inline QString copyPortableProgram(const TempFolder& folder) {
  const QString program = folder.file("wrenpad");
  if (!QFile::exists(program)) QFile::copy(QStringLiteral(WRENPAD_BINARY), program);
  folder.write("wrenpad.portable", "");
  return program;
}

}  // namespace wrenpad::test
