// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mark-up of links and link targets, and where an existing link lies
// around the caret. Plain functions over the editor's text (CR LF breaks).

#include <QString>
#include <optional>

namespace wrenpad {

// "<a href="url">content</a>", with ` target = "frame"` after the address
// when a target frame is given.
QString LinkElement(const QString& url, const QString& target, const QString& content);

// A link target: "<a name = "s">s" (the element is left open, as browsers
// take it).
QString AnchorMarkup(const QString& name);

// The link the caret is in: from its "<a" to the end of its "</a>".
struct LinkAtCaret {
  int start = 0;        // the "<" of "<a"
  int tagLength = 0;    // the opening tag's, through its ">"
  int length = 0;       // through the ">" of "</a>"; 0 when it has none
  QString url;          // its href and target values, read as a browser reads them
  QString target;
  QString content;      // the text between the ">" before the caret and the next "<"
};
// Nothing when the caret is not inside a link: the last "<a" tag before it
// must come after the last "</a" before it, have an href and be closed by ">".
std::optional<LinkAtCaret> FindLinkAtCaret(const QString& text, int caret);

// A link's opening tag with a new address and target frame: each value
// rewritten where it stands, a target added after the address or removed
// when cleared; every other attribute, blank and quote kept as written, and
// the tag returned unchanged when the values read from it are the ones given.
QString EditedLinkTag(const QString& tag, const QString& url, const QString& target);

// The picture element: alignment 0 left, 1 right, 2 none; the size written
// when the ratio is not 100 and the picture's size is known.
QString PictureElement(const QString& reference, int alignment, int ratioPercent,
                       std::optional<std::pair<int, int>> size);

}  // namespace wrenpad
