// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace wrenpad::test {

TempFolder::TempFolder() { dir_.setAutoRemove(true); }

QString TempFolder::write(const QString& name, const QByteArray& bytes) const {
  const QString path = file(name);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile out(path);
  if (out.open(QIODevice::WriteOnly)) out.write(bytes);
  return path;
}

QByteArray TempFolder::read(const QString& path) {
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) return {};
  return in.readAll();
}

}  // namespace wrenpad::test
