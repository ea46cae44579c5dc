#include "window/interface_language.h"

#include "window/japanese_captions.h"

#include <QAction>
#include <QComboBox>

namespace wrenpad {

void applyJapaneseCaptions(const ActionTable& actions, QComboBox* headings) {
  for (const CaptionEntry& entry : japaneseCaptionTable()) {
    if (entry.kind == CaptionKind::ComboItem) {
      if (headings && entry.index < headings->count()) headings->setItemText(entry.index, entry.text);
      continue;
    }
    QAction* action = actions.value(entry.component);
    if (!action) continue;
    if (entry.kind == CaptionKind::ToolHint) {
      action->setToolTip(entry.text);
      action->setText(entry.text);
    } else {
      action->setText(entry.text);
    }
  }
}

}  // namespace wrenpad
