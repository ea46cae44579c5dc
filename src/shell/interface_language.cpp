#include "shell/interface_language.h"

#include "shell/japanese_captions.h"

#include <QAction>
#include <QComboBox>

namespace wrenpad {

namespace {
// Items this program adds to the designed menus, with their Japanese captions.
struct AddedCaption {
  const char* component;
  const char16_t* text;
};
const AddedCaption kAddedCaptions[] = {
    {"mmTabWidth", u"タブ幅(&T)..."},
};
}  // namespace

void applyJapaneseCaptions(const ActionTable& actions, QComboBox* headings) {
  for (const AddedCaption& added : kAddedCaptions)
    if (QAction* action = actions.value(QString::fromLatin1(added.component)))
      action->setText(QString::fromUtf16(added.text));
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
