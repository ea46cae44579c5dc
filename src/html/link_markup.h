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

// The link the caret is in: from its "<a href" to the end of its "</a>".
struct LinkAtCaret {
  int start = 0;        // the "<" of "<a href"
  int length = 0;       // through the ">" of "</a>"; 0 when it has none
  QString url;          // its href and target values
  QString target;
  QString content;      // the text between the ">" before the caret and the next "<"
};
// Nothing when the caret is not inside a link: the last "<a href" before it
// must come after the last "</a" before it.
std::optional<LinkAtCaret> FindLinkAtCaret(const QString& text, int caret);

// The picture element: alignment 0 left, 1 right, 2 none; the size written
// when the ratio is not 100 and the picture's size is known.
QString PictureElement(const QString& reference, int alignment, int ratioPercent,
                       std::optional<std::pair<int, int>> size);

}  // namespace wrenpad
