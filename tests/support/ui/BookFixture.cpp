#include "support/ui/BookFixture.h"

#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/Registry.h"

#include <QBuffer>

TBookFixture::TBookFixture() = default;

void TBookFixture::Picture(const QString& name, QSize size, QColor color) const {
  QImage image(size, QImage::Format_RGB888);
  image.fill(color);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  dir_.Write(name, bytes);
}

void TBookFixture::Struct(const QStringList& lines) const {
  dir_.Write(QStringLiteral("Struct.txt"), QByteArray::fromStdString(ToCp1251(lines.join(QStringLiteral("\r\n")))));
}

void TBookFixture::Title(const QString& title) const {
  dir_.Write(QStringLiteral("Title.txt"), QByteArray::fromStdString(ToCp1251(title + QStringLiteral("\r\n\r\n"))));
}

void TBookFixture::IsolateSettings() const { Global.SettingsFolder = dir_.MakeFolder(QStringLiteral(".settings")); }
