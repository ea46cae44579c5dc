#include "app/command_line.h"

#include <QDir>
#include <QFileInfo>

namespace wrenpad {

QString joinCommandLine(const QStringList& arguments) {
  const qsizetype marker = arguments.lastIndexOf(QStringLiteral("/starup"));
  return arguments.mid(marker + 1).join(QLatin1Char(' '));
}

QString resolveCommandLineFile(const QString& name, const QString& workingFolder) {
  if (name.isEmpty()) return name;
  return QDir::cleanPath(QFileInfo(QDir(workingFolder), name).absoluteFilePath());
}

}  // namespace wrenpad
