// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The current document's identity and the small pieces of program state that
// several subsystems read. Plain values: no widgets.

#include "documents/document_kind.h"

#include <QString>

namespace wrenpad {

inline const QString kUntitledName = QStringLiteral("Untitled.txt");
inline const QString kApplicationTitle = QStringLiteral("Wrenpad");

struct DocumentState {
  QString CurrentFileName = kUntitledName;  // full path, or a bare name
  QString CurrentFolder;                    // no trailing separator
  QString DefaultFolder;
  QString LastExtension = QStringLiteral(".txt");
  int DocumentMode = kTextMode;
  QString DocumentFontName;                 // face the HTML commands assume
};

struct SessionState {
  int UndoCount = 0;       // the newest undo snapshot of the document's history (0: none yet)
  int UndoTop = 0;         // the newest snapshot Redo may go to
  // Counts the histories begun; a snapshot still being written when a new
  // one begins is not taken into it.
  int UndoSeries = 0;
  bool RedoEnabled = true; // switching multi-level undo either way ends Redo for the run
  bool ChangeWatch = false; // editor changes are tracked while on
  // A fresh document pasted into is named after its first line. On at start,
  // off after every load; not kept between runs.
  bool AutoFileNaming = true;
  // The desktop entry that offers the program under "Open With" is installed.
  bool SendToShortcut = false;
};

// A document loaded or made starts its undo history afresh: the snapshots
// of the one before are never reached from it.
inline void StartUndoSeries(SessionState& session) {
  session.UndoCount = 0;
  session.UndoTop = 0;
  ++session.UndoSeries;
}

// "name - Wrenpad" with the bare file name.
inline QString windowTitleFor(const QString& fileName) {
  return QStringLiteral("%1 - %2").arg(bareFileName(fileName), kApplicationTitle);
}

}  // namespace wrenpad
