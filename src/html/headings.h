// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Headings chosen in the heading box: the caret's line becomes a heading of
// the chosen level, or plain text again for "Normal".

#include <QString>

namespace wrenpad {

// The line without its heading tags: the first level of 1 to 5 whose "<hN"
// occurs (compared in lower case) loses the first four characters of its
// opening tag and its "</hN>". Attributes of the opening tag stay behind
// (align = "center">Title for <h2 align = "center">Title</h2>). A line
// without a heading is returned as it is.
QString StripHeadingTags(const QString& line);

// The caret's line after choosing heading `level` (0 "Normal", 1 to 5). The
// heading tags and the first "<br>" go; "Normal" then drops what is left of
// the old heading's opening tag when it had attributes; a level wraps the
// text in "<hN>" and "</hN>", keeping the attributes (an align) of the old
// heading.
QString HeadingLine(const QString& line, int level);

}  // namespace wrenpad
