#include "support/ui/SkinFixture.h"

#include "support/ui/EventLoopWait.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <stdexcept>

using namespace SkinColors;

void WriteTestSkin(const TBookFixture& book, const QString& title, const TTestSkinCommands& commands) {
  book.Picture("bg0.bmp", {800, 600}, kBackground);
  book.Picture("bg1.bmp", {800, 600}, Qt::white);
  book.Picture("b_up.bmp", {100, 30}, kUp);
  book.Picture("b_mv.bmp", {100, 30}, kMv);
  book.Picture("b_dn.bmp", {100, 30}, kDn);
  book.Picture("w.bmp", {20, 20}, Qt::gray);
  book.Picture("s_up.bmp", {40, 20}, kSwitchUp);
  book.Picture("s_mvup.bmp", {40, 20}, kSwitchMvUp);
  book.Picture("s_mvdn.bmp", {40, 20}, kSwitchMvDn);
  book.Picture("s_dn.bmp", {40, 20}, kSwitchDn);
  const QString switchPictures = "fn1=s_up.bmp; fn2=s_mvup.bmp; fn3=s_mvdn.bmp; fn4=s_dn.bmp";
  const QStringList lines = {
      "vertexmain=[0,0;800,0;800,600;0,600]",
      "minimize vx=740; vy=5; fn1=w.bmp; fn2=w.bmp; fn3=w.bmp; hint=Свернуть; wav=no",
      "close vx=770; vy=5; fn1=w.bmp; fn2=w.bmp; fn3=w.bmp; hint=Выход; wav=no",
      "_screen1 bg0.bmp",
      "_screen2 bg1.bmp",
      "button 1; vx=10; vy=20; fn1=b_up.bmp; fn2=b_mv.bmp; fn3=b_dn.bmp",
      "textcaption=ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ; texttx=2; textty=2; textbx=50; textby=28",
      "textfontname=DejaVu Sans; textfontsize=14; textfontcolorup=255,255,255",
      "go=screen2; hint=Дальше; wav=no",
      "button 1; vx=60; vy=60; fn1=b_up.bmp; fn2=b_mv.bmp; fn3=b_dn.bmp; go=" + commands.button3 + "; hint=Три; wav=no",
      "button 1; vx=100; vy=60; fn1=b_up.bmp; fn2=b_mv.bmp; fn3=b_dn.bmp; go=" + commands.button4 +
          "; hint=Четыре; wav=no",
      "switchone 1; vx=200; vy=20; " + switchPictures,
      "state=off; store=on; goup=" + commands.toggleOff + "; godown=" + commands.toggleOn + "; hint=Дерево; wav=no",
      "switchgrp 1; vx=300; vy=20; " + switchPictures,
      "state=on; store=on; group=1; go=" + commands.group0 + "; hint=Первое; wav=no",
      "switchgrp 1; vx=350; vy=20; " + switchPictures,
      "state=off; store=on; group=1; go=" + commands.group1 + "; hint=Второе; wav=no",
      "button 2; vx=10; vy=20; fn1=b_up.bmp; fn2=b_mv.bmp; fn3=b_dn.bmp; go=screen1; hint=Назад; wav=no",
      "switchgrp 2; vx=300; vy=20; " + switchPictures,
      "state=on; store=off; group=1; go=caseon; hint=Другой экран; wav=no",
  };
  book.Struct(lines + commands.extraLines);
  book.Title(title);
}

QString UniqueTitle(const char* name) {
  return QStringLiteral("Тест %1 %2").arg(QLatin1String(name)).arg(QCoreApplication::applicationPid());
}

std::unique_ptr<TMainForm> OpenBook(const TBookFixture& book, const QStringList& arguments) {
  book.IsolateSettings();
  auto form = std::make_unique<TMainForm>(ParseCommandLine(QStringList{"--book", book.Folder()} + arguments));
  QSignalSpy opened(form.get(), &TMainForm::OpeningFinished);
  form->FormCreate();
  if (!ProcessEventsUntil([&] { return opened.count() > 0; }))
    throw std::runtime_error("the window never finished opening");
  return form;
}
