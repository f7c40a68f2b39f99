#include "SkinLayout.h"

namespace {

const QColor kLight(242, 244, 248);
const QColor kAmber(255, 212, 120);
const QColor kPressed(205, 215, 228);
const QColor kInk(30, 52, 80);

const QString kClick = QStringLiteral("click.wav");
// The page media buttons at the right end of the bar under the page.
constexpr int kMediaButtonsLeft = 662;
constexpr int kFindButtonLeft = kMediaButtonsLeft - 30;
constexpr int kThesaurusButtonLeft = kFindButtonLeft - 30;
const QString kToggle = QStringLiteral("toggle.wav");

SkinElement Button(FaceStyle face, int screen, const QString& picture, QRect rect, const QString& caption,
                   const QString& command, const QString& hint) {
  SkinElement e;
  e.kind = ElementKind::Button;
  e.face = face;
  e.screen = screen;
  e.picture = picture;
  e.rect = rect;
  e.captionUp = caption;
  e.fontPoints = face == FaceStyle::TitleButton ? 13 : 10;
  e.colors = {kLight, kAmber, kPressed, kPressed};
  e.command = command;
  e.hint = hint;
  e.sound = kClick;
  return e;
}

SkinElement WindowButton(FaceStyle face, const QString& picture, QRect rect, const QString& hint) {
  SkinElement e;
  e.face = face;
  e.picture = picture;
  e.rect = rect;
  e.hint = hint;
  return e;
}

SkinElement IconButton(int screen, const QString& picture, QRect rect, FaceIcon icon, const QString& command,
                       const QString& hint) {
  SkinElement e = Button(FaceStyle::ToolButton, screen, picture, rect, QString(), command, hint);
  e.icon = icon;
  return e;
}

SkinPopup Popup(int screen, const QString& type, const QString& look, QSize item) {
  SkinPopup p;
  p.screen = screen;
  p.type = type;
  p.look = look;
  p.itemSize = item;
  return p;
}

}  // namespace

QString CaptionFontFamily() { return QStringLiteral("DejaVu Sans"); }

QStringList LooksOf(ElementKind kind) {
  if (kind == ElementKind::Button) return {"up", "mv", "dn"};
  return {"up", "mvup", "mvdn", "dn"};
}

QString PictureFile(const SkinElement& element, const QString& look) { return element.picture + '_' + look + ".bmp"; }

QString PopupPictureFile(const SkinPopup& popup, const QString& part) { return popup.look + '_' + part + ".bmp"; }

QSize PopupSize(const SkinPopup& popup) {
  return QSize(popup.itemSize.width() + 2 * popup.margin, popup.rows * popup.itemSize.height() + 2 * popup.margin);
}

QPolygon PopupShape(const SkinPopup& popup) {
  const QSize size = PopupSize(popup);
  const int cut = 10, w = size.width(), h = size.height();
  return QPolygon({QPoint(cut, 0), QPoint(w - cut, 0), QPoint(w, cut), QPoint(w, h - cut), QPoint(w - cut, h),
                   QPoint(cut, h), QPoint(0, h - cut), QPoint(0, cut)});
}

