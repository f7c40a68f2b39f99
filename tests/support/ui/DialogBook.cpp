#include "support/ui/DialogBook.h"

#include "platform/Cp1251.h"

using namespace DialogColors;

void WriteTestDialog(const TBookFixture& book) {
  book.Picture("d_msg.bmp", {300, 150}, kMessagePage);
  book.Picture("d_find.bmp", {400, 250}, kSearchPage);
  book.Picture("d_note.bmp", {200, 100}, Qt::darkGreen);
  book.Picture("db_up.bmp", {40, 20}, kButtonUp);
  book.Picture("db_mv.bmp", {40, 20}, kButtonMv);
  book.Picture("db_dn.bmp", {40, 20}, kButtonDn);
  book.Picture("ds_up.bmp", {60, 20}, kSwitchUp);
  book.Picture("ds_mvup.bmp", {60, 20}, kSwitchMvUp);
  book.Picture("ds_mvdn.bmp", {60, 20}, kSwitchMvDn);
  book.Picture("ds_dn.bmp", {60, 20}, kSwitchDn);
  const QString button = "fn1=db_up.bmp; fn2=db_mv.bmp; fn3=db_dn.bmp";
  const QString switchPictures = "fn1=ds_up.bmp; fn2=ds_mvup.bmp; fn3=ds_mvdn.bmp; fn4=ds_dn.bmp";
  const QStringList lines = {
      "1_picture=d_msg.bmp",
      "_text 1; vx=20; vy=30; vw=220; font=DejaVu Sans; size=10; style=bold; color=255,255,255; value=-",
      "_button 1; vx=10; vy=110; align=left; " + button + "; go=yes; hint=Слева; wav=no",
      "_button 1; vx=130; vy=110; align=middle; " + button + "; go=yes; hint=Посередине; wav=no",
      "_button 1; vx=250; vy=110; align=right; " + button + "; go=yes; hint=Справа; wav=no",
      "2_picture=d_find.bmp",
      "_text 2; vx=0; vy=0; vw=0; font=DejaVu Sans; size=8; style=; color=0,0,0; value=-",
      "_button 2; vx=340; vy=20; align=left; " + button + "; go=findnext1; hint=Искать; wav=no",
      "_button 2; vx=340; vy=200; align=left; " + button + "; go=no; hint=Закрыть; wav=no",
      "switchgrp 2; vx=10; vy=40; " + switchPictures,
      "state=on; store=on; group=1; go=findtxtall; hint=Вся книга; wav=no",
      "switchgrp 2; vx=80; vy=40; " + switchPictures,
      "state=off; store=on; group=1; go=findtxtlimit; hint=Страница; wav=no",
      "switchgrp 2; vx=150; vy=40; " + switchPictures,
      "state=off; store=on; group=1; go=findtxtcontents; hint=Оглавление; wav=no",
      "switchgrp 2; vx=250; vy=40; " + switchPictures,
      "state=off; store=off; group=2; go=findnext8; hint=Другая группа; wav=no",
      "switchgrp 2; vx=320; vy=40; " + switchPictures,
      "state=off; store=off; group=2; go=findnext9; hint=Другая группа; wav=no",
      "3_picture=d_note.bmp",
      "_text 3; vx=0; vy=0; vw=200; font=DejaVu Sans; size=8; style=; color=0,0,0; value=-",
      "_button 3; vx=80; vy=70; align=left; " + button + "; go=yes; hint=OK; wav=no",
      "4_picture=d_note.bmp",
      "_text 4; vx=0; vy=0; vw=200; font=DejaVu Sans; size=8; style=; color=0,0,0; value=-",
      "_button 4; vx=80; vy=70; align=left; " + button + "; go=yes; hint=OK; wav=no",
  };
  book.File("Dialog.txt", QByteArray::fromStdString(ToCp1251(lines.join("\r\n"))));
}
