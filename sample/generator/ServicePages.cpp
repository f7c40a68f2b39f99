#include "ServicePages.h"

#include "ChapterPages.h"
#include "platform/Cp1251.h"

namespace {

QString Row(const QStringList& cells, bool head, bool odd) {
  const QString cell = head ? "th" : "td";
  QString html = odd ? "<tr class=\"odd\">" : "<tr>";
  for (const QString& text : cells) html += "<" + cell + ">" + text + "</" + cell + ">";
  return html + "</tr>";
}

QString Table(const std::vector<QStringList>& rows) {
  QString html = "<table class=\"data\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">";
  for (size_t i = 0; i < rows.size(); ++i) html += Row(rows[i], i == 0, i > 0 && i % 2 == 0);
  return html + "</table>";
}

QString ChapterList() {
  QString html = "<ol>";
  for (const ChapterTitle& c : ChapterTitles()) html += "<li><a href=\"" + c.file + "\">" + c.title + "</a></li>";
  return html + "</ol>";
}

// The narrow contents frame: one link a line, no indent.
QString FrameLinks(const std::vector<std::pair<QString, QString>>& links) {
  QString html;
  for (const auto& [file, title] : links)
    html += "<p class=\"toc\"><a href=\"" + file + "\" target=\"text\">" + title + "</a></p>";
  return html;
}

QString ServiceList() {
  QString html = "<ul>";
  for (const auto& [file, title] : ReferencePages()) html += "<li><a href=\"" + file + "\">" + title + "</a></li>";
  return html + "</ul>";
}

BookFile Index() {
  const QString body =
      "<h1>Ремонт и эксплуатация автомобиля</h1>"
      "<p class=\"note\">Добро пожаловать! Эта электронная книга расскажет, как устроен ваш "
      "автомобиль, как ухаживать за ним и что делать, если в дороге что-то пошло не так.</p>"
      "<table width=\"100%\" cellpadding=\"6\"><tr><td valign=\"top\" width=\"55%\">"
      "<h2>Главы книги</h2>" +
      ChapterList() + "</td><td valign=\"top\"><h2>Справочник</h2>" + ServiceList() +
      "<p><a href=\"frames.htm\">Читать с оглавлением в рамке</a></p>"
      "<p><img src=\"disc.png\" width=\"100\" height=\"100\" "
      "title=\"Тормозной диск — глава «Тормозная система»\" alt=\"Тормозной диск\"></p>"
      "</td></tr></table>"
      "<p>Кнопки <b>Назад</b> и <b>Вперёд</b> на панели вверху ведут по прочитанным страницам, "
      "кнопка <b>Наверх</b> возвращает к началу страницы.</p>";
  return {"index.htm", HtmlPage("Оглавление", body)};
}

BookFile Frameset() {
  const QString html =
      "<html>\r\n<head>\r\n<title>Книга с оглавлением</title>\r\n</head>\r\n"
      "<frameset cols=\"200,*\">\r\n"
      "<frame src=\"toc.htm\" name=\"toc\">\r\n"
      "<frame src=\"glava1.htm\" name=\"text\">\r\n"
      "</frameset>\r\n</html>\r\n";
  const std::string bytes = ToCp1251(html);
  return {"frames.htm", QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))};
}

BookFile FrameContents() {
  std::vector<std::pair<QString, QString>> chapters;
  for (const ChapterTitle& c : ChapterTitles()) chapters.emplace_back(c.file, c.title);
  const QString body = "<h3>Главы</h3>" + FrameLinks(chapters) + "<h3>Справочник</h3>" +
                       FrameLinks({{"to.htm", "Обслуживание"},
                                   {"specs.htm", "Характеристики"},
                                   {"faults.htm", "Неисправности"},
                                   {"gallery.htm", "Рисунки"},
                                   {"files.htm", "Файлы и программы"}}) +
                       "<p class=\"toc\"><a href=\"index.htm\" target=\"_top\">Без рамок</a></p>";
  return {"toc.htm", HtmlPage("Оглавление в рамке", body)};
}

