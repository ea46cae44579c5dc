// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/font_frame.h"

#include "page/style_block.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace wrenpad {

// ---- ColourPanel ----------------------------------------------------------------------

namespace {

// Screen readers meet the panel as the button it acts as. Its name is the
// one it is given, else its label's (a QLabel buddy), else its caption; its
// description is its colour as a page writes it; pressing it asks for a colour.
class ColourPanelAccessible : public QAccessibleWidget {
 public:
  explicit ColourPanelAccessible(ColourPanel* panel) : QAccessibleWidget(panel, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    const QString given = QAccessibleWidget::text(kind);
    if (!given.isEmpty()) return given;
    if (kind == QAccessible::Name) return panel()->text().trimmed();
    if (kind == QAccessible::Description) return ColorToText(u'#' + RgbHex(RgbOf(panel()->colour())));
    return given;
  }
  QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == pressAction()) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(action);
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) emit panel()->clicked();
    else QAccessibleWidget::doAction(action);
  }

 private:
  ColourPanel* panel() const { return static_cast<ColourPanel*>(widget()); }
};

QAccessibleInterface* colourPanelAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(ColourPanel::staticMetaObject.className())) return nullptr;
  auto* panel = qobject_cast<ColourPanel*>(object);
  return panel ? new ColourPanelAccessible(panel) : nullptr;
}

}  // namespace

ColourPanel::ColourPanel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  static const bool accessible = (QAccessible::installFactory(colourPanelAccessible), true);
  Q_UNUSED(accessible);
  setAlignment(Qt::AlignCenter);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setMargin(4);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setMinimumWidth(fontMetrics().horizontalAdvance(caption) + 32);
  setColour(Qt::black);
}

