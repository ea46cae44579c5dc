#include "window/icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace wrenpad {

namespace {

using Drawing = std::function<void(QPainter&)>;

QPixmap paint(int size, const Drawing& draw) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 16.0, size / 16.0);
  draw(painter);
  return pixmap;
}

void sheet(QPainter& p) {
  p.setPen(QPen(QColor(70, 70, 70), 0.8));
  p.setBrush(Qt::white);
  QPainterPath path;
  path.moveTo(3, 1.5);
  path.lineTo(10, 1.5);
  path.lineTo(13, 4.5);
  path.lineTo(13, 14.5);
  path.lineTo(3, 14.5);
  path.closeSubpath();
  p.drawPath(path);
}

void letter(QPainter& p, const QString& text, const QColor& color, bool bold = true,
            bool italic = false, bool underline = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  p.setFont(font);
  p.setPen(color);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

void lines(QPainter& p, int count, const QColor& color, bool right = false) {
  p.setPen(QPen(color, 1.2));
  for (int i = 0; i < count; ++i) {
    const double width = (i % 2) ? 8 : 12;
    const double left = right ? 14 - width : (16 - width) / 2;
    p.drawLine(QPointF(left, 3.5 + i * 3), QPointF(left + width, 3.5 + i * 3));
  }
}

const QHash<QString, Drawing>& drawings() {
  static const QHash<QString, Drawing> table = {
      {QStringLiteral("tbNew"), [](QPainter& p) { sheet(p); }},
      {QStringLiteral("tbOpen"), [](QPainter& p) {
         p.setPen(QPen(QColor(140, 100, 20), 0.8));
         p.setBrush(QColor(240, 200, 90));
         p.drawRect(QRectF(1.5, 4.5, 13, 9));
         p.setBrush(QColor(250, 225, 130));
         p.drawPolygon(QPolygonF({{1.5, 13.5}, {4, 7.5}, {15.5, 7.5}, {13.5, 13.5}}));
       }},
      {QStringLiteral("tbSaveAs"), [](QPainter& p) {
         p.setPen(QPen(QColor(30, 40, 90), 0.8));
         p.setBrush(QColor(60, 90, 170));
         p.drawRect(QRectF(1.5, 1.5, 13, 13));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(4, 2, 8, 5));
         p.setBrush(QColor(200, 200, 200));
         p.drawRect(QRectF(4.5, 10, 7, 4.5));
       }},
      {QStringLiteral("tbPrint"), [](QPainter& p) {
         p.setPen(QPen(QColor(60, 60, 60), 0.8));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(4.5, 1.5, 7, 5));
         p.setBrush(QColor(170, 170, 170));
         p.drawRect(QRectF(1.5, 6.5, 13, 6));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(4.5, 10.5, 7, 4));
       }},
      {QStringLiteral("tbUndo"), [](QPainter& p) {
         p.setPen(QPen(QColor(30, 90, 160), 1.8));
         p.setBrush(Qt::NoBrush);
         p.drawArc(QRectF(3, 4, 10, 9), 90 * 16, -250 * 16);
         p.setBrush(QColor(30, 90, 160));
         p.drawPolygon(QPolygonF({{1.5, 5}, {6, 1.5}, {6, 8}}));
       }},
      {QStringLiteral("tbCut"), [](QPainter& p) {
         p.setPen(QPen(QColor(60, 60, 60), 1.2));
         p.drawLine(QPointF(5, 2), QPointF(10, 10));
         p.drawLine(QPointF(11, 2), QPointF(6, 10));
         p.drawEllipse(QRectF(2, 10, 4, 4));
         p.drawEllipse(QRectF(10, 10, 4, 4));
       }},
      {QStringLiteral("tbCopy"), [](QPainter& p) {
         p.translate(-1.5, -1);
         sheet(p);
         p.translate(3, 2);
         sheet(p);
       }},
      {QStringLiteral("tbPaste"), [](QPainter& p) {
         p.setPen(QPen(QColor(120, 80, 30), 0.8));
         p.setBrush(QColor(200, 150, 80));
         p.drawRect(QRectF(2.5, 2.5, 10, 12));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(6.5, 6.5, 8, 8));
       }},
      {QStringLiteral("tbFind"), [](QPainter& p) {
         p.setPen(QPen(QColor(50, 50, 50), 1.6));
         p.drawEllipse(QRectF(2, 2, 8, 8));
         p.drawLine(QPointF(9, 9), QPointF(14, 14));
       }},
      {QStringLiteral("tbReplace"), [](QPainter& p) {
         letter(p, QStringLiteral("a"), QColor(50, 50, 50));
         p.setPen(QPen(QColor(200, 60, 30), 1.2));
         p.drawLine(QPointF(2, 14), QPointF(14, 14));
       }},
      {QStringLiteral("tbRefer"), [](QPainter& p) {
         p.setPen(QPen(QColor(40, 70, 40), 0.8));
         p.setBrush(QColor(80, 150, 80));
         p.drawRect(QRectF(2.5, 1.5, 11, 13));
         letter(p, QStringLiteral("辞"), Qt::white, false);
       }},
      {QStringLiteral("tbCompile"), [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(40, 150, 60));
         p.drawPolygon(QPolygonF({{4, 2}, {14, 8}, {4, 14}}));
       }},
      {QStringLiteral("tbInspector"), [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(200, 40, 40));
         p.drawEllipse(QRectF(3, 3, 10, 10));
       }},
      {QStringLiteral("tbInputWizard"), [](QPainter& p) {
         letter(p, QStringLiteral("In"), QColor(90, 50, 140));
       }},
      {QStringLiteral("tbHTMLfont"), [](QPainter& p) { letter(p, QStringLiteral("F"), QColor(160, 30, 30)); }},
      {QStringLiteral("tbBold"), [](QPainter& p) { letter(p, QStringLiteral("B"), Qt::black); }},
      {QStringLiteral("tbItalic"), [](QPainter& p) { letter(p, QStringLiteral("I"), Qt::black, false, true); }},
      {QStringLiteral("tbBulletList"), [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::black);
         for (int i = 0; i < 3; ++i) p.drawEllipse(QRectF(1.5, 2.5 + i * 4.5, 2.5, 2.5));
         p.setPen(QPen(Qt::black, 1.2));
         for (int i = 0; i < 3; ++i) p.drawLine(QPointF(6, 3.8 + i * 4.5), QPointF(14, 3.8 + i * 4.5));
       }},
      {QStringLiteral("tbNumbering"), [](QPainter& p) {
         QFont font(QStringLiteral("DejaVu Sans"));
         font.setPixelSize(5);
         p.setFont(font);
         p.setPen(Qt::black);
         for (int i = 0; i < 3; ++i) p.drawText(QPointF(1, 5.5 + i * 4.5), QString::number(i + 1));
         p.setPen(QPen(Qt::black, 1.2));
         for (int i = 0; i < 3; ++i) p.drawLine(QPointF(6, 3.8 + i * 4.5), QPointF(14, 3.8 + i * 4.5));
       }},
      {QStringLiteral("tbCenter"), [](QPainter& p) { lines(p, 4, Qt::black); }},
      {QStringLiteral("tbRight"), [](QPainter& p) { lines(p, 4, Qt::black, true); }},
      {QStringLiteral("tbPicture"), [](QPainter& p) {
         p.setPen(QPen(QColor(60, 60, 60), 0.8));
         p.setBrush(QColor(150, 200, 240));
         p.drawRect(QRectF(1.5, 2.5, 13, 11));
         p.setBrush(QColor(60, 150, 60));
         p.drawPolygon(QPolygonF({{1.5, 13.5}, {6, 7}, {9, 11}, {11, 9}, {14.5, 13.5}}));
       }},
      {QStringLiteral("tbLink"), [](QPainter& p) {
         p.setPen(QPen(QColor(30, 60, 180), 1.5));
         p.setBrush(Qt::NoBrush);
         p.drawRoundedRect(QRectF(1.5, 5.5, 7, 5), 2.5, 2.5);
         p.drawRoundedRect(QRectF(7.5, 5.5, 7, 5), 2.5, 2.5);
       }},
      {QStringLiteral("tbTable"), [](QPainter& p) {
         p.setPen(QPen(QColor(60, 60, 60), 0.8));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(1.5, 2.5, 13, 11));
         p.drawLine(QPointF(1.5, 6), QPointF(14.5, 6));
         p.drawLine(QPointF(1.5, 10), QPointF(14.5, 10));
         p.drawLine(QPointF(8, 2.5), QPointF(8, 13.5));
       }},
      {QStringLiteral("tbCreateBox"), [](QPainter& p) {
         p.setPen(QPen(QColor(180, 90, 20), 1.2, Qt::DashLine));
         p.setBrush(QColor(255, 240, 210));
         p.drawRect(QRectF(2, 3, 12, 10));
       }},
      {QStringLiteral("tbRepaint"), [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(0, 0, 255));
         p.drawRect(QRectF(2, 3, 4, 10));
         p.setBrush(QColor(0, 128, 128));
         p.drawRect(QRectF(6, 3, 4, 10));
         p.setBrush(QColor(128, 128, 128));
         p.drawRect(QRectF(10, 3, 4, 10));
       }},
      {QStringLiteral("tbBrowse"), [](QPainter& p) {
         p.setPen(QPen(QColor(30, 90, 160), 1.0));
         p.setBrush(QColor(190, 220, 250));
         p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
         p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
         p.drawEllipse(QRectF(5, 1.5, 6, 13));
       }},
      {QStringLiteral("tbBR"), [](QPainter& p) {
         QFont font(QStringLiteral("DejaVu Sans"));
         font.setPixelSize(7);
         font.setBold(true);
         p.setFont(font);
         p.setPen(QColor(0, 0, 255));
         p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("BR"));
       }},
  };
  return table;
}

}  // namespace

