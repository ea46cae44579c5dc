// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seams between commands and the program's own forms. A form shows plain
// values and gives plain values back; a command never reads a form's widgets.
//
// A modal form is a ValueForm, shown through Dialogs::askForm, which gives
// std::optional of the values (nothing on Cancel). A modeless form (Find and
// Replace and its kin) stays open and sends requests, each a value struct,
// through a RequestChannel that the command object serves; tests send the
// same requests without a widget.

#include <QString>
#include <functional>
#include <utility>

class QDialog;
class QWidget;

namespace wrenpad {

template <class Values>
class ValueForm {
 public:
  using ValueType = Values;
  virtual ~ValueForm() = default;
  // The dialog Qt shows; its object name names the form in test scripts.
  virtual QDialog& dialog() = 0;
  // Fills the fields from the values.
  virtual void showValues(const Values& values) = 0;
  // The values the fields hold now.
  virtual Values values() const = 0;
};

// Carries a modeless form's requests to the object that serves them.
template <class Request>
class RequestChannel {
 public:
  using Handler = std::function<void(const Request&)>;
  void serve(Handler handler) { handler_ = std::move(handler); }
  bool served() const { return bool(handler_); }
  // Hands the request to the server; false when nothing serves the channel.
  bool send(const Request& request) const {
    if (!handler_) return false;
    handler_(request);
    return true;
  }

 private:
  Handler handler_;
};

template <class Values, class Request>
class ModelessForm {
 public:
  virtual ~ModelessForm() = default;
  // The window Qt shows and leaves open.
  virtual QWidget& window() = 0;
  virtual void showValues(const Values& values) = 0;
  // What the form's buttons send.
  RequestChannel<Request>& requests() { return requests_; }

 private:
  RequestChannel<Request> requests_;
};

}  // namespace wrenpad
