// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a page made for a dark background: the paper shows no page
// background, and text coloured white or yellow for the screen prints black
// while red text stays red. The printed PDF's drawing operators are read
// back for the colours text is filled with.
#include "documents/document_commands.h"
#include "support/window_fixture.h"

#include <QRegularExpression>
#include <QtEndian>
#include <gtest/gtest.h>
#include <set>

using namespace wrenpad;

namespace {

const QByteArray kDarkPage =
    "<html><body text=\"white\" bgcolor=\"black\">\r\n"
    "White words on a black page<br>\r\n"
    "<font color=\"yellow\">yellow words</font> <font color=\"red\">red words</font>\r\n"
    "</body></html>\r\n";

// The streams of a PDF, those written compressed inflated.
QList<QByteArray> pdfStreams(const QByteArray& pdf) {
  QList<QByteArray> streams;
  for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at)) {
    const qsizetype start = at + 7;
    const qsizetype end = pdf.indexOf("endstream", start);
    if (end < 0) break;
    const QByteArray bytes = pdf.mid(start, end - start).chopped(1);  // the line end before "endstream"
    const qsizetype dictionary = pdf.lastIndexOf("<<", at);
    if (pdf.mid(dictionary, at - dictionary).contains("/FlateDecode")) {
      QByteArray zlib(4, '\0');
      qToBigEndian<quint32>(16u << 20, zlib.data());  // room enough for a page
      streams << qUncompress(zlib + bytes);
    } else {
      streams << bytes;
    }
    at = end + 9;  // past "endstream"
  }
  return streams;
}

// Every colour the PDF sets for filling, which is what text is drawn with.
std::set<QRgb> fillColours(const QByteArray& pdf) {
  std::set<QRgb> colours;
  static const QRegularExpression fill(QStringLiteral("([0-9.]+) ([0-9.]+) ([0-9.]+) (?:rg|scn)\\b"));
  for (const QByteArray& stream : pdfStreams(pdf)) {
    auto matches = fill.globalMatch(QString::fromLatin1(stream));
    while (matches.hasNext()) {
      const auto match = matches.next();
      colours.insert(QColor::fromRgbF(match.captured(1).toFloat(), match.captured(2).toFloat(),
                                      match.captured(3).toFloat()).rgb());
    }
  }
  return colours;
}

TEST(Printing, APageForADarkBackgroundPrintsDarkTextWithoutItsBackground) {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  auto main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings + "Realization=1\r\n");
  main->documents().OpenFile(folder.write("dark.htm", kDarkPage));
  ASSERT_EQ(main->editor().background(), QColor(Qt::black));

  dialogs.printAnswers = {true};
  dialogs.printToPdf = folder.file("dark.pdf");
  main->documents().mmPrintClick();
  const QByteArray pdf = test::TempFolder::read(dialogs.printToPdf);
  const std::set<QRgb> colours = fillColours(pdf);
  ASSERT_FALSE(colours.empty());
  // Nothing but text is drawn: no area is filled, a background least of all.
  for (const QByteArray& stream : pdfStreams(pdf))
    EXPECT_FALSE(stream.contains("\nf\n") || stream.contains("\nf*\n") || stream.contains(" re\n"));
  for (const QRgb colour : colours) {
    EXPECT_LT(qGray(colour), 160) << QColor(colour).name().toStdString();
  }
  EXPECT_TRUE(colours.count(qRgb(255, 0, 0))) << "red text";
  EXPECT_TRUE(colours.count(qRgb(0, 0, 0))) << "white and yellow text";
  test::closeWithoutSaving(*main);
}

}  // namespace