BookFile Maintenance() {
  std::vector<QStringList> rows = {{"Пробег, тыс. км", "Работы"}};
  const QString works[] = {"Замена масла и масляного фильтра, осмотр тормозов",
                           "Замена масла, фильтров воздуха и салона, проверка подвески",
                           "Замена масла, свечей зажигания и топливного фильтра",
                           "Замена масла, тормозной жидкости, проверка развала-схождения",
                           "Замена масла, ремня ГРМ с роликом, охлаждающей жидкости",
                           "Замена масла, проверка сцепления и ШРУСов"};
  for (int i = 0; i < 12; ++i) rows.push_back({QString::number((i + 1) * 15), works[i % 6]});
  const QString body = ChapterNav("glava10.htm", "specs.htm") +
                       "<h1>Техническое обслуживание</h1>"
                       "<p>Регламент рассчитан на обычные условия. При езде по городу с частыми пробками, по "
                       "пыльным дорогам или с прицепом интервалы сокращайте вдвое.</p>" +
                       Table(rows) +
                       "<h2>Ежедневно</h2><ul><li>уровень масла и охлаждающей жидкости;</li>"
                       "<li>работа фар и указателей поворота;</li><li>давление в шинах на глаз.</li></ul>"
                       "<h2>Раз в месяц</h2><ul><li>давление в шинах манометром;</li><li>уровень тормозной "
                       "жидкости;</li><li>состояние щёток стеклоочистителя.</li></ul>" +
                       ChapterNav("glava10.htm", "specs.htm");
  return {"to.htm", HtmlPage("Техническое обслуживание", body)};
}

BookFile Specs() {
  const QString body = ChapterNav("to.htm", "faults.htm") + "<h1>Технические характеристики</h1>" +
                       Table({{"Характеристика", "Значение"},
                              {"Тип кузова", "седан, 4 двери"},
                              {"Длина / ширина / высота", "4390 / 1700 / 1470 мм"},
                              {"Колёсная база", "2600 мм"},
                              {"Снаряжённая масса", "1160 кг"},
                              {"Полная масса", "1560 кг"},
                              {"Объём багажника", "480 л"},
                              {"Максимальная скорость", "182 км/ч"},
                              {"Разгон 0–100 км/ч", "11,5 с"},
                              {"Объём топливного бака", "50 л"},
                              {"Топливо", "бензин АИ-95"},
                              {"Заправочный объём масла", "3,5 л"},
                              {"Охлаждающая жидкость", "5,8 л"}}) +
                       ChapterNav("to.htm", "faults.htm");
  return {"specs.htm", HtmlPage("Технические характеристики", body)};
}

BookFile Faults() {
  const QString body =
      ChapterNav("specs.htm", "gallery.htm") +
      "<h1>Неисправности</h1>"
      "<p>Найдите признак в левом столбце; причины перечислены от самой вероятной.</p>" +
      Table(
          {{"Признак", "Возможная причина", "Где читать"},
           {"Стартер не крутит", "разряжена батарея, окислены клеммы", "<a href=\"glava9.htm#akb\">Батарея</a>"},
           {"Стартер крутит, двигатель не заводится", "нет искры, нет топлива",
            "<a href=\"glava5.htm#svechi\">Свечи</a>"},
           {"Двигатель «троит»", "свеча или катушка одного цилиндра", "<a href=\"glava5.htm#katushki\">Катушки</a>"},
           {"Стрелка температуры в красной зоне", "утечка жидкости, термостат",
            "<a href=\"glava3.htm#peregrev\">Перегрев</a>"},
           {"Скрип при торможении", "износ колодок", "<a href=\"glava6.htm#kolodki\">Колодки</a>"},
           {"Педаль тормоза «мягкая»", "воздух в системе, старая жидкость",
            "<a href=\"glava6.htm#zhidkost\">Жидкость</a>"},
           {"Горит лампа давления масла", "низкий уровень масла", "<a href=\"glava2.htm#uroven\">Уровень масла</a>"},
           {"Передачи включаются с хрустом", "сцепление «ведёт»", "<a href=\"glava8.htm#sceplenie\">Сцепление</a>"}}) +
      ChapterNav("specs.htm", "gallery.htm");
  return {"faults.htm", HtmlPage("Неисправности", body)};
}

