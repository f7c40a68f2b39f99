#pragma once
// The frame every page of the book is written in: head, shared look, code page.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// One file of the book's page folder.
struct BookFile {
  QString name;  // inside the page folder
  QByteArray bytes;
};

// Most pages are Windows-1251 with no charset named, as the reader expects by default; a few
// are UTF-8 and say so in a meta element.
enum class PageCode { Cp1251, Utf8 };

QByteArray HtmlPage(const QString& title, const QString& body, PageCode code = PageCode::Cp1251);

// The links along the top and bottom of a chapter: back, contents, forward.
QString ChapterNav(const QString& prevFile, const QString& nextFile);
