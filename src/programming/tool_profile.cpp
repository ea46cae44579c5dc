// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/tool_profile.h"

#include "text/bilingual.h"

namespace wrenpad {

namespace {

QString compilerWord(bool japanese) {
  return japanese ? QStringLiteral("コンパイラ") : QStringLiteral("compiler");
}

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

CodingMenuCaptions CodingMenuCaptionsFor(LanguageMode mode, bool japanese, ToolProfile profile) {
  struct Row {
    const char* coding;
    const char* english;
    const char16_t* japanese;
  };
  static const Row windowsRows[] = {
      {"&C/C++", "&Set Borland C++ Compiler", u"&Borland C++コンパイラの設定(&S)"},
      {"&Java", "&Set Java Compiler", u"Javaコンパイラの設定(&S)"},
      {"&Perl", "&Set ActivePerl and Test-server", u"ActivePerlおよびテスト用サーバーの設定(&S)"},
      {"&Pascal", "&Set Free Pascal Compiler", u"Free Pascalコンパイラの設定(&S)"},
  };
  static const Row linuxRows[] = {
      {"&C/C++", "&Set GNU C/C++ Compiler", u"GNU C/C++コンパイラの設定(&S)"},
      {"&Java", "&Set Java Compiler", u"Javaコンパイラの設定(&S)"},
      {"&Perl", "&Set Perl Test-server", u"Perlのテスト用サーバーの設定(&S)"},
      {"&Pascal", "&Set Free Pascal Compiler", u"Free Pascalコンパイラの設定(&S)"},
  };
  const Row& row = (profile == ToolProfile::Windows ? windowsRows : linuxRows)[int(mode)];
  CodingMenuCaptions captions;
  captions.coding = japanese ? QStringLiteral("コーディング(&C)") : QString::fromLatin1(row.coding);
  captions.setCompiler = bilingual(japanese, row.english, row.japanese);
  captions.inputWizard = mode != LanguageMode::Perl;
  return captions;
}

QString ToolLabel(LanguageMode mode, bool japanese, ToolProfile profile) {
  const bool windows = profile == ToolProfile::Windows;
  const QString word = compilerWord(japanese);
  switch (mode) {
    case LanguageMode::Cpp:
      return windows ? QStringLiteral("Borland C++ ") + word + QStringLiteral(" (bcc32.exe)")
                     : QStringLiteral("GNU C/C++ ") + word + QStringLiteral(" (g++)");
    case LanguageMode::Java:
      return QStringLiteral("Java ") + word + (windows ? QStringLiteral(" (javac.exe)") : QStringLiteral(" (javac)"));
    case LanguageMode::Pascal:
      return QStringLiteral("Free Pascal ") + word +
             (windows ? QStringLiteral(" (ppc386.exe)") : QStringLiteral(" (fpc)"));
    case LanguageMode::Perl: return QString();
  }
  return QString();
}

QString ToolFolderPrompt(LanguageMode mode, bool japanese, ToolProfile profile) {
  if (mode == LanguageMode::Perl)
    return japanese ? QStringLiteral("テスト用サーバーのドキュメントルートとなるフォルダを指定してください。")
                    : QStringLiteral("Please select the folder which is the document-root of the test-server.");
  const QString label = ToolLabel(mode, japanese, profile);
  return japanese ? label + QStringLiteral("が置かれているフォルダを選んでください")
                  : QStringLiteral("Please select folder where ") + label + QStringLiteral(" is located.");
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
