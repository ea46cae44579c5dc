// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings file reader: parsing, look-up, the
// settings values with their defaults, writing them back and parsing again.
#include "settings/ini_file.h"
#include "settings/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wrenpad;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  IniFile ini = IniFile::fromBytes(bytes);
  const SettingsReadContext context{QStringLiteral("/opt/wrenpad"), QString(), QSize(1920, 1080)};
  const Settings first = readSettings(ini, context);
  bringOnScreen(QRect(first.Left, first.Top, first.Width, first.Height),
                {QRect(0, 0, 1920, 1080), QRect(1920, -200, 1280, 1024)});

  // What was written must read back as it was, whatever else the file holds.
  writeSettings(ini, first);
  const IniFile again = IniFile::fromBytes(ini.toBytes());
  if (!(readSettings(again, context) == first)) std::abort();
  return 0;
}