// The car picture's map: the parts lead to their chapters. Coordinates are the picture's
// (car.png, 390 by 130); the wheels come first, as they lie over the body.
QString CarMap() {
  return "<map name=\"car\">"
         "<area shape=\"circle\" coords=\"84,104,26\" href=\"glava7.htm#koleso\" "
         "title=\"Колесо — как его заменить\" alt=\"Заднее колесо\">"
         "<area shape=\"circle\" coords=\"306,104,26\" href=\"glava6.htm\" "
         "title=\"Тормозная система\" alt=\"Переднее колесо\">"
         "<area shape=\"rect\" coords=\"288,50,388,98\" href=\"glava1.htm\" "
         "title=\"Под капотом — двигатель\" alt=\"Капот\">"
         "<area shape=\"poly\" coords=\"4,68,12,58,90,57,112,57,112,100,8,100\" href=\"glava4.htm\" "
         "title=\"Топливный бак — сзади, под полом багажника\" alt=\"Багажник\">"
         "<area shape=\"default\" href=\"glava10.htm\" title=\"Кузов и уход за ним\" alt=\"Кузов\">"
         "</map>";
}

// A form is never sent: the button opens the maintenance schedule, a page of the book.
QString BookingForm() {
  return "<div style=\"border: 1px solid #9aa8b8; padding: 8px\">"
         "<form action=\"to.htm\"><h3>Запись на обслуживание</h3>"
         "<p>Имя: <input name=\"name\" size=\"24\"> Телефон: <input name=\"phone\" size=\"14\"></p>"
         "<p>Двигатель: <input type=\"radio\" name=\"fuel\" value=\"petrol\" checked> бензиновый "
         "<input type=\"radio\" name=\"fuel\" value=\"diesel\"> дизельный</p>"
         "<p>Работы:<br><select name=\"works\" size=\"3\" multiple><option selected>Замена масла</option>"
         "<option>Замена тормозных колодок</option><option>Развал-схождение</option></select></p>"
         "<p><input type=\"checkbox\" name=\"wash\" checked> Вымыть автомобиль после работ</p>"
         "<p>Пожелания:<br><textarea name=\"note\" rows=\"2\" cols=\"40\"></textarea></p>"
         "<p><input type=\"submit\" value=\"Записаться\"> <input type=\"reset\" value=\"Очистить\"></p>"
         "</form></div>"
         "<p style=\"display: none\">Служебная пометка: этот абзац скрыт и на странице не виден.</p>"
         "<p class=\"note\">Форма никуда не отправляется: кнопка «Записаться» открывает регламент "
         "обслуживания.</p>";
}

