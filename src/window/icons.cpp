// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/icons.h"

#include "editor/text_on_background.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

// The pictures live in this library's resources; a static library's
// resources are registered by hand before the first use.
static void registerPictures() { Q_INIT_RESOURCE(wrenpad); }

namespace wrenpad {

namespace {

void registerPicturesOnce() {
  static const bool registered = (registerPictures(), true);
  (void)registered;
}

// Pictures are drawn by Qt's SVG renderer at each size a bar or a window
// asks for, so they stay sharp on every screen.
QPixmap render(const QByteArray& svg, QSize size, qreal scale = 1) {
  QSvgRenderer renderer(svg);
  QPixmap pixmap(size * scale);
  pixmap.fill(Qt::transparent);
  if (renderer.isValid()) {
    QPainter painter(&pixmap);
    renderer.render(&painter);
  }
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

QByteArray readPicture(const QString& resource) {
  registerPicturesOnce();
  QFile file(resource);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every colour "#rrggbb" of a picture as it stands out at least 3 to 1 on
// `background`.
QByteArray withColoursReadableOn(const QByteArray& svg, const QColor& background) {
  static const QRegularExpression colour(QStringLiteral("#[0-9a-fA-F]{6}\\b"));
  QString text = QString::fromUtf8(svg);
  QString out;
  qsizetype last = 0;
  for (const QRegularExpressionMatch& match : colour.globalMatch(text)) {
    out += QStringView(text).mid(last, match.capturedStart() - last);
    out += withContrastOn(QColor(match.captured()), background, 3.0).name();
    last = match.capturedEnd();
  }
  out += QStringView(text).mid(last);
  return out.toUtf8();
}

// A tool picture whose glyphs are drawn in "currentColor" takes the text
// colour of the application's palette each time it is drawn, so letters and
// lines stay readable on a dark tool bar and follow a change of palette
// (a dark desktop theme switched on while the program runs). The picture's
// other colours were drawn for a light tool bar: on a dark one each colour
// that would stand out less than 3 to 1 is lightened until it does. A
// disabled button's picture is greyed by the style, as Qt greys any other
// picture.
class ToolIconEngine : public QIconEngine {
 public:
  explicit ToolIconEngine(QByteArray svg) : svg_(std::move(svg)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
    const QPalette palette = QGuiApplication::palette();
    const QColor ink = palette.color(QPalette::Active, QPalette::WindowText);
    const QColor back = palette.color(QPalette::Active, QPalette::Window);
    const QString key = QStringLiteral("%1x%2@%3/%4/%5/%6")
                            .arg(size.width()).arg(size.height()).arg(scale).arg(int(mode))
                            .arg(ink.rgba()).arg(back.rgba());
    if (const auto kept = cache_.constFind(key); kept != cache_.cend()) return *kept;
    if (cache_.size() > 64) cache_.clear();
    QByteArray svg = svg_;
    svg.replace("currentColor", ink.name().toLatin1());
    if (IsDarkBackground(back)) svg = withColoursReadableOn(svg, back);
    QPixmap picture = render(svg, size, scale);
    if (mode == QIcon::Disabled) picture = greyed(picture, palette);
    cache_.insert(key, picture);
    return picture;
  }
  QIconEngine* clone() const override { return new ToolIconEngine(svg_); }
  QString key() const override { return QStringLiteral("wrenpad-tool"); }

 private:
  static QPixmap greyed(const QPixmap& picture, const QPalette& palette) {
    const QStyle* style = QApplication::style();
    if (!style) return picture;
    QStyleOption option;
    option.palette = palette;
    return style->generatedIconPixmap(QIcon::Disabled, picture, &option);
  }

  QByteArray svg_;
  QHash<QString, QPixmap> cache_;
};

const QString kProgramPicture = QStringLiteral(":/icons/wrenpad.svg");

}  // namespace

QPixmap programIconPixmap(int size) { return render(readPicture(kProgramPicture), QSize(size, size)); }

QIcon programIcon() {
  const QByteArray svg = readPicture(kProgramPicture);
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(render(svg, QSize(size, size)));
  return icon;
}

QIcon toolIcon(const QString& name) {
  const QByteArray svg = readPicture(QStringLiteral(":/icons/%1.svg").arg(name));
  if (svg.isEmpty()) return QIcon();
  return QIcon(new ToolIconEngine(svg));
}

}  // namespace wrenpad
