// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QDir>

namespace wrenpad {

QString joinCommandLine(const QStringList& arguments) {
  const qsizetype marker = arguments.lastIndexOf(QStringLiteral("/starup"));
  return arguments.mid(marker + 1).join(QLatin1Char(' '));
}

QString resolveCommandLineFile(const QString& name, const QString& workingFolder) {
  if (name.isEmpty()) return name;
  // Joined and cleaned as text: Qt's own resolution of a relative name goes
  // through the file system's encoding, which loses the bytes of a name that
  // is not UTF-8.
  const QString full = name.startsWith(u'/') ? name : workingFolder + u'/' + name;
  return QDir::cleanPath(full);
}

}  // namespace wrenpad
