// Any bytes opened as a document: the text read from them is written back
// without a character the code cannot hold, and reading what was written
// gives the same text again. Undecodable bytes must survive the round trip.
#include "kanji/kanji.h"
#include "shell/document_codec.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const wrenpad::LoadedText loaded = wrenpad::decodeDocument(bytes);
  if (loaded.binary) return 0;
  const wrenpad::EncodedText written =
      wrenpad::encodeDocument(loaded.text, loaded.encoding, loaded.utf8Bom);
  if (written.firstUnencodable >= 0) std::abort();
  // JIS and EUC-JP files become Shift-JIS on reading; their stray high bytes
  // may read otherwise once the escapes are gone. Every other file must read
  // back as the same text.
  const kanji::KanjiCode code = kanji::DetectKanjiCode(std::string_view(bytes.constData(), size));
  if (code == kanji::kcEuc || code == kanji::kcNewJis || code == kanji::kcOldJis) return 0;
  const wrenpad::LoadedText again = wrenpad::decodeDocument(written.bytes);
  if (again.text != loaded.text) std::abort();
  return 0;
}
