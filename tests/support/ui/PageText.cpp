#include "support/ui/PageText.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

class TTextEngine : public QPaintEngine {
 public:
  TTextEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  QStringList texts;
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
  Type type() const override { return QPaintEngine::User; }
};

class TTextDevice : public QPaintDevice {
 public:
  mutable TTextEngine engine;
  QPaintEngine* paintEngine() const override { return &engine; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth: return 4000;
      case PdmHeight: return 4000;
      case PdmWidthMM: return 1000;
      case PdmHeightMM: return 1000;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return 96;
      case PdmDepth: return 32;
      case PdmNumColors: return INT_MAX;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
      default: return 0;
    }
  }
};

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

QStringList TextsOf(const QPicture& page) {
  TTextDevice device;
  QPainter painter(&device);
  painter.drawPicture(0, 0, page);
  painter.end();
  return device.engine.texts;
}

bool PdfToolsInstalled() {
  return !QStandardPaths::findExecutable("pdfinfo").isEmpty() && !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

int PdfPageCount(const QString& file) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
          .match(Run("pdfinfo", {file}));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString PdfText(const QString& file, int first, int last) {
  QStringList arguments;
  if (first > 0) arguments << "-f" << QString::number(first) << "-l" << QString::number(last);
  arguments << file << "-";
  return Run("pdftotext", arguments);
}
