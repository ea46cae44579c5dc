// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link, link-target and open-linked-page commands of web pages.

#include "colouring/page_painting.h"
#include "html/forms/image_property.h"
#include "html/forms/link_dialog.h"

#include <QImage>
#include <optional>
#include <utility>

#include <QString>
#include <functional>

namespace wrenpad {

class Dialogs;
class EditorControl;
struct DocumentState;

// A picture as the picture command needs it: the decoded image (null when
// it cannot be shown, with the reason), and its size when known.
struct LoadedPicture {
  QImage image;
  std::optional<std::pair<int, int>> size;
  QString problem;
};

struct LinkCommandContext {
  EditorControl& editor;
  Dialogs& dialogs;
  const DocumentState& document;
  // Not read: the captions follow the interface language (text/translation.h).
  ValueForm<LinkValues>& linkForm;
  std::function<QString()> clipboardText;
  // Colouring of the link or picture written, and of the tag edited.
  PagePainting& painting;
  std::function<void(int value)> setProgress;
  // The page the caret's quoted reference names, and the program opening it
  // in a new window of its own.
  std::function<QString()> linkTarget;
  std::function<void(const QString& fileName)> openInNewInstance;
  // The picture command: its dialog, the file chosen (a full name, empty on
  // Cancel), and reading it.
  ValueForm<ImagePropertyValues>& pictureForm;
  std::function<QString()> choosePicture;
  std::function<LoadedPicture(const QString& fileName)> loadPicture;
};

class LinkCommand {
 public:
  explicit LinkCommand(LinkCommandContext context);

  void mmLinkClick();
  void mmNameClick();
  void pmLinkOpenClick();
  void mmPictureClick();

 private:
  // Replaces [start, start + length) and colours what was written.
  void insertAndPaint(int start, int length, const QString& text);
  QString presetUrl(const QString& selection) const;

  LinkCommandContext c_;
  // The alignment and ratio of the last picture, offered for the next.
  ImagePropertyValues picture_;
};

}  // namespace wrenpad