BookFile Gallery() {
  const QString body = ChapterNav("faults.htm", "files.htm") +
                       "<h1>Рисунки деталей</h1>"
                       "<p>Наведите указатель на рисунок — появится подсказка. Большой рисунок откроется в "
                       "отдельном окне.</p>"
                       "<table width=\"100%\" cellpadding=\"8\"><tr>"
                       "<td align=\"center\"><a href=\"disc_big.png\" target=\"_blank\"><img src=\"disc.png\" "
                       "width=\"150\" height=\"150\" title=\"Тормозной диск — нажмите, чтобы увеличить\" "
                       "alt=\"Тормозной диск\"></a><br><span class=\"caption\">Тормозной диск</span></td>"
                       "<td align=\"center\"><img src=\"plug.gif\" width=\"70\" height=\"168\" "
                       "title=\"Свеча зажигания\" alt=\"Свеча зажигания\"><br>"
                       "<span class=\"caption\">Свеча зажигания</span></td>"
                       "</tr><tr>"
                       "<td align=\"center\"><a href=\"battery_big.bmp\" target=\"_blank\"><img src=\"battery.bmp\" "
                       "width=\"168\" height=\"119\" title=\"Аккумуляторная батарея — нажмите, чтобы увеличить\" "
                       "alt=\"Аккумуляторная батарея\"></a><br>"
                       "<span class=\"caption\">Аккумуляторная батарея</span></td>"
                       "<td align=\"center\"><img src=\"filter.png\" width=\"128\" height=\"160\" "
                       "title=\"Масляный фильтр\" alt=\"Масляный фильтр\"><br>"
                       "<span class=\"caption\">Масляный фильтр</span></td>"
                       "</tr></table>"
                       "<a name=\"car\"></a><h2>Автомобиль по частям</h2>"
                       "<p>Нажмите на колесо, капот, багажник или кузов — откроется глава об этой части.</p>"
                       "<p><img src=\"car.png\" width=\"390\" height=\"130\" usemap=\"#car\" "
                       "title=\"Автомобиль — нажмите на его часть\" alt=\"Автомобиль\"></p>" +
                       CarMap() + BookingForm() + ChapterNav("faults.htm", "files.htm");
  return {"gallery.htm", HtmlPage("Рисунки деталей", body)};
}

BookFile Files() {
  QString options;
  for (const QString& serial : SerialNumbers()) options += "<option>" + serial + "</option>";
  const QString body = ChapterNav("gallery.htm", "history.htm") +
                       "<h1>Файлы и программы</h1>"
                       "<h2>Программа диагностики</h2>"
                       "<p><a href=\"setup.exe\">Установить программу диагностики</a> (запускается с диска).</p>"
                       "<p>Серийный номер программы: <select name=\"serial\">" +
                       options +
                       "</select> "
                       "<a href=\"copylist:serial\">Скопировать номер</a></p>"
                       "<h2>Файлы для работы</h2><ul>"
                       "<li><a href=\"copy:oil.txt\">Скопировать таблицу масел</a> в папку установки</li>"
                       "<li><a href=\"tools.zip\">Сохранить архив с таблицами</a> (zip)</li>"
                       "<li><a href=\"tools.rar\">Открыть архив с таблицами и схемами</a> (rar): его содержимое "
                       "откроется здесь же, а кнопка «Архив» распакует его в папку установки</li>"
                       "<li><a href=\"oil.txt\">Посмотреть таблицу масел</a></li>"
                       "<li><a href=\"signal.wav\">Послушать звук исправного реле</a></li>"
                       "<li><a href=\"printhtml:to.htm\">Напечатать регламент обслуживания</a></li>"
                       "</ul><h2>В сети</h2><ul>"
                       "<li><a href=\"http://www.example.com/\">Сайт издательства</a></li>"
                       "<li><a href=\"mailto:service@example.com\">Написать в службу поддержки</a></li></ul>" +
                       ChapterNav("gallery.htm", "history.htm");
  return {"files.htm", HtmlPage("Файлы и программы", body)};
}

BookFile History() {
  const QString body = ChapterNav("files.htm", "glossary.htm") +
                       "<h1>Из истории автомобиля</h1>"
                       "<p>Первый автомобиль с бензиновым двигателем построил Карл Бенц в 1885 году: "
                       "трёхколёсный экипаж развивал 16 км/ч. Через год Готлиб Даймлер поставил свой мотор на "
                       "четырёхколёсную повозку.</p>"
                       "<h2>Двадцатый век</h2><p>В 1913 году Генри Форд запустил сборочный конвейер, и "
                       "автомобиль стал доступен миллионам. В 1930-х появились гидравлические тормоза, в "
                       "1950-х — дисковые тормоза и ремни безопасности.</p>"
                       "<h2>Наше время</h2><p>Сегодня в автомобиле десятки электронных блоков. Антиблокировочная "
                       "система, подушки безопасности и впрыск топлива — стандарт даже для недорогих "
                       "моделей.</p><p class=\"note\">Эта страница записана в кодировке UTF-8 — «ё», «№» и "
                       "знак евро € выглядят как надо.</p>" +
                       ChapterNav("files.htm", "glossary.htm");
  return {"history.htm", HtmlPage("Из истории автомобиля", body, PageCode::Utf8)};
}

