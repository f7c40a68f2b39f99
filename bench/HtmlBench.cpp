// Time to first paint of the HTML engine against a plain QTextBrowser, on generated pages:
// a long table, a long text, many pictures and a deep frameset. Both are measured in the same
// run, in turns; the figures are medians. Also the longest time the event loop is held up
// while the rest of a page is laid out after the first paint.
//
//   build/bench/html_bench [--runs N]

#include "app/Folders.h"
#include "html/FrameViewer.h"
#include "platform/HostPath.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr QSize kWindow(1000, 700);

void Write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
}

QByteArray Cp1251(const QString& text) {
  QStringEncoder encoder("windows-1251");
  return encoder.encode(text);
}

QString Head(const QString& title) {
  return QStringLiteral(
             "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
             "<title>%1</title></head><body>")
      .arg(title);
}

// About 930 KB: 3,000 rows of a parts list.
QString LongTable() {
  QString page = Head(QStringLiteral("Каталог деталей")) + "<h1>Каталог деталей</h1><table border=1 cellpadding=2>";
  for (int row = 0; row < 3000; ++row)
    page += QStringLiteral(
                "<tr><td>%1</td><td><a href=\"part%1.htm\">Деталь номер %1</a></td><td>Кузов и оперение, "
                "правая сторона</td><td align=right>%2,00</td><td>Есть на складе</td><td>Применяется на "
                "автомобилях всех годов выпуска; при замене проверьте зазоры и затяните болты "
                "моментом, указанным в таблице</td></tr>\n")
                .arg(row)
                .arg(row * 7 % 1000);
  return page + "</table></body></html>";
}

QString LongText() {
  QString page = Head(QStringLiteral("Руководство"));
  for (int part = 0; part < 400; ++part) {
    page += QStringLiteral("<h2><a name=\"p%1\"></a>Раздел %1</h2>").arg(part);
    for (int p = 0; p < 4; ++p)
      page += QStringLiteral(
                  "<p>Перед снятием головки блока цилиндров слейте охлаждающую жидкость, отсоедините "
                  "провода от свечей зажигания и снимите <b>впускной коллектор</b> вместе с "
                  "карбюратором. <a href=\"#p%1\">См. раздел %1</a>.</p>\n")
                  .arg((part + p) % 400);
  }
  return page + "</body></html>";
}

QString ManyPictures(const QString& folder) {
  for (int i = 0; i < 20; ++i) {
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(i * 18, 160, 220));
    QPainter(&image).drawEllipse(20, 20, 120, 80);
    image.save(QStringLiteral("%1/pics/p%2.png").arg(folder).arg(i));
  }
  QString page = Head(QStringLiteral("Рисунки"));
  for (int i = 0; i < 600; ++i)
    page += QStringLiteral("<p><img src=\"pics/p%1.png\" title=\"Рисунок %2\"> Рисунок %2</p>\n").arg(i % 20).arg(i);
  return page + "</body></html>";
}

// Framesets four files deep with eight frames of medium pages.
QString DeepFrameset(const QString& folder) {
  QString text;
  for (int p = 0; p < 60; ++p) text += QStringLiteral("<p>Абзац %1 текста страницы в кадре.</p>").arg(p);
  for (int i = 0; i < 8; ++i)
    Write(QStringLiteral("%1/f%2.htm").arg(folder).arg(i), Cp1251(Head("F") + text + "</body></html>"));
  Write(folder + "/level3.htm",
        Cp1251("<frameset cols=\"*,*\"><frame name=g src=f6.htm><frame name=h src=f7.htm></frameset>"));
  Write(folder + "/level2.htm",
        Cp1251("<frameset rows=\"*,*\"><frame name=e src=f4.htm><frameset cols=\"*,*\">"
               "<frame name=f src=f5.htm><frame name=deep src=level3.htm></frameset></frameset>"));
  Write(folder + "/level1.htm",
        Cp1251("<frameset cols=\"30%,*\"><frame name=c src=f2.htm><frameset rows=\"*,*\">"
               "<frame name=d src=f3.htm><frame name=inner src=level2.htm></frameset></frameset>"));
  return "<frameset rows=\"20%,*\"><frame name=a src=f0.htm><frameset cols=\"*,70%\"><frame name=b src=f1.htm>"
         "<frame name=body src=level1.htm></frameset></frameset>";
}

// Waits until every widget in `painted` has been painted once; returns the time from `start`.
class TPaintWatch : public QObject {
 public:
  explicit TPaintWatch(std::vector<QWidget*> widgets) : widgets_(std::move(widgets)), painted_(widgets_.size()) {
    for (QWidget* widget : widgets_) widget->installEventFilter(this);
  }
  bool AllPainted() const {
    return std::all_of(painted_.begin(), painted_.end(), [](bool p) { return p; });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      for (size_t i = 0; i < widgets_.size(); ++i)
        if (widgets_[i] == watched) painted_[i] = true;
    return false;
  }

 private:
  std::vector<QWidget*> widgets_;
  std::vector<bool> painted_;
};

struct TMeasure {
  double firstPaint = 0;    // ms
  double longestStall = 0;  // ms, after the first paint, until the layout is complete
};

