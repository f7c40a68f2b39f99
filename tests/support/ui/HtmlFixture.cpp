#include "support/ui/HtmlFixture.h"

#include "app/Folders.h"
#include "app/ResourcePack.h"
#include "platform/HostPath.h"

#include <QCoreApplication>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

HtmlFixture::HtmlFixture() { ApplyFolders(ComputeFolders(dir_.Path())); }

HtmlFixture::~HtmlFixture() {
  PackClose();
  PackSetRoot("");
}

std::string HtmlFixture::Write(const QString& relative, const QByteArray& bytes) const {
  return HostPath::ToWindows(dir_.Write(relative, bytes));
}

std::string HtmlFixture::WriteText(const QString& relative, const QString& text) const {
  return Write(relative, text.toUtf8());
}

QPoint PointOfText(THTMLViewer* viewer, const QString& text) {
  const QTextCursor found = viewer->Document()->find(text);
  EXPECT_FALSE(found.isNull()) << text.toStdString();
  QTextCursor start(viewer->Document());
  start.setPosition(found.selectionStart());
  const QRect caret = viewer->Browser()->cursorRect(start);
  return {caret.left() + 3, caret.center().y()};
}

void ClickText(THTMLViewer* viewer, const QString& text) {
  const QPoint point = PointOfText(viewer, text);
  QTest::mouseMove(viewer->Browser()->viewport(), point);
  QTest::mouseClick(viewer->Browser()->viewport(), Qt::LeftButton, {}, point);
  ProcessEvents();
}

void ProcessEvents() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}