BookFile Glossary() {
  const std::pair<QString, QString> terms[] = {
      {"ABS", "антиблокировочная система тормозов"},
      {"ВМТ", "верхняя мёртвая точка — крайнее верхнее положение поршня"},
      {"ГРМ", "газораспределительный механизм"},
      {"Развал", "угол наклона колеса к вертикали"},
      {"Суппорт", "корпус дискового тормоза с поршнями"},
      {"Схождение", "разница расстояний между передними и задними краями колёс"},
      {"ШРУС", "шарнир равных угловых скоростей"}};
  QString list = "<dl>";
  for (const auto& [term, meaning] : terms) list += "<dt><b>" + term + "</b></dt><dd>" + meaning + "</dd>";
  const QString body = ChapterNav("history.htm", "about.htm") + "<h1>Словарь терминов</h1>" + list + "</dl>" +
                       ChapterNav("history.htm", "about.htm");
  return {"glossary.htm", HtmlPage("Словарь терминов", body, PageCode::Utf8)};
}

BookFile About() {
  const QString body = ChapterNav("glossary.htm", "video.htm") +
                       "<h1>О книге</h1>"
                       "<p>Электронная книга «Ремонт и эксплуатация автомобиля», версия 2.0.</p>"
                       "<p>Сведения в книге даны для ознакомления. Работы, от которых зависит безопасность — "
                       "тормоза, рулевое управление, — доверяйте специалистам.</p>"
                       "<p>Вопросы и пожелания: <a href=\"mailto:book@example.com\">book@example.com</a>.</p>";
  return {"about.htm", HtmlPage("О книге", body)};
}

// Shown beside the engine clip of the reading screen's clip panel.
BookFile Video() {
  const QString body = ChapterNav("about.htm", QString()) +
                       "<h1>Как работает двигатель</h1>"
                       "<p>Ролик справа показывает цилиндр четырёхтактного двигателя. За два оборота коленчатого "
                       "вала поршень проходит четыре такта:</p><ol>"
                       "<li><b>Впуск</b> — поршень идёт вниз, цилиндр наполняется рабочей смесью.</li>"
                       "<li><b>Сжатие</b> — поршень идёт вверх и сжимает смесь.</li>"
                       "<li><b>Рабочий ход</b> — свеча поджигает смесь, газы толкают поршень вниз.</li>"
                       "<li><b>Выпуск</b> — поршень идёт вверх и выталкивает отработавшие газы.</li></ol>"
                       "<p class=\"note\">Кнопки под роликом останавливают его и приостанавливают; кнопка "
                       "«Видео» запускает его снова.</p>";
  return {"video.htm", HtmlPage("Как работает двигатель", body)};
}

}  // namespace

QStringList SerialNumbers() { return {"AB12-7781-QX40", "AB12-9034-KM17", "AB12-4410-ZT88"}; }

std::vector<std::pair<QString, QString>> ReferencePages() {
  return {{"to.htm", "Техническое обслуживание"}, {"specs.htm", "Технические характеристики"},
          {"faults.htm", "Неисправности"},        {"gallery.htm", "Рисунки деталей"},
          {"files.htm", "Файлы и программы"},     {"history.htm", "Из истории автомобиля"},
          {"glossary.htm", "Словарь терминов"},   {"about.htm", "О книге"},
          {"video.htm", "Как работает двигатель"}};
}

std::vector<BookFile> ServicePages() {
  return {Index(),   Frameset(), FrameContents(), Maintenance(), Specs(), Faults(),
          Gallery(), Files(),    History(),       Glossary(),    About(), Video()};
}
