#include "support/ui/MediaFiles.h"

#include "app/ResourcePack.h"
#include "generator/AviWriter.h"
#include "generator/WavWriter.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"

#include <QImage>
#include <cmath>

namespace {

constexpr int kSampleRate = 8000;

}  // namespace

QByteArray ToneWav(int milliseconds) {
  std::vector<int16_t> samples(static_cast<size_t>(kSampleRate * milliseconds / 1000));
  for (size_t n = 0; n < samples.size(); ++n)
    samples[n] = static_cast<int16_t>(2000 * std::sin(2 * M_PI * 440 * static_cast<double>(n) / kSampleRate));
  return EncodeWav(samples, kSampleRate);
}

QByteArray ColourAvi(int frames, int framesPerSecond, QSize size, QColor first) {
  std::vector<QImage> images;
  for (int i = 0; i < frames; ++i) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((first.hsvHue() + 30 * i) % 360, first.hsvSaturation(), first.value()));
    images.push_back(image);
  }
  return EncodeMjpegAvi(images, framesPerSecond);
}

TMediaFolder::TMediaFolder() {
  HostPath::SetDiscRoot(dir_.Path());
  PackClose();
  Global.ProgramFolder = "d:\\";
  Global.DiscRoot = "d:\\";
  Global.BookTitle = "Media test";
  Global.SettingsFolder = dir_.MakeFolder(QStringLiteral(".settings"));
  Global.Options = {};
}

std::string TMediaFolder::Write(const std::string& name, const QByteArray& bytes) const {
  dir_.Write(QString::fromStdString(name), bytes);
  return "d:\\" + name;
}

QString TMediaFolder::HostFile(const std::string& name) const {
  return dir_.Path() + '/' + QString::fromStdString(name);
}
