// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh temporary folder per test, removed afterwards, with helpers to
// write and read files byte for byte.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace wrenpad::test {

class TempFolder {
 public:
  TempFolder();
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }
  QString write(const QString& name, const QByteArray& bytes) const;
  static QByteArray read(const QString& path);

 private:
  QTemporaryDir dir_;
};

}  // namespace wrenpad::test