QPixmap programIconPixmap(int size) {
  return paint(size, [](QPainter& p) {
    // the pad
    p.setPen(QPen(QColor(60, 60, 90), 0.6));
    p.setBrush(QColor(255, 252, 235));
    p.drawRoundedRect(QRectF(1.5, 2, 11.5, 13.5), 1, 1);
    p.setPen(QPen(QColor(150, 180, 220), 0.5));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(3, 6 + i * 2.5), QPointF(11.5, 6 + i * 2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 60, 50));
    p.drawRect(QRectF(1.5, 2, 11.5, 2.2));
    // the wren: round brown body, cocked tail, short beak
    p.setBrush(QColor(140, 90, 45));
    p.drawEllipse(QRectF(8, 7.5, 6.5, 5));
    p.drawEllipse(QRectF(12, 6, 3.2, 3.2));
    p.drawPolygon(QPolygonF({{9, 9}, {6.8, 5.2}, {8.2, 5}, {10.2, 8.3}}));
    p.setBrush(QColor(230, 160, 40));
    p.drawPolygon(QPolygonF({{15, 7.2}, {16, 7.7}, {15, 8.1}}));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(13.6, 6.9, 0.8, 0.8));
  });
}

QIcon programIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(programIconPixmap(size));
  return icon;
}

QIcon toolIcon(const QString& name) {
  const auto found = drawings().constFind(name);
  if (found == drawings().constEnd()) return QIcon();
  QIcon icon;
  for (int size : {16, 24, 32}) icon.addPixmap(paint(size, *found));
  return icon;
}

}  // namespace wrenpad
