// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the style-block model. The input is a block, then
// optionally a selector, a property and a value, each after a U+0001. Reading
// and setting never fail; setting a property to the value it reads as leaves
// the block as it was, byte for byte; a value that was set and reads back
// is not set a second time; the page readers give back pieces of the page.
#include "page/style_block.h"

#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace wrenpad;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckProperty(const QString& block, const QString& selector, const QString& property,
                   const QString& value) {
  const QString read = GetStyleProperty(block, selector, property);
  Require(SetStyleProperty(block, selector, property, read) == block);

  const QString changed = SetStyleProperty(block, selector, property, value);
  if (GetStyleProperty(changed, selector, property) == value) {
    Require(SetStyleProperty(changed, selector, property, value) == changed);
  }
}

void CheckPageReaders(const QString& page) {
  if (const std::optional<QString> block = PageStyleBlockIn(page)) {
    Require(page.contains(*block) && block->endsWith(u'>') &&
            block->startsWith(QStringLiteral("<style"), Qt::CaseInsensitive));
  }
  const BodyAttributes body = ReadBodyAttributes(page);
  Require(page.contains(body.attributeText));
  ReadFontFromStyle(page, QStringLiteral("body"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
  const QStringList fields = input.split(QChar(1));
  const QString& block = fields[0];

  CheckProperty(block, fields.value(1, QStringLiteral("body")),
                fields.value(2, QStringLiteral("color")), fields.value(3, QStringLiteral("red")));
  for (const char* selector : {"body", "a", "a:hover"}) {
    for (const char* property : {"color", "line-height", "text-decoration", "font-family"}) {
      CheckProperty(block, QString::fromLatin1(selector), QString::fromLatin1(property),
                    QStringLiteral("7px"));
    }
  }
  CheckPageReaders(block);

  const NumberUnit split = SplitNumberUnit(block);
  Require(split.number + split.unit == block);
  return 0;
}
