// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/build_output.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace wrenpad {

std::optional<QString> BuildOutputFor(LanguageMode mode, const QString& sourcePath, ToolProfile profile) {
  if (mode == LanguageMode::Perl) return std::nullopt;
  const QFileInfo source(sourcePath);
  const QString base = QDir(source.path()).filePath(source.completeBaseName());
  if (mode == LanguageMode::Java) return base + QStringLiteral(".class");
  return profile == ToolProfile::Windows ? base + QStringLiteral(".exe") : base;
}

bool IsOutputUpToDate(const std::optional<QDateTime>& sourceModified,
                      const std::optional<QDateTime>& outputModified) {
  return sourceModified && outputModified && *outputModified >= *sourceModified;
}

void FailedBuilds::compiled(const files::FileStamp& source, bool succeeded) {
  if (!source.exists) return;
  // One entry per file: the last compile's verdict replaces the one before.
  std::erase_if(failed_, [&source](const files::FileStamp& stamp) {
    return stamp.device == source.device && stamp.inode == source.inode;
  });
  if (!succeeded) failed_.push_back(source);
}

bool FailedBuilds::failedAsItIs(const QString& sourcePath) const {
  const files::FileStamp now = files::stampOf(sourcePath);
  return now.exists && std::find(failed_.begin(), failed_.end(), now) != failed_.end();
}

bool IsBuildUpToDate(LanguageMode mode, const QString& sourcePath, ToolProfile profile,
                     const FailedBuilds& failed) {
  const std::optional<QString> output = BuildOutputFor(mode, sourcePath, profile);
  if (!output || failed.failedAsItIs(sourcePath)) return false;
  const auto modified = [](const QString& path) -> std::optional<QDateTime> {
    const QFileInfo file(path);
    if (!file.isFile()) return std::nullopt;
    return file.lastModified();
  };
  return IsOutputUpToDate(modified(sourcePath), modified(*output));
}

}  // namespace wrenpad