SkinLayout SampleLayout() {
  SkinLayout s;
  s.screenSize = QSize(800, 600);
  s.title = QStringLiteral("Ремонт и эксплуатация автомобиля");
  s.backgrounds = {"title.bmp", "reader.bmp"};
  s.windowShape = QPolygon({QPoint(24, 0), QPoint(776, 0), QPoint(800, 24), QPoint(800, 576), QPoint(776, 600),
                            QPoint(24, 600), QPoint(0, 576), QPoint(0, 24)});
  s.pistonPos = QPoint(583, 470);
  s.minimize =
      WindowButton(FaceStyle::WindowMinimize, "w_min", QRect(714, 10, 30, 24), QStringLiteral("Свернуть окно"));
  s.close = WindowButton(FaceStyle::WindowClose, "w_exit", QRect(748, 10, 30, 24),
                         QStringLiteral("Завершить работу с книгой"));

  const QSize big(228, 50);
  s.elements.push_back(Button(FaceStyle::TitleButton, 0, "t_open", QRect(QPoint(32, 420), big),
                              QStringLiteral("Открыть книгу"), "screen2",
                              QStringLiteral("Перейти к оглавлению и страницам книги")));
  s.elements.push_back(Button(FaceStyle::TitleButton, 0, "t_opts", QRect(QPoint(32, 472), big),
                              QStringLiteral("Настройки"), "options",
                              QStringLiteral("Звук, клип при запуске, подсказки")));
  s.elements.push_back(Button(FaceStyle::TitleButton, 0, "t_quit", QRect(QPoint(32, 524), big), QStringLiteral("Выход"),
                              "exit", QStringLiteral("Завершить работу с книгой")));

  s.elements.push_back(Button(FaceStyle::ToolButton, 0, "t_music", QRect(22, 97, 104, 28), QStringLiteral("Музыка"),
                              "bgsound", QStringLiteral("Включить или выключить фоновую музыку")));

  // Above the showroom's right corner: the still picture or the turning car in its place.
  SkinElement still;
  still.kind = ElementKind::Grouped;
  still.face = FaceStyle::Tab;
  still.screen = 0;
  still.picture = "t_2d";
  still.rect = QRect(600, 97, 48, 28);
  still.captionUp = still.captionDn = QStringLiteral("2D");
  still.colors = {kPressed, kAmber, kInk, kInk};
  still.command = "2d";
  still.hint = QStringLiteral("Автомобиль на картинке");
  still.state = true;
  still.store = true;
  still.group = 2;
  still.sound = kToggle;
  s.elements.push_back(still);
  SkinElement turning = still;
  turning.picture = "t_3d";
  turning.rect.moveLeft(648);
  turning.captionUp = turning.captionDn = QStringLiteral("3D");
  turning.command = "3d";
  turning.hint = QStringLiteral("Автомобиль на поворотном круге");
  turning.state = false;
  s.elements.push_back(turning);

  struct Tool {
    const char* picture;
    QString caption;
    const char* command;
    QString hint;
  };
  const Tool tools[] = {
      {"r_home", QStringLiteral("Титул"), "screen1", QStringLiteral("Вернуться на титульный экран")},
      {"r_back", QStringLiteral("Назад"), "back", QStringLiteral("Предыдущая прочитанная страница")},
      {"r_fwd", QStringLiteral("Вперёд"), "forward", QStringLiteral("Следующая прочитанная страница")},
      {"r_top", QStringLiteral("Наверх"), "tophtml", QStringLiteral("К началу страницы")},
      {"r_print", QStringLiteral("Печать"), "printhtml", QStringLiteral("Напечатать страницу")},
      {"r_opts", QStringLiteral("Настройки"), "options", QStringLiteral("Шрифт, цвета, звук")},
  };
  int x = 16;
  for (const Tool& t : tools) {
    s.elements.push_back(
        Button(FaceStyle::ToolButton, 1, t.picture, QRect(x, 50, 104, 36), t.caption, t.command, t.hint));
    x += 104;
  }

  // In the strip right of the page: the chapters before and after the one being read. The
  // program writes the chapters' names into their hints.
  s.elements.push_back(Button(FaceStyle::ToolButton, 1, "r_prev", QRect(720, 150, 56, 40), QStringLiteral("«"),
                              "prevchapter", QStringLiteral("Предыдущий раздел")));
  s.elements.push_back(Button(FaceStyle::ToolButton, 1, "r_next", QRect(720, 194, 56, 40), QStringLiteral("»"),
                              "nextchapter", QStringLiteral("Следующий раздел")));
  // Below them: the archive shown in the page goes into the install folder.
  s.elements.push_back(Button(FaceStyle::ToolButton, 1, "r_unarc", QRect(720, 250, 56, 40), QStringLiteral("Архив"),
                              "unarc", QStringLiteral("Распаковать показанный архив в папку установки")));

  // Lower down, the lists of pages read before and after this one, and the favourites.
  s.elements.push_back(IconButton(1, "r_hback", QRect(720, 300, 56, 34), FaceIcon::HistoryBackList, "historyback",
                                  QStringLiteral("Список прочитанных ранее страниц")));
  s.elements.push_back(IconButton(1, "r_hfwd", QRect(720, 338, 56, 34), FaceIcon::HistoryForwardList, "historyforward",
                                  QStringLiteral("Список страниц, прочитанных после этой")));
  s.elements.push_back(IconButton(1, "r_favadd", QRect(720, 386, 56, 34), FaceIcon::FavoriteAdd, "addtofavorite",
                                  QStringLiteral("Добавить страницу в избранное")));
  s.elements.push_back(IconButton(1, "r_favshow", QRect(720, 424, 56, 34), FaceIcon::FavoriteShow, "showfavorite",
                                  QStringLiteral("Избранные страницы")));
  s.elements.push_back(IconButton(1, "r_favdel", QRect(720, 462, 56, 34), FaceIcon::FavoriteDelete,
                                  "deletefromfavorite", QStringLiteral("Убрать страницы из избранного")));
  // On the title screen, beside the heading of the book's contents: a list of chapters.
  s.elements.push_back(IconButton(0, "t_jump", QRect(510, 419, 28, 24), FaceIcon::DropDown, "contextmenu1",
                                  QStringLiteral("Сразу к главе")));

  // At the top of the strip the clip panel; at the right end of the bar under the page, what
  // plays in it and the music.
  s.clips.push_back({1, QRect(716, 96, 64, 48), QColor(8, 12, 18), 20});
  struct MediaButton {
    const char* picture;
    FaceIcon icon;
    const char* command;
    QString hint;
  };
  const MediaButton media[] = {
      {"r_video", FaceIcon::PlayClip, "clip=man\\engine.avi=man\\video.htm",
       QStringLiteral("Ролик: как работает двигатель")},
      {"r_pause", FaceIcon::PauseClip, "pause", QStringLiteral("Приостановить или продолжить ролик")},
      {"r_stop", FaceIcon::StopClip, "stop", QStringLiteral("Остановить ролик")},
      {"r_music", FaceIcon::Music, "bgsound", QStringLiteral("Включить или выключить фоновую музыку")},
  };
  // Left of them, the thesaurus and the search page of the dialog.
  s.elements.push_back(Button(FaceStyle::ToolButton, 1, "r_tez", QRect(kThesaurusButtonLeft, 518, 28, 23),
                              QStringLiteral("Т"), "tesaurus", QStringLiteral("Тезаурус (Shift+T)")));
  s.elements.push_back(IconButton(1, "r_find", QRect(kFindButtonLeft, 518, 28, 23), FaceIcon::Search, "findnext1",
                                  QStringLiteral("Поиск по книге (Ctrl+F)")));
  int left = kMediaButtonsLeft;
  for (const MediaButton& b : media) {
    s.elements.push_back(IconButton(1, b.picture, QRect(left, 518, 28, 23), b.icon, b.command, b.hint));
    left += 30;
  }

  SkinElement toc;
  toc.kind = ElementKind::Toggle;
  toc.face = FaceStyle::ToggleLed;
  toc.screen = 1;
  toc.picture = "r_toc";
  toc.rect = QRect(656, 50, 128, 36);
  toc.captionUp = toc.captionDn = QStringLiteral("Оглавление");
  toc.colors = {kLight, kAmber, kAmber, QColor(190, 240, 190)};
  toc.commandOff = "offtree";
  toc.commandOn = "ontree";
  toc.hint = QStringLiteral("Показать или скрыть оглавление");
  toc.state = true;
  toc.store = true;
  toc.sound = kToggle;
  s.elements.push_back(toc);

  SkinElement parts;
  parts.kind = ElementKind::Grouped;
  parts.face = FaceStyle::Tab;
  parts.screen = 1;
  parts.picture = "r_parts";
  parts.rect = QRect(33, 511, 116, 32);  // hanging under the page pane
  parts.captionUp = parts.captionDn = QStringLiteral("Разделы");
  parts.colors = {kPressed, kAmber, kInk, kInk};
  parts.command = "tree2";  // shows tree A, the contents
  parts.hint = QStringLiteral("Оглавление по разделам книги");
  parts.state = true;
  parts.store = true;
  parts.group = 1;
  parts.sound = kToggle;
  s.elements.push_back(parts);

  SkinElement index = parts;
  index.picture = "r_index";
  index.rect.moveLeft(134);
  index.captionUp = index.captionDn = QStringLiteral("Указатель");
  index.command = "tree1";  // shows tree B, the index
  index.hint = QStringLiteral("Алфавитный указатель терминов");
  index.state = false;
  s.elements.push_back(index);

  s.sounds = {{kClick, 2400, 700, 40}, {kToggle, 1500, 420, 50}};
  s.startClip = QStringLiteral("intro.avi");
  s.songs = {QStringLiteral("song1.wav"), QStringLiteral("song2.wav")};

  SkinText version;
  version.screen = 0;
  version.area = QRect(24, 576, 752, 20);  // between the window's cut corners
  version.centred = true;
  version.family = CaptionFontFamily();
  version.points = 8;
  version.color = QColor(150, 166, 186);
  version.value = QStringLiteral("Электронная книга  •  версия 2.0");
  version.ident = "version";
  version.number = 3;
  s.texts.push_back(version);

  s.pageHeader = QRect(280, 516, 502, 27);
  s.statusStrip = QRect(18, 571, 764, 22);

  SkinText title;
  title.screen = 1;
  title.area = s.pageHeader.adjusted(18, 0, 0, 0);
  title.area.setRight(kThesaurusButtonLeft - 9);  // clear of the thesaurus, search and media buttons
  title.family = CaptionFontFamily();
  title.points = 10;
  title.bold = true;
  title.color = QColor(236, 240, 246);
  title.value = QStringLiteral("Оглавление");
  title.ident = "pagetitle";
  title.number = 1;  // the document pane writes the page's title here
  s.texts.push_back(title);

  SkinText status;
  status.screen = 1;
  status.area = QRect(30, s.statusStrip.top(), 440, s.statusStrip.height());
  status.family = CaptionFontFamily();
  status.points = 8;
  status.color = QColor(240, 180, 80);
  status.value = QStringLiteral("Готово");
  status.ident = "statusline";
  status.number = 2;
  s.texts.push_back(status);

  // On the dialog's search page (its coordinates): messages of the search, right of its title.
  SkinText searchStatus;
  searchStatus.screen = 1;
  searchStatus.area = QRect(196, 6, 170, 20);
  searchStatus.family = CaptionFontFamily();
  searchStatus.points = 8;
  searchStatus.color = QColor(240, 180, 80);
  searchStatus.ident = "statusline";
  searchStatus.number = 1000;
  s.texts.push_back(searchStatus);

  SkinFindTxt field;
  field.box = QRect(24, 42, 262, 16);
  field.frame = "text";  // the page frame of the framed reading view
  field.hint = QStringLiteral("Слово или слова для поиска, Enter ищет");
  s.findFields.push_back(field);

  SkinPath install;
  install.screen = 1;
  install.box = QRect(614, 575, 162, 14);
  install.label = QStringLiteral("Папка установки:");
  install.pathdef = QStringLiteral("c:\\autobook\\");
  install.hint = QStringLiteral("Папка, в которую копируются и распаковываются файлы книги");
  s.paths.push_back(install);

  // The program puts the reading screen's pane on its own panel at this place whatever the
  // declaration says; declaring the same box keeps the two in step.
  SkinHtml pages;
  pages.screen = 1;
  pages.box = QRect(33, 90, 673, 421);
  pages.start = QStringLiteral("man\\index.htm");
  pages.number = 20;  // the number the contents tree loads pages into when the pane is hidden
  s.htmls.push_back(pages);

  // 210 pixels wide beside the page, as tall as the panel.
  const SkinTree contents{1, 33 + 210, 90 + 421, kInk, QColor(255, 212, 120), "contents.txt"};
  SkinTree terms = contents;
  terms.file = "terms.txt";
  s.trees = {contents, terms};

  // Lists at the page: wide enough for page titles. The forward and favourites lists open
  // beside the button strip, the back list left of its button's corner.
  const QSize wide(300, 24);
  const int besideStrip = 716 - (wide.width() + 12);
  SkinPopup back = Popup(1, "historyback", "pop", wide);
  SkinPopup forward = Popup(1, "historyforward", "pop", wide);
  forward.fixed.setX(besideStrip);
  SkinPopup favorites = Popup(1, "favorite", "pop", wide);
  favorites.fixed.setX(besideStrip);
  SkinPopup context = Popup(1, "contexthtml", "ctx", QSize(190, 24));
  context.captions = {QStringLiteral("Копировать"), QStringLiteral("Выделить всё"),
                      QStringLiteral("Добавить в избранное"), QStringLiteral("К началу страницы")};
  context.commands = {"copyclipboardhtml", "selectallhtml", "addtofavorite", "tophtml"};
  s.popups = {back, forward, favorites, context};

  // The title screen's own list, cut to the window's corners, right above the contents.
  SkinPopup chapters = Popup(0, "1", "ttl", QSize(246, 26));
  chapters.margin = 12;
  chapters.shaped = true;
  for (const auto& [title, file] : {std::pair{"Двигатель", "glava1.htm"},
                                    {"Система охлаждения", "glava3.htm"},
                                    {"Система зажигания", "glava5.htm"},
                                    {"Тормозная система", "glava6.htm"},
                                    {"Трансмиссия", "glava8.htm"},
                                    {"Электрооборудование", "glava9.htm"}}) {
    chapters.captions << QString::fromUtf8(title);
    chapters.commands << QStringLiteral("screen2=man\\%1").arg(QLatin1String(file));
  }
  chapters.rows = static_cast<int>(chapters.captions.size());
  chapters.fixed = QPoint(276, 408 - PopupSize(chapters).height());
  s.popups.push_back(chapters);
  return s;
}
