#include "window/icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
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
QPixmap render(const QString& resource, int size) {
  QSvgRenderer renderer(resource);
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  if (!renderer.isValid()) return pixmap;
  QPainter painter(&pixmap);
  renderer.render(&painter);
  return pixmap;
}

QIcon iconAt(const QString& resource, std::initializer_list<int> sizes) {
  registerPicturesOnce();
  if (!QFile::exists(resource)) return QIcon();
  QIcon icon;
  for (int size : sizes) icon.addPixmap(render(resource, size));
  return icon;
}

const QString kProgramPicture = QStringLiteral(":/icons/wrenpad.svg");

}  // namespace

QPixmap programIconPixmap(int size) {
  registerPicturesOnce();
  return render(kProgramPicture, size);
}

QIcon programIcon() { return iconAt(kProgramPicture, {16, 32, 48, 64, 128}); }

QIcon toolIcon(const QString& name) {
  return iconAt(QStringLiteral(":/icons/%1.svg").arg(name), {16, 24, 32});
}

}  // namespace wrenpad
