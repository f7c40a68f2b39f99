// A book-wide search through a generated book of 2,000 pages, for a word that occurs nowhere:
// the quick walk (page texts read once and kept, the engine asked only where the word may be)
// against every page loaded into a hidden viewer, in the same run. Then the book's index is
// built with booktool and a word looked up in it.
//
//   book_search_bench [--pages N] [--plain-pages N] [--keep DIR]
//     --pages N        pages in the book (2000)
//     --plain-pages N  pages the hidden-viewer walk reads; its time is scaled to the whole
//                      book (all pages)
//     --keep DIR       write the book into DIR and leave it there

#include "app/DescriptionSyntax.h"
#include "app/Folders.h"
#include "app/ResourcePack.h"
#include "app/ui/Application.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "search/PageScanner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace {

const QStringList kWords = QString::fromUtf8(
                               "двигатель поршень цилиндр клапан свеча зажигания масло фильтр насос ремень "
                               "коробка передач сцепление тормоз колодка диск суппорт шина колесо подвеска "
                               "амортизатор пружина рычаг шаровая опора рулевой наконечник генератор стартер "
                               "аккумулятор провод предохранитель реле датчик температуры давления уровень "
                               "охлаждающей жидкости радиатор термостат вентилятор карбюратор форсунка "
                               "топливный бак магистраль проверьте замените затяните снимите установите "
                               "момент затяжки зазор износ ремонт обслуживание пробег километров через каждые")
                               .split(u' ');

QString Sentence(QRandomGenerator& random) {
  QString s;
  const int words = 6 + random.bounded(14);
  for (int i = 0; i < words; ++i) {
    QString w = kWords[random.bounded(kWords.size())];
    if (i == 0) w[0] = w[0].toUpper();
    s += w;
    s += i + 1 < words ? (random.bounded(9) == 0 ? QStringLiteral(", ") : QStringLiteral(" ")) : QStringLiteral(". ");
  }
  return s;
}

QString Table(QRandomGenerator& random) {
  QString t = QStringLiteral(
      "<table border=1 cellpadding=2>\r\n<tr><th>Деталь</th><th>Момент, Н&middot;м</th>"
      "<th>Примечание</th></tr>\r\n");
  const int rows = 4 + random.bounded(20);
  for (int r = 0; r < rows; ++r)
    t += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\r\n")
             .arg(kWords[random.bounded(kWords.size())])
             .arg(10 + random.bounded(200))
             .arg(Sentence(random));
  return t + "</table>\r\n";
}

QByteArray PageBytes(int number, QRandomGenerator& random, int pages) {
  const QString title = QStringLiteral("Раздел %1. %2").arg(number).arg(kWords[random.bounded(kWords.size())]);
  QString html = QStringLiteral(
                     "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\r\n"
                     "<title>%1</title><link rel=stylesheet href=\"../book.css\"></head>\r\n<body>\r\n<h1>%1</h1>\r\n")
                     .arg(title);
  if (number % 50 == 7) {
    // A frameset page: the contents and a chapter.
    html = QStringLiteral(
               "<html><head><title>%1</title></head>\r\n<frameset cols=\"25%,*\">\r\n"
               "<frame src=\"p%2.htm\" name=\"toc\">\r\n<frame src=\"p%3.htm\" name=\"text\">\r\n</frameset>\r\n"
               "<noframes>%4</noframes></html>\r\n")
               .arg(title)
               .arg((number + 1) % pages, 4, 10, QChar(u'0'))
               .arg((number + 2) % pages, 4, 10, QChar(u'0'))
               .arg(Sentence(random));
  } else {
    const int target = 5000 + random.bounded(45000);
    while (html.size() < target) {
      switch (random.bounded(6)) {
        case 0: html += Table(random); break;
        case 1: html += QStringLiteral("<h2>%1</h2>\r\n").arg(kWords[random.bounded(kWords.size())]); break;
        case 2:
          html +=
              QStringLiteral("<p><b>Внимание!</b> %1&nbsp;&laquo;%2&raquo; <a href=\"p%3.htm\">см. раздел</a></p>\r\n")
                  .arg(Sentence(random), kWords[random.bounded(kWords.size())])
                  .arg(random.bounded(pages), 4, 10, QChar(u'0'));
          break;
        default: html += "<p>" + Sentence(random) + Sentence(random) + Sentence(random) + "</p>\r\n"; break;
      }
    }
    if (number == pages / 2) html += QStringLiteral("<p>Маркер середины книги: кривошип.</p>\r\n");
    html += "</body></html>\r\n";
  }
  return QByteArray::fromStdString(ToCp1251(html));
}

