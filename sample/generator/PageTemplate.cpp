#include "PageTemplate.h"

#include "platform/Cp1251.h"

#include <stdexcept>

namespace {

// Kept inside every page: the pane loads no style sheets of its own.
const char kStyle[] = R"(
body { font-family: 'DejaVu Sans', Arial, sans-serif; font-size: 10pt; color: #1e2a38;
       background-color: #faf9f5; margin: 10px 14px; }
h1 { font-size: 16pt; color: #1e3450; margin-top: 4px; margin-bottom: 8px; }
h2 { font-size: 12pt; color: #b5651d; margin-top: 14px; margin-bottom: 4px; }
h3 { font-size: 10pt; color: #1e3450; margin-top: 10px; margin-bottom: 2px; }
p { margin-top: 4px; margin-bottom: 6px; }
a { color: #1f5fa8; }
table.data { border-color: #9aa8b8; border-style: solid; }
table.data th { background-color: #1e3450; color: #ffffff; padding: 3px 6px; }
table.data td { padding: 3px 6px; }
tr.odd { background-color: #eef1f5; }
p.note { background-color: #fff4dc; color: #6b4a12; padding: 6px; }
p.nav { background-color: #e4e9ef; color: #1e3450; padding: 4px; font-size: 9pt; }
p.toc { margin-top: 2px; margin-bottom: 2px; }
.caption { font-size: 8pt; color: #5a6878; }
)";

}  // namespace

QByteArray HtmlPage(const QString& title, const QString& body, PageCode code) {
  const QString meta = code == PageCode::Utf8 ? "<meta charset=\"utf-8\">\n" : QString();
  const QString html = "<html>\n<head>\n" + meta + "<title>" + title + "</title>\n<style>" +
                       QString::fromLatin1(kStyle) + "</style>\n</head>\n<body>\n" + body + "\n</body>\n</html>\n";
  QString crlf = html;
  crlf.replace("\n", "\r\n");
  if (code == PageCode::Utf8) return crlf.toUtf8();
  const std::string bytes = ToCp1251(crlf);
  if (FromCp1251(bytes) != crlf)
    throw std::runtime_error("page \"" + title.toStdString() + "\" has characters outside Windows-1251");
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString ChapterNav(const QString& prevFile, const QString& nextFile) {
  QString nav = "<p class=\"nav\">";
  if (!prevFile.isEmpty()) nav += "<a href=\"" + prevFile + "\">&larr; Назад</a> &nbsp;|&nbsp; ";
  nav += "<a href=\"index.htm\">Оглавление</a>";
  if (!nextFile.isEmpty()) nav += " &nbsp;|&nbsp; <a href=\"" + nextFile + "\">Дальше &rarr;</a>";
  return nav + "</p>";
}
