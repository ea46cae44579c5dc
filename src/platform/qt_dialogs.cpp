// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_dialogs.h"

#include "platform/font_choice.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPointer>
#include <QPushButton>

namespace wrenpad {

namespace {
// Gives the window that was active before a dialog (the program's window,
// or the dialog a colour was chosen from) its activation back when the
// dialog closes. Without a window manager nothing else does, and the
// window's menus would take no short-cut keys while the editor still got the
// typing.
class ActivationKept {
 public:
  explicit ActivationKept(QWidget* parent)
      : window_(QApplication::activeWindow() ? QApplication::activeWindow()
                                             : parent ? parent->window() : nullptr) {}
  ~ActivationKept() {
    if (window_ && window_->isVisible()) window_->activateWindow();
  }
  ActivationKept(const ActivationKept&) = delete;
  ActivationKept& operator=(const ActivationKept&) = delete;

 private:
  QPointer<QWidget> window_;
};
}  // namespace

Answer QtDialogs::askYesNoCancel(const QString& title, const QString& text, Answer preferred) {
  const ActivationKept kept(parent_);
  const QMessageBox::StandardButton first = preferred == Answer::No       ? QMessageBox::No
                                            : preferred == Answer::Cancel ? QMessageBox::Cancel
                                                                          : QMessageBox::Yes;
  const auto button = QMessageBox::question(
      parent_, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, first);
  if (button == QMessageBox::Yes) return Answer::Yes;
  if (button == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

void QtDialogs::showMessage(const QString& title, const QString& text) {
  const ActivationKept kept(parent_);
  QMessageBox::information(parent_, title, text);
}

void QtDialogs::showError(const QString& title, const QString& text) {
  const ActivationKept kept(parent_);
  QMessageBox::critical(parent_, title, text);
}

std::optional<QString> QtDialogs::inputText(const QString& title, const QString& prompt,
                                            const QString& initial) {
  const ActivationKept kept(parent_);
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, initial, &ok);
  if (!ok) return std::nullopt;
  return text;
}

namespace {
void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setWindowTitle(request.title);
  dialog.setDirectory(request.folder.isEmpty() ? QDir::homePath() : request.folder);
  dialog.setNameFilters(request.filters);
  if (request.filterIndex >= 0 && request.filterIndex < request.filters.size())
    dialog.selectNameFilter(request.filters.at(request.filterIndex));
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
}
}  // namespace

OpenFileChoice QtDialogs::chooseFileToOpen(const FileDialogRequest& request) {
  const ActivationKept kept(parent_);
  QFileDialog dialog(parent_);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  prepareFileDialog(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // The Qt dialog has no read-only box of its own: add one under the form.
  auto* readOnly = new QCheckBox(QCoreApplication::translate("QtDialogs", "Open as read-only"), &dialog);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(readOnly, grid->rowCount(), 0, 1, -1);
  OpenFileChoice choice;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
  choice.path = dialog.selectedFiles().first();
  choice.filterIndex = std::max<int>(0, request.filters.indexOf(dialog.selectedNameFilter()));
  choice.readOnly = readOnly->isChecked();
  return choice;
}

SaveFileChoice QtDialogs::chooseFileToSave(const FileDialogRequest& request) {
  const ActivationKept kept(parent_);
  QFileDialog dialog(parent_);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // The caller asks about overwriting in the program's own words.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  prepareFileDialog(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The choices go in rows of their own under the dialog's name and filter.
  std::vector<QComboBox*> boxes;
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  for (const FileDialogRequest::Choice& choice : request.choices) {
    auto* box = new QComboBox(&dialog);
    box->addItems(choice.items);
    box->setCurrentIndex(choice.selected);
    box->setAccessibleName(QString(choice.caption).remove(u'&').remove(u':'));
    auto* label = new QLabel(choice.caption, &dialog);
    label->setBuddy(box);
    if (grid) {
      const int row = grid->rowCount();
      grid->addWidget(label, row, 0);
      grid->addWidget(box, row, 1);
    }
    boxes.push_back(box);
  }
  SaveFileChoice choice;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
  choice.path = dialog.selectedFiles().first();
  for (const QComboBox* box : boxes) choice.items.push_back(box->currentIndex());
  return choice;
}

QString QtDialogs::chooseFolder(const QString& title, const QString& startFolder) {
  const ActivationKept kept(parent_);
  return QFileDialog::getExistingDirectory(parent_, title, startFolder,
                                           QFileDialog::ShowDirsOnly |
                                               QFileDialog::DontUseNativeDialog);
}

std::optional<QFont> QtDialogs::chooseFont(const QFont& initial,
                                           const std::function<void(const QFont&)>& apply) {
  const ActivationKept kept(parent_);
  // The program's face names are substitutes, not installed families: the
  // dialog opens on the installed face and style the editor draws with.
  const QFont opened = installedFontOf(initial);
  QFontDialog dialog(opened, parent_);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  showUprightStyleOfEachFamily(dialog);
  if (apply) {
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
      QPushButton* applyButton = buttons->addButton(QDialogButtonBox::Apply);
      QObject::connect(applyButton, &QPushButton::clicked, &dialog, [&] {
        apply(fontChosenFrom(initial, opened, dialog.currentFont()));
      });
    }
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return fontChosenFrom(initial, opened, dialog.selectedFont());
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
  const ActivationKept kept(parent_);
  const QColor color = QColorDialog::getColor(initial, parent_, QString(),
                                              QColorDialog::DontUseNativeDialog);
  if (!color.isValid()) return std::nullopt;
  return color;
}

bool QtDialogs::setUpPrint(QPrinter& printer) {
  const ActivationKept kept(parent_);
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::setUpPrinter(QPrinter& printer) {
  const ActivationKept kept(parent_);
  QPageSetupDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool Dialogs::execForm(QDialog& form) { return form.exec() == QDialog::Accepted; }

std::optional<std::any> QtDialogs::runForm(QDialog&, const std::any&,
                                           const std::function<std::optional<std::any>()>& show) {
  const ActivationKept kept(parent_);
  return show();
}

void QtDialogs::showModeless(QWidget& form) {
  form.show();
  form.raise();
  form.activateWindow();
}

}  // namespace wrenpad