void WaitForPaint(const std::function<std::vector<QWidget*>()>& viewports, const QElapsedTimer& clock, TMeasure& m) {
  std::vector<QWidget*> watched = viewports();
  TPaintWatch watch(watched);
  for (QWidget* widget : watched) widget->update();
  while (!watch.AllPainted() && clock.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  m.firstPaint = clock.nsecsElapsed() / 1e6;
}

// The rest of the layout happens on the event loop: measure the longest gap between two turns.
void MeasureStalls(TMeasure& m) {
  QElapsedTimer turn;
  turn.start();
  QElapsedTimer total;
  total.start();
  while (total.elapsed() < 1500) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    m.longestStall = std::max(m.longestStall, turn.nsecsElapsed() / 1e6);
    turn.restart();
  }
}

std::vector<QWidget*> Viewports(const std::vector<QTextBrowser*>& browsers) {
  std::vector<QWidget*> out;
  for (QTextBrowser* browser : browsers) out.push_back(browser->viewport());
  return out;
}

TMeasure MeasureEngine(const QString& file) {
  TFrameViewer viewer;
  viewer.resize(kWindow);
  viewer.show();
  QCoreApplication::processEvents();
  TMeasure m;
  QElapsedTimer clock;
  clock.start();
  viewer.LoadFromFile(HostPath::ToWindows(file));
  WaitForPaint(
      [&] {
        std::vector<QTextBrowser*> browsers;
        for (THTMLViewer* frame : viewer.Viewers()) browsers.push_back(frame->Browser());
        return Viewports(browsers);
      },
      clock, m);
  MeasureStalls(m);
  return m;
}

// A plain QTextBrowser per frame, at the places the engine gave its frames, with the engine's
// default font (the book's choice, not the engine's cost).
TMeasure MeasurePlain(const std::vector<std::pair<QString, QRect>>& frames) {
  QWidget window;
  window.resize(kWindow);
  const TFrameViewer defaults;
  QFont font(defaults.DefFontName());
  font.setPointSize(defaults.DefFontSize());
  std::vector<QTextBrowser*> browsers;
  for (const auto& [file, place] : frames) {
    auto* browser = new QTextBrowser(&window);
    browser->setFont(font);
    browser->setFrameShape(QFrame::NoFrame);
    browser->setGeometry(place);
    browsers.push_back(browser);
  }
  window.show();
  QCoreApplication::processEvents();
  TMeasure m;
  QElapsedTimer clock;
  clock.start();
  for (size_t i = 0; i < frames.size(); ++i) browsers[i]->setSource(QUrl::fromLocalFile(frames[i].first));
  WaitForPaint([&] { return Viewports(browsers); }, clock, m);
  MeasureStalls(m);
  return m;
}

// The frames the engine shows for a page: each frame's file and place.
std::vector<std::pair<QString, QRect>> FramesOf(const QString& file) {
  TFrameViewer viewer;
  viewer.resize(kWindow);
  viewer.show();
  viewer.LoadFromFile(HostPath::ToWindows(file));
  QCoreApplication::processEvents();
  std::vector<std::pair<QString, QRect>> frames;
  for (THTMLViewer* frame : viewer.Viewers())
    frames.push_back({HostPath::ToHost(frame->CurrentFile()), QRect(frame->mapTo(&viewer, QPoint()), frame->size())});
  return frames;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int runs = 3;
  const QStringList arguments = app.arguments();
  const qsizetype at = arguments.indexOf("--runs");
  if (at >= 0 && at + 1 < arguments.size()) runs = std::max(1, arguments[at + 1].toInt());

  QTemporaryDir dir;
  const QString folder = dir.path() + "/book";
  QDir().mkpath(folder + "/pics");
  ApplyFolders(ComputeFolders(folder));
  const std::vector<std::pair<const char*, QString>> pages = {{"long table", "table.htm"},
                                                              {"long text", "text.htm"},
                                                              {"many pictures", "pictures.htm"},
                                                              {"deep frameset", "frames.htm"}};
  Write(folder + "/table.htm", Cp1251(LongTable()));
  Write(folder + "/text.htm", Cp1251(LongText()));
  Write(folder + "/pictures.htm", Cp1251(ManyPictures(folder)));
  Write(folder + "/frames.htm", Cp1251(DeepFrameset(folder)));

  std::printf("%-14s %8s %12s %12s %7s %14s %14s\n", "page", "size KB", "engine ms", "plain ms", "ratio",
              "engine stall", "plain stall");
  for (const auto& [label, name] : pages) {
    const QString file = folder + "/" + name;
    const auto frames = FramesOf(file);
    std::vector<double> engine, plain, engineStall, plainStall, ratios;
    for (int run = 0; run < runs; ++run) {
      // In turns, so that a busy machine weighs on both alike.
      const TMeasure a = run % 2 ? MeasurePlain(frames) : MeasureEngine(file);
      const TMeasure b = run % 2 ? MeasureEngine(file) : MeasurePlain(frames);
      const TMeasure& e = run % 2 ? b : a;
      const TMeasure& p = run % 2 ? a : b;
      engine.push_back(e.firstPaint);
      plain.push_back(p.firstPaint);
      engineStall.push_back(e.longestStall);
      plainStall.push_back(p.longestStall);
      ratios.push_back(e.firstPaint / p.firstPaint);
    }
    std::printf("%-14s %8lld %12.1f %12.1f %7.2f %11.1f ms %11.1f ms\n", label, QFileInfo(file).size() / 1024,
                Median(engine), Median(plain), Median(ratios), Median(engineStall), Median(plainStall));
    std::fflush(stdout);
  }
  return 0;
}
