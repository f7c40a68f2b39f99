#include "ContentsFiles.h"

#include "BookFolder.h"
#include "ChapterPages.h"
#include "ServicePages.h"
#include "platform/Cp1251.h"

#include <QStringList>
#include <algorithm>

namespace {

QString Page(const QString& file) { return QString::fromLatin1(kPageFolder) + '\\' + file; }

QString Line(int depth, const QString& link, const QString& caption) {
  return QString(depth, '\t') + link + ';' + caption;
}

QByteArray Encode(const QStringList& lines) {
  const std::string bytes = ToCp1251(lines.join("\r\n") + "\r\n");
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

// Each group's own line leads to its first page, so the chapter commands step over the first
// entry below it.
QByteArray ContentsFile() {
  const std::vector<ChapterTitle> chapters = ChapterTitles();
  const auto reference = ReferencePages();
  QStringList lines;
  lines << Line(0, Page("index.htm"), "Начало книги");
  lines << Line(0, Page(chapters.front().file), "Главы книги");
  for (const ChapterTitle& c : chapters) {
    lines << Line(1, Page(c.file), c.title);
    for (const ChapterSection& s : c.sections) lines << Line(2, Page(c.file) + '#' + s.anchor, s.heading);
  }
  lines << Line(0, Page(reference.front().first), "Справочник");
  for (const auto& [file, title] : reference) lines << Line(1, Page(file), title);
  lines << Line(1, Page("frames.htm"), "Чтение с оглавлением в рамке");
  return Encode(lines);
}

QByteArray TermsFile() {
  struct Term {
    QString caption, link;
  };
  std::vector<Term> terms;
  for (const ChapterTitle& c : ChapterTitles()) {
    terms.push_back({c.title, Page(c.file)});
    for (const ChapterSection& s : c.sections) terms.push_back({s.heading, Page(c.file) + '#' + s.anchor});
  }
  for (const auto& [file, title] : ReferencePages()) terms.push_back({title, Page(file)});
  std::sort(terms.begin(), terms.end(), [](const Term& a, const Term& b) { return a.caption < b.caption; });

  QStringList lines;
  QChar letter;
  for (const Term& t : terms) {
    if (t.caption.front().toUpper() != letter) {
      letter = t.caption.front().toUpper();
      lines << Line(0, t.link, letter);
    }
    lines << Line(1, t.link, t.caption);
  }
  return Encode(lines);
}
