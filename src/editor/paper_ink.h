// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text colours for white paper. A page's background is not printed, so text
// coloured for a dark page (white, yellow, light grey) would vanish; such
// colours print black, while dark and strong colours print as they are.

#include <QColor>

class QTextDocument;

namespace wrenpad {

// How `colour` stands out on white paper: 1 (white) to 21 (black), the
// contrast ratio of WCAG counted from relative luminance.
double contrastOnPaper(const QColor& colour);

// `colour` when it stands out on white at least 3 to 1 (red, blue, green,
// grey and darker keep their colour), else black.
QColor inkOnPaper(const QColor& colour);

// Readies a copy of the editor's document for paper: no background behind
// any text, and every text colour as inkOnPaper gives it.
void prepareForPaper(QTextDocument& document);

}  // namespace wrenpad
