#include "programming/build_output.h"

#include <QDir>
#include <QFileInfo>

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

bool IsBuildUpToDate(LanguageMode mode, const QString& sourcePath, ToolProfile profile) {
  const std::optional<QString> output = BuildOutputFor(mode, sourcePath, profile);
  if (!output) return false;
  const auto modified = [](const QString& path) -> std::optional<QDateTime> {
    const QFileInfo file(path);
    if (!file.isFile()) return std::nullopt;
    return file.lastModified();
  };
  return IsOutputUpToDate(modified(sourcePath), modified(*output));
}

}  // namespace wrenpad
