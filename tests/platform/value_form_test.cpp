// SPDX-License-Identifier: GPL-3.0-or-later
// The modeless seam: a form's buttons send value requests through a channel
// that a command object serves; a test sends the same requests, no widget.
#include "platform/value_form.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <vector>

namespace wrenpad {
namespace {

struct SearchRequest {
  QString text;
  bool down = true;
};

struct SearchValues {
  QString text;
};

// The smallest modeless form: a "Find next" press sends what the field holds.
class SearchForm : public ModelessForm<SearchValues, SearchRequest> {
 public:
  QWidget& window() override { return widget_; }
  void showValues(const SearchValues& values) override { field_ = values.text; }
  bool pressFindNext() { return requests().send({field_, true}); }

 private:
  QWidget widget_;
  QString field_;
};

TEST(ModelessForms, RequestsReachTheServingCommandAndNothingIsLostSilently) {
  SearchForm form;
  form.showValues({"needle"});
  EXPECT_FALSE(form.requests().served());
  EXPECT_FALSE(form.pressFindNext());  // nothing serves it yet: the press says so

  std::vector<QString> found;
  form.requests().serve([&found](const SearchRequest& request) {
    found.push_back(request.text + (request.down ? " down" : " up"));
  });
  EXPECT_TRUE(form.pressFindNext());
  EXPECT_TRUE(form.requests().send({"hay", false}));  // as a test sends it
  EXPECT_EQ(found, (std::vector<QString>{"needle down", "hay up"}));
}

}  // namespace
}  // namespace wrenpad