void WriteBook(const QString& folder, int pages) {
  QDir(folder).mkpath("pages");
  QFile css(folder + "/book.css");
  if (!css.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write the style sheet");
  css.write("body { font-family: Arial; } h1 { color: #204060; } td { padding: 2px; }\r\n");
  QRandomGenerator random(2024);
  for (int i = 0; i < pages; ++i) {
    QFile page(QStringLiteral("%1/pages/p%2.htm").arg(folder).arg(i, 4, 10, QChar(u'0')));
    if (!page.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write a page");
    page.write(PageBytes(i, random, pages));
  }
}

struct TWalkTime {
  double seconds;
  size_t pages;
  size_t end;
};

TWalkTime TimeWalk(TPageScanner& scanner, const std::vector<std::string>& files, const QString& word) {
  scanner.BeginWalk(word, false);
  QElapsedTimer timer;
  timer.start();
  const TPageScanner::TWalkEnd end = scanner.Walk(files, 0, files.front(), {}, {});
  const double seconds = timer.nsecsElapsed() / 1e9;
  scanner.EndWalk();
  return {seconds, files.size(), end.index};
}

QString Run(const QStringList& args, double& seconds) {
  QProcess process;
  QElapsedTimer timer;
  timer.start();
  process.start(QStringLiteral(SKINBOOK_BOOKTOOL), args);
  process.waitForFinished(-1);
  seconds = timer.nsecsElapsed() / 1e9;
  return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication app(argc, argv);
  int pages = 2000, plainPages = -1;
  QString keep;
  const QStringList args = app.arguments();
  for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
    if (args[i] == "--pages")
      pages = args[i + 1].toInt();
    else if (args[i] == "--plain-pages")
      plainPages = args[i + 1].toInt();
    else if (args[i] == "--keep")
      keep = args[i + 1];
  }
  if (pages < 10) {
    std::fprintf(stderr, "usage: book_search_bench [--pages N] [--plain-pages N] [--keep DIR]\n");
    return 2;
  }
  QTemporaryDir temporary;
  const QString folder = keep.isEmpty() ? temporary.path() : QDir(keep).absolutePath();
  WriteBook(folder, pages);
  ApplyFolders(ComputeFolders(folder));
  PackClose();
  std::vector<std::string> files;
  FindFiles(Global.ProgramFolder, {"*.htm*"}, true, files, false);
  std::printf("book: %zu pages in %s\n", files.size(), qPrintable(folder));

  QWidget window;
  const QString missing = QStringLiteral("несуществующее");
  TPageScanner quick(&window);
  const TWalkTime cold = TimeWalk(quick, files, missing);
  const TWalkTime warm = TimeWalk(quick, files, QStringLiteral("нигденет"));
  TPageScanner plain(&window);
  plain.quick = false;
  std::vector<std::string> plainFiles = files;
  if (plainPages > 0 && static_cast<size_t>(plainPages) < files.size()) plainFiles.resize(plainPages);
  const TWalkTime viewer = TimeWalk(plain, plainFiles, missing);
  const double viewerWhole = viewer.seconds * static_cast<double>(files.size()) / static_cast<double>(viewer.pages);
  if (cold.end != files.size() || warm.end != files.size() || viewer.end != plainFiles.size()) {
    std::fprintf(stderr, "a walk found a word that occurs nowhere\n");
    return 1;
  }
  std::printf("quick walk, first search (texts read):  %8.2f s\n", cold.seconds);
  std::printf("quick walk, next search (texts kept):   %8.2f s\n", warm.seconds);
  std::printf("hidden-viewer walk (%zu of %zu pages): %8.2f s, for the whole book %.2f s\n", viewer.pages, files.size(),
              viewer.seconds, viewerWhole);
  std::printf("ratio, first search: %.1f; next search: %.1f\n", viewerWhole / cold.seconds, viewerWhole / warm.seconds);

  double indexSeconds = 0, findSeconds = 0;
  const QString indexed = Run({"index", folder}, indexSeconds);
  std::printf("booktool index: %s, %.2f s\n", qPrintable(indexed), indexSeconds);
  const QString found = Run({"find", folder, QStringLiteral("Кривошип")}, findSeconds);
  const QString expected = QStringLiteral("pages\\p%1.htm").arg(pages / 2, 4, 10, QChar(u'0'));
  std::printf("booktool find: %s (%.2f s)\n", qPrintable(found), findSeconds);
  return found.startsWith(expected) && !found.contains('\n') ? 0 : 1;
}
