// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editing fixture with a command that asks through its own dialog,
// answered by script: the Font and Table commands take the same context.
#include "colouring/colouring_context.h"
#include "editing/editing_fixture.h"

namespace wrenpad::test {

template <typename Form, typename Command, typename Context>
struct DialogCommandFixture : EditingFixture {
  ColouringState colouring;
  Form form;
  Command command{Context{editor, dialogs, document, session, settings, colouring, form,
                          [] { return QStringList{"Arial", "Doc Face"}; }, painting, [](int) {}}};

  DialogCommandFixture() { document.DocumentFontName = QStringLiteral("Doc Face"); }
};

}  // namespace wrenpad::test
