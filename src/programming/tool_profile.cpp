// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/tool_profile.h"

#include <QCoreApplication>

namespace wrenpad {

namespace {

// The name without its extension: "a.b.cpp" gives "a.b".
QString withoutExtension(const QString& bareName) {
  const qsizetype dot = bareName.lastIndexOf(u'.');
  return dot < 0 ? bareName : bareName.left(dot);
}

}  // namespace

ToolProfile CurrentToolProfile() {
#ifdef Q_OS_WIN
  return ToolProfile::Windows;
#else
  return ToolProfile::Linux;
#endif
}

// The Coding menu's title names the language it serves; a translation may
// give all languages one title.
CodingMenuCaptions CodingMenuCaptionsFor(LanguageMode mode, ToolProfile profile) {
  struct Row {
    const char* coding;
    const char* setCompiler;
  };
  static const Row windowsRows[] = {
      {QT_TRANSLATE_NOOP("ToolProfile", "&C/C++"), QT_TRANSLATE_NOOP("ToolProfile", "&Set Borland C++ Compiler")},
      {QT_TRANSLATE_NOOP("ToolProfile", "&Java"), QT_TRANSLATE_NOOP("ToolProfile", "&Set Java Compiler")},
      {QT_TRANSLATE_NOOP("ToolProfile", "&Perl"), QT_TRANSLATE_NOOP("ToolProfile", "&Set ActivePerl and Test-server")},
      {QT_TRANSLATE_NOOP("ToolProfile", "&Pascal"), QT_TRANSLATE_NOOP("ToolProfile", "&Set Free Pascal Compiler")},
  };
  static const Row linuxRows[] = {
      {QT_TRANSLATE_NOOP("ToolProfile", "&C/C++"), QT_TRANSLATE_NOOP("ToolProfile", "&Set GNU C/C++ Compiler")},
      {QT_TRANSLATE_NOOP("ToolProfile", "&Java"), QT_TRANSLATE_NOOP("ToolProfile", "&Set Java Compiler")},
      {QT_TRANSLATE_NOOP("ToolProfile", "&Perl"), QT_TRANSLATE_NOOP("ToolProfile", "&Set Perl Test-server")},
      {QT_TRANSLATE_NOOP("ToolProfile", "&Pascal"), QT_TRANSLATE_NOOP("ToolProfile", "&Set Free Pascal Compiler")},
  };
  const Row& row = (profile == ToolProfile::Windows ? windowsRows : linuxRows)[int(mode)];
  CodingMenuCaptions captions;
  captions.coding = QCoreApplication::translate("ToolProfile", row.coding);
  captions.setCompiler = QCoreApplication::translate("ToolProfile", row.setCompiler);
  captions.inputWizard = mode != LanguageMode::Perl;
  return captions;
}

QString ToolLabel(LanguageMode mode, ToolProfile profile) {
  const bool windows = profile == ToolProfile::Windows;
  switch (mode) {
    case LanguageMode::Cpp:
      return windows ? QCoreApplication::translate("ToolProfile", "Borland C++ compiler (bcc32.exe)")
                     : QCoreApplication::translate("ToolProfile", "GNU C/C++ compiler (g++)");
    case LanguageMode::Java:
      return windows ? QCoreApplication::translate("ToolProfile", "Java compiler (javac.exe)")
                     : QCoreApplication::translate("ToolProfile", "Java compiler (javac)");
    case LanguageMode::Pascal:
      return windows ? QCoreApplication::translate("ToolProfile", "Free Pascal compiler (ppc386.exe)")
                     : QCoreApplication::translate("ToolProfile", "Free Pascal compiler (fpc)");
    case LanguageMode::Perl: return QString();
  }
  return QString();
}

QString ToolFolderPrompt(LanguageMode mode, ToolProfile profile) {
  if (mode == LanguageMode::Perl)
    return QCoreApplication::translate("ToolProfile",
                                       "Please select the folder which is the document-root of the test-server.");
  return QCoreApplication::translate("ToolProfile", "Please select folder where %1 is located.")
      .arg(ToolLabel(mode, profile));
}

QStringList ProgrammingLanguageItems(ToolProfile profile) {
  if (profile == ToolProfile::Windows)
    return {QStringLiteral("C/C++  (Borland C++)"), QStringLiteral("Java    (Java Development Kit)"),
            QStringLiteral("Perl      (ActivePerl)"), QStringLiteral("Object Pascal  (Free Pascal)")};
  return {QStringLiteral("C/C++  (GNU g++ / gcc)"), QStringLiteral("Java    (Java Development Kit)"),
          QStringLiteral("Perl      (perl, lighttpd)"), QStringLiteral("Object Pascal  (Free Pascal)")};
}

std::vector<ToolFile> WindowsToolFiles(LanguageMode mode, const QString& installFolder) {
  const QString lib = QStringLiteral("-L\"") + installFolder + QStringLiteral("\\Lib\"");
  switch (mode) {
    case LanguageMode::Cpp:
      return {{QStringLiteral("ilink32.cfg"), {lib}},
              {QStringLiteral("bcc32.cfg"), {QStringLiteral("-I\"") + installFolder + QStringLiteral("\\Include\""), lib}},
              {QStringLiteral("e.bat"), {QStringLiteral("exit")}}};
    case LanguageMode::Java:
      return {{QStringLiteral("javaenv.bat"),
               {QStringLiteral("set JAVA_HOME = ") + installFolder,
                QStringLiteral("set PATH = ") + installFolder + QStringLiteral("\\bin\\;%PATH%"),
                QStringLiteral("set CLASSPATH = ") + installFolder + QStringLiteral(";%CLASSPATH%")}}};
    case LanguageMode::Perl:
    case LanguageMode::Pascal: return {};
  }
  return {};
}

QString StartupPathLine(const QString& folder) { return QStringLiteral("SET PATH=%PATH%;") + folder; }

int WindowsKind(WindowsPlatform platform, int major, int minor) {
  if (platform == WindowsPlatform::Win9x) {
    if (minor == 0) return 0;
    if (minor == 10) return 1;
    if (minor == 90) return 2;
    return 7;
  }
  if (platform == WindowsPlatform::NT) {
    if (major == 3) return 3;
    if (major == 4) return 4;
    if (major == 5 && minor == 0) return 5;
    if (major == 5 && minor == 1) return 6;
  }
  return 7;
}

QString WindowsExecuteCommandLine(LanguageMode mode, int windowsKind, const QString& bareName,
                                  const QString& jdkFolder) {
  const bool nt = windowsKind == 5 || windowsKind == 6;
  const QString console = nt ? QStringLiteral("cmd /K ") : QStringLiteral("command.com /K ");
  const QString program = withoutExtension(bareName);
  switch (mode) {
    case LanguageMode::Cpp: return console + program + QStringLiteral(".exe");
    case LanguageMode::Java: return console + jdkFolder + QStringLiteral("\\bin\\java ") + program;
    case LanguageMode::Pascal: return QStringLiteral("command.com /K ") + program + QStringLiteral(".exe");
    case LanguageMode::Perl: return QString();
  }
  return QString();
}

}  // namespace wrenpad
