#include "app/command_line.h"

#include <QDir>
#include <QFileInfo>

namespace wrenpad {

QString joinCommandLine(const QStringList& arguments) {
  QString joined = arguments.join(QLatin1Char(' '));
  static const QString marker = QStringLiteral("/starup");
  const qsizetype at = joined.indexOf(marker);
  if (at >= 0) joined = joined.mid(at + marker.size() + 1);
  return joined;
}

QString resolveCommandLineFile(const QString& name, const QString& workingFolder) {
  if (name.isEmpty()) return name;
  const QFileInfo info(QDir(workingFolder), name);
  QString folder = QDir::cleanPath(info.absolutePath());
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  // The file must exist as named: Linux has no short names to expand.
  if (!info.exists() || info.isDir() || info.fileName().isEmpty()) return folder;
  return folder + info.fileName();
}

}  // namespace wrenpad