void ColourPanel::setColour(const QColor& colour) {
  colour_ = colour;
  QPalette shades = palette();
  shades.setColor(QPalette::Window, colour);
  // Perceived lightness (ITU-R BT.601 weights) decides the caption's colour.
  const int lightness = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
  shades.setColor(QPalette::WindowText, lightness < 128 ? Qt::white : Qt::black);
  setPalette(shades);
  if (QAccessible::isActive()) {
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
  }
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

void ColourPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

void ColourPanel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QPen pen(palette().color(QPalette::WindowText), 1, Qt::DashLine);
  painter.setPen(pen);
  // Inside the raised edge, clear of it by a pixel.
  const int inset = lineWidth() + 2;
  painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

// ---- Reading a page's size ------------------------------------------------------------

namespace {

constexpr int kSmallestSize = 4;
constexpr int kLargestSize = 54;

}  // namespace

void ReadFontSize(const QString& size, FontFrameValues& values) {
  const NumberUnit split = SplitNumberUnit(size.trimmed());
  bool whole = false;
  const int number = split.number.toInt(&whole);
  const bool held = whole && number >= kSmallestSize && number <= kLargestSize &&
                    QStringList{"pt", "mm", "em", ""}.contains(split.unit);
  values.setSize = true;
  values.sizeAsWritten = held ? QString() : size.trimmed();
  if (!held) return;
  values.size = number;
  values.unit = split.unit;
}

// ---- TFontFrame -----------------------------------------------------------------------

TFontFrame::TFontFrame(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FontFrame"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  GroupBox = new QGroupBox(this);
  GroupBox->setObjectName(QStringLiteral("GroupBox"));
  outer->addWidget(GroupBox);

  cbHtmlFontName = new QComboBox(GroupBox);
  cbHtmlFontName->setObjectName(QStringLiteral("cbHtmlFontName"));
  // A face that is not installed here may still be written into a page.
  cbHtmlFontName->setEditable(true);
  cbHtmlFontName->setInsertPolicy(QComboBox::NoInsert);
  cbHtmlFontName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cbHtmlFontName->setMinimumContentsLength(16);

  chkSetFontSize = new QCheckBox(GroupBox);
  chkSetFontSize->setObjectName(QStringLiteral("chkSetFontSize"));
  SpinEdit = new QSpinBox(GroupBox);
  SpinEdit->setObjectName(QStringLiteral("SpinEdit"));
  SpinEdit->setRange(kSmallestSize, kLargestSize);
  SpinEdit->setValue(10);
  cbFontSizeUnit = new QComboBox(GroupBox);
  cbFontSizeUnit->setObjectName(QStringLiteral("cbFontSizeUnit"));
  cbFontSizeUnit->addItems({QStringLiteral("pt"), QStringLiteral("mm"), QStringLiteral("em"), QString()});
  FontColorPanel = new ColourPanel(QString(), GroupBox);
  FontColorPanel->setObjectName(QStringLiteral("FontColorPanel"));

  auto* grid = new QGridLayout(GroupBox);
  grid->addWidget(cbHtmlFontName, 0, 0, 1, 4);
  grid->addWidget(chkSetFontSize, 1, 0);
  grid->addWidget(SpinEdit, 1, 1);
  grid->addWidget(cbFontSizeUnit, 1, 2);
  grid->addWidget(FontColorPanel, 1, 3);
  grid->setColumnStretch(3, 1);

  connect(SpinEdit, &QSpinBox::valueChanged, this, &TFontFrame::SpinEditChange);
  connect(cbFontSizeUnit, &QComboBox::currentIndexChanged, this, &TFontFrame::SpinEditChange);
  connect(FontColorPanel, &ColourPanel::clicked, this, &TFontFrame::FontColorPanelClick);
  retranslate();
}

void TFontFrame::setFontNames(const QStringList& names) {
  const QString current = cbHtmlFontName->currentText();
  const QSignalBlocker quiet(cbHtmlFontName);
  cbHtmlFontName->clear();
  cbHtmlFontName->addItems(names);
  cbHtmlFontName->setCurrentIndex(int(names.indexOf(current)));
  cbHtmlFontName->setEditText(current);
}

void TFontFrame::setColourChooser(ColourChooser chooser) { chooser_ = std::move(chooser); }

void TFontFrame::retranslate() {
  GroupBox->setTitle(tr("   Default Font   "));
  chkSetFontSize->setText(tr("Size"));
  FontColorPanel->setText(tr("Color"));
  cbHtmlFontName->setAccessibleName(tr("Default font"));
  SpinEdit->setAccessibleName(tr("Font size"));
  cbFontSizeUnit->setAccessibleName(tr("Unit of the font size"));
  FontColorPanel->setAccessibleName(tr("Text colour"));
  updateGeometry();
}

void TFontFrame::showValues(const FontFrameValues& values) {
  showing_ = true;
  shown_ = values;
  const int face = cbHtmlFontName->findText(values.fontName, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  cbHtmlFontName->setCurrentIndex(face);
  cbHtmlFontName->setEditText(values.fontName);
  chkSetFontSize->setChecked(values.setSize);
  // A size the fields cannot hold is shown as written, and none of the
  // size's fields takes a change.
  const bool held = values.sizeAsWritten.isEmpty();
  SpinEdit->setSpecialValueText(values.sizeAsWritten);
  SpinEdit->setValue(held ? values.size : SpinEdit->minimum());
  SpinEdit->updateGeometry();  // wide enough for the size as written
  const int unit = cbFontSizeUnit->findText(values.unit, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  cbFontSizeUnit->setCurrentIndex(held ? (unit < 0 ? 0 : unit) : cbFontSizeUnit->count() - 1);
  for (QWidget* field : {static_cast<QWidget*>(chkSetFontSize), static_cast<QWidget*>(SpinEdit),
                         static_cast<QWidget*>(cbFontSizeUnit)})
    field->setEnabled(held);
  FontColorPanel->setColour(values.colour);
  showing_ = false;
}

FontFrameValues TFontFrame::values() const {
  FontFrameValues values;
  values.fontName = cbHtmlFontName->currentText();
  values.setSize = chkSetFontSize->isChecked();
  values.size = SpinEdit->value();
  values.unit = cbFontSizeUnit->currentText();
  if (!shown_.sizeAsWritten.isEmpty()) {
    values.size = shown_.size;
    values.unit = shown_.unit;
    values.sizeAsWritten = shown_.sizeAsWritten;
  }
  values.colour = FontColorPanel->colour();
  return values;
}

void TFontFrame::SpinEditChange() {
  if (!showing_) chkSetFontSize->setChecked(true);
}

void TFontFrame::FontColorPanelClick() {
  if (!chooser_) return;
  if (const std::optional<QColor> chosen = chooser_(FontColorPanel->colour())) FontColorPanel->setColour(*chosen);
}

}  // namespace wrenpad
