#include "BookFolder.h"

#include "AviWriter.h"
#include "Canvas.h"
#include "CarDrawing.h"
#include "ChapterPages.h"
#include "ClickSound.h"
#include "Clips.h"
#include "GifWriter.h"
#include "PageTemplate.h"
#include "PartDrawings.h"
#include "ServicePages.h"
#include "WavWriter.h"
#include "WiringScheme.h"
#include "ZipWriter.h"
#include "platform/Cp1251.h"
#include "support/RarWriter.h"

#include <QBuffer>
#include <QFile>
#include <stdexcept>

namespace {

void Write(const QDir& dir, const QString& name, const QByteArray& bytes) {
  QFile file(dir.filePath(name));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + file.fileName().toStdString());
}

QByteArray Cp1251Text(const QString& text) {
  QString crlf = text;
  crlf.replace("\n", "\r\n");
  const std::string bytes = ToCp1251(crlf);
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString OilTable() {
  return QStringLiteral(
      "Масла для двигателя\n"
      "===================\n"
      "от -35 до +20 C   5W-30\n"
      "от -30 до +35 C   5W-40  (рекомендуется)\n"
      "от -25 до +40 C   10W-40\n"
      "от -15 до +45 C   15W-40\n"
      "Заправочный объём с фильтром: 3,5 л\n");
}

QString PressureTable() {
  return QStringLiteral(
      "Давление в шинах, бар   спереди / сзади\n"
      "185/65 R15             2,1 / 2,0\n"
      "185/65 R15 с грузом    2,3 / 2,6\n"
      "195/55 R16             2,2 / 2,1\n");
}

// Stands in for the diagnostics program: the pages only need a file of that kind to start.
QByteArray SetupProgram() {
  QByteArray bytes("MZ");
  bytes.append(QByteArray(62, '\0'));
  bytes.append("Diagnostics setup placeholder of the sample book.\r\n");
  return bytes;
}

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// The archive the files page links to: a page to read, a folder the archive lists with a
// table named in the OEM code page, and a picture two folders deep that are not listed.
QByteArray ToolsArchive(const QByteArray& oil) {
  const QString tables = QStringLiteral("Таблицы");
  TRarMember tyres(tables + QStringLiteral("\\шины.txt"), Cp1251Text(PressureTable()));
  tyres.naming = TRarMember::Naming::Oem;
  return EncodeRar4({
      {QStringLiteral("Прочти.htm"),
       HtmlPage(QStringLiteral("Таблицы и схемы"),
                QStringLiteral("<h1>Таблицы и схемы</h1><p>В архиве — таблицы масел и давления в шинах "
                               "и схема тормозного диска. Кнопка «Архив» справа от страницы распакует "
                               "весь архив в папку установки.</p>"))},
      {tables, {}, true},
      {tables + QStringLiteral("\\масла.txt"), oil},
      tyres,
      {QStringLiteral("Схемы\\Тормоза\\диск.png"), PngBytes(DrawBrakeDisc(150))},
  });
}

}  // namespace

void WriteBookFolder(const QDir& out, const SkinSound& sound, QSize clipPanel) {
  if (!out.mkpath(kPageFolder)) throw std::runtime_error("cannot create the page folder");
  const QDir man(out.filePath(kPageFolder));
  for (const std::vector<BookFile>& group : {ServicePages(), ChapterPages()})
    for (const BookFile& page : group) Write(man, page.name, page.bytes);

  SavePng(DrawBrakeDisc(150), man.filePath("disc.png"));
  SavePng(DrawBrakeDisc(480), man.filePath("disc_big.png"));
  Write(man, "plug.gif", EncodeAnimatedGif({DrawSparkPlug(QSize(70, 168))}, 100));
  SaveBmp(DrawBattery(QSize(168, 119)), man.filePath("battery.bmp"));
  SaveBmp(DrawBattery(QSize(420, 298)), man.filePath("battery_big.bmp"));
  SaveBmp(DrawWiringScheme(QSize(900, 620)), man.filePath("scheme.bmp"));
  SavePng(DrawOilFilter(QSize(128, 160)), man.filePath("filter.png"));
  SavePng(DrawCarPicture(QSize(390, 130)), man.filePath("car.png"));

  const QByteArray oil = Cp1251Text(OilTable());
  Write(man, "oil.txt", oil);
  Write(man, "tools.zip", EncodeStoredZip({{"oil.txt", oil}, {"tyres.txt", Cp1251Text(PressureTable())}}));
  Write(man, "tools.rar", ToolsArchive(oil));
  Write(man, "signal.wav", EncodeWav(ClickSamples(sound), kClickSampleRate));
  Write(man, "setup.exe", SetupProgram());
  Write(man, "engine.avi", EncodeMjpegAvi(EngineFrames(clipPanel), kEngineFramesPerSecond));
}
