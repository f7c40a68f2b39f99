// The sample book made by the build: its pack, its descriptions and its pictures.

#include "app/DescriptionSyntax.h"
#include "app/MemoryStream.h"
#include "app/ResourcePack.h"
#include "document/Contents.h"
#include "html/PagePreparser.h"
#include "platform/Cp1251.h"
#include "platform/WinNames.h"
#include "skin/CommandTable.h"
#include "skin/SkinReader.h"
#include "windows/DialogDescription.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegularExpression>
#include <QSize>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <map>
#include <set>

namespace {

const QString kBook = QStringLiteral(SKINBOOK_SAMPLE_BOOK);

std::string Member(const std::string& name) {
  TMemoryStream stream;
  if (PackLoad(name, stream) != 0) return {};
  return stream.Data();
}

uint32_t Le(const std::string& bytes, size_t at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
  return value;
}

struct Bmp {
  bool valid = false;
  int bits = 0;
  QSize size;
};

Bmp ReadBmpHeader(const std::string& bytes) {
  Bmp b;
  if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return b;
  b.valid = true;
  b.size = QSize(static_cast<int>(Le(bytes, 18, 4)), std::abs(static_cast<int32_t>(Le(bytes, 22, 4))));
  b.bits = static_cast<int>(Le(bytes, 28, 2));
  return b;
}

// Even-odd rule: a ray to the right of `p` crosses the outline an odd number of times.
bool InsideShape(const std::vector<QPoint>& shape, QPointF p) {
  bool inside = false;
  for (size_t i = 0, j = shape.size() - 1; i < shape.size(); j = i++) {
    const QPointF a = shape[i], b = shape[j];
    if ((a.y() > p.y()) != (b.y() > p.y()) && p.x() < a.x() + (p.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y()))
      inside = !inside;
  }
  return inside;
}

struct Wave {
  bool valid = false;
  int format = 0, channels = 0, rate = 0, bits = 0;
  size_t dataBytes = 0;
};

// A canonical RIFF WAVE file: "fmt " chunk first, then "data".
Wave ReadWaveHeader(const std::string& bytes) {
  Wave w;
  if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0 ||
      bytes.compare(12, 4, "fmt ") != 0 || bytes.compare(36, 4, "data") != 0)
    return w;
  w.format = static_cast<int>(Le(bytes, 20, 2));
  w.channels = static_cast<int>(Le(bytes, 22, 2));
  w.rate = static_cast<int>(Le(bytes, 24, 4));
  w.bits = static_cast<int>(Le(bytes, 34, 2));
  w.dataBytes = Le(bytes, 40, 4);
  w.valid = Le(bytes, 4, 4) == bytes.size() - 8 && w.dataBytes == bytes.size() - 44;
  return w;
}

// One element's pictures and where it stands, in description order.
struct Placed {
  QPoint pos;
  std::vector<std::string> pictures;
};

class SampleBook : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFileInfo(kBook).isDir()) << qPrintable(kBook);
    ASSERT_EQ(PackOpenHostFile(QDir(kBook).filePath(QStringLiteral("interface.dat"))), 0);
    structText_ = Member("STRUCT.TXT");
    ASSERT_FALSE(structText_.empty());
    for (const QString& line : FromCp1251(structText_).split(QStringLiteral("\r\n"))) lines_ << line.toLower();
  }
  void TearDown() override { PackClose(); }

  std::vector<Placed> Elements() const {
    static const QRegularExpression key(QStringLiteral("\\b(vx|vy|fn[1-4])=\\s*([^;]*)"));
    std::vector<Placed> elements;
    QPoint pos(-1, -1);
    for (const QString& line : lines_) {
      for (const auto& m : key.globalMatch(line)) {
        const QString name = m.captured(1), value = m.captured(2).trimmed();
        if (name == "vx") pos.setX(value.toInt());
        if (name == "vy") pos.setY(value.toInt());
        if (name == "fn1") elements.push_back({pos, {}});
        if (name.startsWith("fn") && !elements.empty()) elements.back().pictures.push_back(ToCp1251(value));
      }
    }
    return elements;
  }

  std::vector<std::string> Backgrounds() const {
    static const QRegularExpression screen(QStringLiteral("_screen\\d (\\S+)"));
    std::vector<std::string> names;
    for (const QString& line : lines_)
      if (const auto m = screen.match(line); m.hasMatch()) names.push_back(ToCp1251(m.captured(1)));
    return names;
  }

  // The skin as the program reads it.
  TSkinModel Model() const {
    TMemoryStream stream(structText_);
    TLines lines;
    for (std::string line; ReadTextLine(stream, line);) lines.push_back(AsciiLower(line));
    return ReadSkin(lines, "Struct.txt");
  }

  QSize WindowSize() const { return ReadBmpHeader(Member(Backgrounds().front())).size; }

  // Where a button or switch of the model stands: its place and its up picture's size.
  QRect Rect(int vx, int vy, const std::string& up) const {
    return QRect(QPoint(vx, vy), ReadBmpHeader(Member(up)).size);
  }

  std::vector<QRect> ElementRects(const TSkinModel& m, int screen) const {
    std::vector<QRect> rects;
    for (const RBtn& b : m.ScreenBtns[screen]) rects.push_back(Rect(b.vx, b.vy, b.fn1));
    for (const RSwthOne& s : m.ScreenSwthOne[screen]) rects.push_back(Rect(s.vx, s.vy, s.fn1));
    for (const RSwthGrp& s : m.ScreenSwthGrp[screen]) rects.push_back(Rect(s.vx, s.vy, s.fn1));
    return rects;
  }

  std::string structText_;
  QStringList lines_;  // lower-cased, as the reader sees them
};

TEST_F(SampleBook, PackHoldsTheDescriptionsAndTheAnimation) {
  const std::vector<std::string> files = PackListFiles();
  for (const char* name : {"STRUCT.TXT", "TITLE.TXT", "PISTON.GIF"})
    EXPECT_NE(std::find(files.begin(), files.end(), name), files.end()) << name;
  EXPECT_EQ(FromCp1251(Member("TITLE.TXT")), QStringLiteral("Ремонт и эксплуатация автомобиля\r\n"));
}

TEST_F(SampleBook, DescriptionLinesEndInCrLf) {
  for (const std::string& text : {structText_, Member("TITLE.TXT")}) {
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r') {
        EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "at byte " << i;
      }
      if (text[i] == '\n') {
        EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "at byte " << i;
      }
    }
  }
}

// The reader looks for these in every line; each must stand only on its own line.
TEST_F(SampleBook, TopLevelKeywordsStandOnlyOnTheirOwnLines) {
  for (const char* word :
       {"codec", "rolic", "helpwin", "background", "icon", "bgsounddef", "vertexmain", "minimize", "close"}) {
    const auto n = std::count_if(lines_.begin(), lines_.end(),
                                 [word](const QString& l) { return l.contains(QLatin1String(word)); });
    EXPECT_LE(n, 1) << word;
  }
  for (const char* word : {"minimize", "close", "vertexmain"}) {
    EXPECT_TRUE(std::any_of(lines_.begin(), lines_.end(), [word](const QString& l) {
      return l.startsWith(QLatin1String(word));
    })) << word;
  }
}

TEST_F(SampleBook, ScreensAreWindowSizedPictures) {
  const std::vector<std::string> backgrounds = Backgrounds();
  ASSERT_EQ(backgrounds.size(), 2u);
  for (const std::string& name : backgrounds) {
    const Bmp bmp = ReadBmpHeader(Member(name));
    ASSERT_TRUE(bmp.valid) << name;
    EXPECT_EQ(bmp.bits, 24) << name;
    EXPECT_GE(bmp.size.width(), 800) << name;
    EXPECT_GE(bmp.size.height(), 600) << name;
    // Switching screens keeps the window's size, so every screen has the first one's.
    EXPECT_EQ(bmp.size, ReadBmpHeader(Member(backgrounds.front())).size) << name;
  }
}

TEST_F(SampleBook, EveryElementsPicturesShareOneSizeInsideTheWindow) {
  const QSize window = ReadBmpHeader(Member(Backgrounds().front())).size;
  const std::vector<Placed> elements = Elements();
  ASSERT_GE(elements.size(), 14u);
  for (const Placed& e : elements) {
    ASSERT_GE(e.pictures.size(), 3u);
    const Bmp first = ReadBmpHeader(Member(e.pictures.front()));
    ASSERT_TRUE(first.valid) << e.pictures.front();
    EXPECT_TRUE(QRect(QPoint(0, 0), window).contains(QRect(e.pos, first.size))) << e.pictures.front();
    for (const std::string& name : e.pictures) {
      const Bmp bmp = ReadBmpHeader(Member(name));
      EXPECT_TRUE(bmp.valid) << name;
      EXPECT_EQ(bmp.bits, 24) << name;
      EXPECT_EQ(bmp.size, first.size) << name;
    }
  }
}

// Keywords found inside values would make the reader see other elements than were drawn.
TEST_F(SampleBook, ReaderSeesEveryElementThatWasDrawn) {
  const TSkinModel m = Model();
  ASSERT_EQ(m.ScreenCount(), 2);
  EXPECT_EQ(m.ScreenBtns[0].size(), 5u + 2u);
  EXPECT_EQ(m.ScreenBtns[1].size(), 20u + 2u);
  EXPECT_TRUE(m.ScreenSwthOne[0].empty());
  EXPECT_EQ(m.ScreenSwthGrp[0].size(), 2u);
  EXPECT_EQ(m.ScreenSwthOne[1].size(), 1u);
  EXPECT_EQ(m.ScreenSwthGrp[1].size(), 2u);
  EXPECT_EQ(m.MinimizeBtn.go, "minimize");
  EXPECT_EQ(m.CloseBtn.go, "exit");
  // Read once, from their own lines: a keyword in a later value would read them again there.
  EXPECT_EQ(m.MinimizeBtn.fn1, "w_min_up.bmp");
  EXPECT_EQ(m.CloseBtn.fn1, "w_exit_up.bmp");
  EXPECT_EQ(m.CloseBtn.hint, ToCp1251(QStringLiteral("Завершить работу с книгой")));
  EXPECT_EQ(m.Texts.size(), 4u);
  ASSERT_EQ(m.FindTxts.size(), 1u);
  EXPECT_EQ(m.FindTxts[0].screen, 1);
  EXPECT_EQ(m.FindTxts[0].number, 1);
  EXPECT_EQ(m.FindTxts[0].frame, "text");
  EXPECT_EQ(m.PathInputs.size(), 1u);
  EXPECT_EQ(m.Htmls.size(), 1u);
  EXPECT_EQ(m.Clips.size(), 1u);
  EXPECT_TRUE(m.Images.empty());
  ASSERT_EQ(m.Trees.size(), 2u);
  for (const RTree& tree : m.Trees) {
    EXPECT_EQ(tree.screen, 1);
    EXPECT_EQ(tree.vw, 33 + 210);
    EXPECT_EQ(tree.vh, 90 + 421);
    EXPECT_NE(tree.colorselect, tree.colorselecttext);
  }
  EXPECT_EQ(m.Trees[0].fn, "contents.txt");
  EXPECT_EQ(m.Trees[1].fn, "terms.txt");
  EXPECT_TRUE(m.Codec.empty());
  EXPECT_EQ(m.Rolic, "intro.avi");
  EXPECT_TRUE(m.Icon.empty());
  EXPECT_EQ(m.Background, "no");
}

// History, favourites and the page's context list on the reading screen, a shaped list of
// the book's own on the title screen; each opened by a button, pictures in the pack.
TEST_F(SampleBook, PopupListsOfEveryKindWithTheirButtons) {
  const TSkinModel m = Model();
  ASSERT_EQ(m.ScreenPopups.size(), 2u);
  const auto types = [&](int screen) {
    std::set<int> result;
    for (const RPopupData& p : m.ScreenPopups[screen]) result.insert(p.type);
    return result;
  };
  EXPECT_EQ(types(1), (std::set<int>{ptHistoryBack, ptHistoryForward, ptFavorite, ptContextHtml}));
  EXPECT_EQ(types(0), std::set<int>{1});
  const auto commands = [&](int screen) {
    std::set<std::string> result;
    for (const RBtn& b : m.ScreenBtns[screen]) result.insert(b.go);
    return result;
  };
  for (const char* command : {"historyback", "historyforward", "showfavorite", "addtofavorite", "deletefromfavorite"})
    EXPECT_TRUE(commands(1).count(command)) << command;
  EXPECT_TRUE(commands(0).count("contextmenu1"));

  for (const TPopupData& screen : m.ScreenPopups)
    for (const RPopupData& p : screen) {
      const Bmp panel = ReadBmpHeader(Member(p.fnfon));
      ASSERT_TRUE(panel.valid) << p.fnfon;
      EXPECT_EQ(p.caption.size(), p.go.size()) << p.fnfon;
      QSize item;
      for (const auto* pictures : {&p.fnbtnup, &p.fnbtnmove, &p.fnbtndown}) {
        ASSERT_EQ(pictures->size(), 1u);
        const Bmp look = ReadBmpHeader(Member(FileNamePart(pictures->front())));
        ASSERT_TRUE(look.valid) << pictures->front();
        if (item.isEmpty()) item = look.size;
        EXPECT_EQ(look.size, item) << pictures->front();
      }
      EXPECT_LE(item.width(), panel.size.width()) << p.fnfon;
      if (p.screen == 0) {
        // Shaped lists keep their picture's size: it holds every item between the margins.
        EXPECT_GE(p.vertex.size(), 3u);
        EXPECT_EQ(panel.size.height(), static_cast<int>(p.go.size()) * item.height() + 2 * p.ybtn);
        for (const std::string& go : p.go) EXPECT_EQ(go.rfind("screen2=", 0), 0u) << go;
      }
    }
}

// The window's status line, and the dialog's (number 1000), which starts empty.
TEST_F(SampleBook, ReadingScreenHasThePageTitleAndTheStatusLine) {
  const TSkinModel m = Model();
  const auto onReadingScreen = [&](auto pred) {
    return std::count_if(m.Texts.begin(), m.Texts.end(), [&](const RText& t) { return t.screen == 1 && pred(t); });
  };
  EXPECT_EQ(onReadingScreen([](const RText& t) { return t.number == 1; }), 1);
  EXPECT_EQ(onReadingScreen([](const RText& t) { return t.ident == "statusline" && t.number != 1000; }), 1);
  EXPECT_EQ(onReadingScreen([](const RText& t) { return t.ident == "statusline" && t.number == 1000; }), 1);
  std::vector<int> numbers;
  for (const RText& t : m.Texts) {
    EXPECT_FALSE(t.font.empty());
    EXPECT_GT(t.size, 0);
    EXPECT_EQ(t.value.empty(), t.number == 1000) << t.ident;
    numbers.push_back(t.number);
  }
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end());
}

TEST_F(SampleBook, PathBoxOffersAnAbsoluteFolder) {
  const TSkinModel m = Model();
  ASSERT_EQ(m.PathInputs.size(), 1u);
  const RPathInput& p = m.PathInputs.front();
  EXPECT_EQ(p.screen, 1);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^[a-z]:\\\\(.+\\\\)?$")).match(FromCp1251(p.pathdef)).hasMatch())
      << p.pathdef;
  EXPECT_FALSE(p.hint.empty());
}

TEST_F(SampleBook, TextsAndPathBoxesLieInsideTheWindowClearOfTheElements) {
  const TSkinModel m = Model();
  ASSERT_TRUE(m.HasVertexMain);
  const QRect window(QPoint(0, 0), WindowSize());
  // Inside the window's picture and its shape: pixel centres of the four corners.
  const auto inside = [&](const QRect& r) {
    const QPoint corners[] = {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
    return window.contains(r) && std::all_of(std::begin(corners), std::end(corners), [&](QPoint c) {
             return InsideShape(m.VertexMain, QPointF(c) + QPointF(0.5, 0.5));
           });
  };
  // A text's line: from its corner to vw, as high as its font at 96 dpi.
  const auto line = [](const RText& t) { return QRect(QPoint(t.vx, t.vy), QPoint(t.vw - 1, t.vy + t.size * 96 / 72)); };
  for (const RText& t : m.Texts) {
    if (t.number == 1000) continue;  // on the dialog
    EXPECT_TRUE(line(t).isValid()) << t.ident;
    EXPECT_TRUE(inside(line(t))) << t.ident;
    for (const QRect& e : ElementRects(m, t.screen)) EXPECT_FALSE(e.intersects(line(t))) << t.ident;
  }
  for (const RPathInput& p : m.PathInputs) {
    const QRect box(QPoint(p.vx, p.vy), QPoint(p.vw - 1, p.vh - 1));
    EXPECT_TRUE(box.isValid());
    EXPECT_TRUE(inside(box));
    for (const QRect& e : ElementRects(m, p.screen)) EXPECT_FALSE(e.intersects(box));
    for (const RText& t : m.Texts) {
      if (t.screen == p.screen && t.number != 1000) {
        EXPECT_FALSE(line(t).intersects(box)) << t.ident;
      }
    }
  }
}

// Every button and switch of the book clicks; only the window's own buttons are silent.
TEST_F(SampleBook, ButtonsNameShortPcmClicksThatAreInThePack) {
  const TSkinModel m = Model();
  std::vector<std::string> sounds;
  for (int s = 0; s < m.ScreenCount(); ++s) {
    const TDynamicBtnArray& buttons = m.ScreenBtns[s];
    for (size_t i = 0; i + 2 < buttons.size(); ++i) sounds.push_back(buttons[i].wav);
    for (const RSwthOne& sw : m.ScreenSwthOne[s]) sounds.push_back(sw.wav);
    for (const RSwthGrp& sw : m.ScreenSwthGrp[s]) sounds.push_back(sw.wav);
  }
  EXPECT_EQ(m.MinimizeBtn.wav, "no");
  EXPECT_EQ(m.CloseBtn.wav, "no");
  ASSERT_EQ(sounds.size(), 30u);
  for (const std::string& name : sounds) {
    ASSERT_NE(name, "no");
    const std::string bytes = Member(name);
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_EQ(bytes.substr(0, 4), "RIFF") << name;
    EXPECT_EQ(bytes.substr(8, 4), "WAVE") << name;
    const Wave w = ReadWaveHeader(bytes);
    ASSERT_TRUE(w.valid) << name;
    EXPECT_EQ(w.format, 1) << name;
    EXPECT_EQ(w.channels, 1) << name;
    EXPECT_EQ(w.rate, 22050) << name;
    EXPECT_EQ(w.bits, 16) << name;
    const double ms = 1000.0 * static_cast<double>(w.dataBytes / 2) / w.rate;
    EXPECT_GE(ms, 30) << name;
    EXPECT_LE(ms, 60) << name;
  }
}

TEST_F(SampleBook, PistonAnimationFitsTheTitleScreen) {
  const std::string gif = Member("PISTON.GIF");
  ASSERT_GE(gif.size(), 13u);
  EXPECT_EQ(gif.substr(0, 6), "GIF89a");
  EXPECT_NE(gif.find("NETSCAPE2.0"), std::string::npos);
  EXPECT_EQ(gif.back(), ';');
  const QSize size(static_cast<int>(Le(gif, 6, 2)), static_cast<int>(Le(gif, 8, 2)));
  const QSize window = ReadBmpHeader(Member(Backgrounds().front())).size;
  EXPECT_TRUE(QRect(QPoint(0, 0), window).contains(QRect(QPoint(583, 470), size)));
}

// The book's pages: the folder the reading screen's pane shows, its code pages and links.
class SamplePages : public SampleBook {
 protected:
  // Page name (lower case, inside the page folder) and its text.
  std::vector<std::pair<std::string, QString>> Pages() const {
    std::vector<std::pair<std::string, QString>> pages;
    for (const std::string& path : PackListFiles()) {
      const std::string lower = AsciiLower(path);
      if (lower.rfind(kFolder, 0) != 0 || !lower.ends_with(".htm")) continue;
      const std::string bytes = Member(path);
      pages.emplace_back(lower.substr(kFolder.size()),
                         IsUtf8Page(bytes) ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                                           : FromCp1251(bytes));
    }
    return pages;
  }

  static bool IsUtf8Page(const std::string& bytes) {
    return AsciiLower(bytes).find("<meta charset=\"utf-8\">") != std::string::npos;
  }

  static bool HasAnchor(const QString& page, const QString& anchor) {
    return page.contains("name=\"" + anchor + "\"", Qt::CaseInsensitive);
  }

  const std::string kFolder = "man\\";
};

TEST_F(SamplePages, ReadingScreenOpensTheContentsPageInThePanel) {
  const TSkinModel model = Model();
  ASSERT_EQ(model.Htmls.size(), 1u);
  const RHTML& pane = model.Htmls.front();
  EXPECT_EQ(pane.screen, 1);
  EXPECT_EQ(pane.number, 20);
  EXPECT_EQ(QRect(QPoint(pane.vx, pane.vy), QPoint(pane.vw - 1, pane.vh - 1)), QRect(33, 90, 673, 421));
  EXPECT_TRUE(AsciiLower(pane.fn).ends_with("man\\index.htm")) << pane.fn;
  EXPECT_GE(PackFind("man\\index.htm"), 0);
}

TEST_F(SamplePages, PagesAreWindows1251WithoutCharsetOrUtf8ThatSaysSo) {
  int cp1251 = 0, utf8 = 0;
  for (const std::string& path : PackListFiles()) {
    const std::string lower = AsciiLower(path);
    if (lower.rfind(kFolder, 0) != 0 || !lower.ends_with(".htm")) continue;
    const std::string bytes = Member(path);
    const bool hasCyrillicBytes =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xC0; });
    EXPECT_TRUE(hasCyrillicBytes) << path;
    if (IsUtf8Page(bytes)) {
      ++utf8;
      QStringDecoder decode(QStringDecoder::Utf8);
      const QString text = decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
      EXPECT_FALSE(decode.hasError()) << path;
      EXPECT_TRUE(std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'А' && c <= u'я'; })) << path;
    } else {
      ++cp1251;
      EXPECT_EQ(AsciiLower(bytes).find("charset"), std::string::npos) << path;
      EXPECT_FALSE(FromCp1251(bytes).contains('?')) << path << ": a character had no Windows-1251 form";
    }
  }
  EXPECT_GE(cp1251, 18);
  EXPECT_GE(utf8, 1);
  EXPECT_LE(utf8, 3);
}

TEST_F(SamplePages, EveryLocalLinkAndPictureNamesAFileOfThePack) {
  static const QRegularExpression reference(QStringLiteral("\\b(href|src)=\"([^\"]*)\""),
                                            QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression select(QStringLiteral("<select name=\"([^\"]+)\""));
  const auto pages = Pages();
  ASSERT_GE(pages.size(), 20u);
  std::map<std::string, QString> byName(pages.begin(), pages.end());
  std::set<QString> kinds;
  for (const auto& [name, page] : pages) {
    for (const auto& m : reference.globalMatch(page)) {
      QString url = m.captured(2);
      const QString lower = url.toLower();
      const std::string where = name + ": " + url.toStdString();
      if (lower.startsWith("http:") || lower.startsWith("mailto:")) {
        kinds.insert(lower.left(lower.indexOf(':')));
        continue;
      }
      if (lower.startsWith("copylist:")) {
        kinds.insert("copylist");
        bool found = false;
        for (const auto& s : select.globalMatch(page)) found = found || s.captured(1) == url.mid(9);
        EXPECT_TRUE(found) << where << ": no drop-down list of that name";
        continue;
      }
      for (const char* scheme : {"copy:", "printhtml:"})
        if (lower.startsWith(scheme)) {
          kinds.insert(scheme);
          url = url.mid(static_cast<int>(strlen(scheme)));
        }
      const qsizetype hash = url.indexOf('#');
      const QString file = hash < 0 ? url : url.left(hash);
      const QString anchor = hash < 0 ? QString() : url.mid(hash + 1);
      if (file.isEmpty()) {
        EXPECT_TRUE(HasAnchor(page, anchor)) << where;
        continue;
      }
      EXPECT_FALSE(file.contains('/') || file.contains('\\') || file.contains(':')) << where;
      const std::string member = kFolder + ToCp1251(file.toLower());
      EXPECT_GE(PackFind(member), 0) << where;
      kinds.insert(file.section('.', -1).toLower());
      if (!anchor.isEmpty()) {
        ASSERT_TRUE(byName.count(ToCp1251(file.toLower()))) << where;
        EXPECT_TRUE(HasAnchor(byName[ToCp1251(file.toLower())], anchor)) << where;
      }
    }
  }
  for (const char* kind :
       {"htm", "png", "gif", "bmp", "zip", "wav", "exe", "txt", "http", "mailto", "copy:", "copylist", "printhtml:"})
    EXPECT_TRUE(kinds.count(kind)) << "no link or picture of kind " << kind;
}

// The contents tree lists every page (the frame of the framed view comes with it) in three
// levels; the index of terms in two. Every entry leads to a page, and to an anchor it has.
TEST_F(SamplePages, ContentsTreesLeadToEveryPage) {
  const auto pages = Pages();
  const std::map<std::string, QString> byName(pages.begin(), pages.end());
  const auto entriesOf = [](const std::string& file) {
    TMemoryStream stream;
    EXPECT_EQ(PackLoad(file, stream), 0) << file;
    TLines lines;
    std::string line;
    while (ReadTextLine(stream, line)) lines.push_back(line);
    return ParseContents(lines);
  };
  std::set<std::string> listed;
  for (const auto& [file, depth] : {std::pair{"contents.txt", 2}, std::pair{"terms.txt", 1}}) {
    const std::vector<TContentsEntry> entries = entriesOf(file);
    ASSERT_GE(entries.size(), 20u) << file;
    int deepest = 0;
    for (const TContentsEntry& e : entries) {
      deepest = std::max(deepest, e.depth);
      EXPECT_FALSE(e.caption.empty()) << file << ": " << e.link;
      const std::string link = AsciiLower(e.link);
      ASSERT_EQ(link.rfind(kFolder, 0), 0u) << file << ": " << e.link;
      const size_t hash = link.find('#');
      const std::string page = link.substr(kFolder.size(), hash - kFolder.size());
      ASSERT_TRUE(byName.count(page)) << file << ": " << e.link;
      if (hash != std::string::npos) {
        EXPECT_TRUE(HasAnchor(byName.at(page), QString::fromStdString(link.substr(hash + 1)))) << e.link;
      }
      if (file == std::string("contents.txt")) listed.insert(page);
    }
    EXPECT_EQ(deepest, depth) << file;
  }
  // The thesaurus page belongs to the thesaurus window.
  for (const auto& [name, page] : pages)
    EXPECT_TRUE(listed.count(name) || name == "toc.htm" || name == "tezaurus.htm") << name << " is not in the contents";
}

TEST_F(SamplePages, FramesetAndPicturesAreThere) {
  const auto pages = Pages();
  const std::map<std::string, QString> byName(pages.begin(), pages.end());
  ASSERT_TRUE(byName.count("frames.htm"));
  EXPECT_TRUE(byName.at("frames.htm").contains("<frameset"));
  ASSERT_TRUE(byName.count("toc.htm"));
  EXPECT_TRUE(byName.at("toc.htm").contains("target=\"text\""));
  EXPECT_TRUE(byName.at("gallery.htm").contains("target=\"_blank\""));
  static const QRegularExpression image(QStringLiteral("<img [^>]*>"));
  int images = 0;
  for (const auto& [name, page] : pages)
    for (const auto& m : image.globalMatch(page)) {
      ++images;
      EXPECT_TRUE(m.captured(0).contains("title=\"")) << name << ": " << m.captured(0).toStdString();
    }
  EXPECT_GE(images, 5);
  const std::string zip = Member("man\\tools.zip");
  ASSERT_GE(zip.size(), 22u);
  EXPECT_EQ(zip.substr(0, 4), std::string("PK\x03\x04", 4));
  EXPECT_EQ(zip.substr(zip.size() - 22, 4), std::string("PK\x05\x06", 4));
  EXPECT_TRUE(ReadWaveHeader(Member("man\\signal.wav")).valid);
}

// Motion-JPEG frames in an AVI container: the frame size from the main header.
QSize MjpegAviFrameSize(const std::string& bytes) {
  if (bytes.size() < 72 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "AVI ") != 0 ||
      bytes.compare(24, 4, "avih") != 0 || bytes.find("vidsMJPG") == std::string::npos ||
      bytes.find("idx1") == std::string::npos)
    return {};
  return QSize(static_cast<int>(Le(bytes, 64, 4)), static_cast<int>(Le(bytes, 68, 4)));
}

TEST_F(SampleBook, ClipsAndSongsArePlayableAndTheBookStaysSmall) {
  const TSkinModel m = Model();
  // The start clip, the 3D view's car in the place the reader gives it, the panel's clip.
  EXPECT_FALSE(MjpegAviFrameSize(Member(m.Rolic)).isEmpty());
  EXPECT_EQ(MjpegAviFrameSize(Member("car.avi")), QSize(687 - 31, 394 - 135));
  ASSERT_EQ(m.Clips.size(), 1u);
  const RClip& panel = m.Clips.front();
  EXPECT_EQ(panel.screen, 1);
  ASSERT_EQ(m.Htmls.size(), 1u);
  EXPECT_EQ(panel.html, m.Htmls.front().number);
  std::vector<std::string> clipCommands;
  for (const RBtn& b : m.ScreenBtns[1])
    if (b.go.rfind("clip=", 0) == 0) clipCommands.push_back(b.go);
  ASSERT_EQ(clipCommands.size(), 1u);
  const TCommand clip = ClassifyCommand(clipCommands.front(), m.ScreenCount());
  EXPECT_EQ(MjpegAviFrameSize(Member(clip.value)), QSize(panel.vw - panel.vx, panel.vh - panel.vy));
  EXPECT_FALSE(Member(clip.rest).empty());

  ASSERT_EQ(m.BgSoundDef.size(), 2u);
  for (const std::string& song : m.BgSoundDef) {
    const Wave w = ReadWaveHeader(Member(song));
    ASSERT_TRUE(w.valid) << song;
    EXPECT_EQ(w.format, 1) << song;
    EXPECT_GE(w.dataBytes / 2 / w.rate, 5u) << song;
  }
  EXPECT_LT(QFileInfo(QDir(kBook).filePath(QStringLiteral("interface.dat"))).size(), 5 * 1024 * 1024);
}

}  // namespace

namespace {

// The dialog: a message page, the search page with its three modes, and the two printing
// notices, each page's pictures in the pack; the index built from the pages lies beside it.
TEST_F(SampleBook, DialogHasItsFourPagesAndTheIndexItsThreeFiles) {
  TLines lines;
  TMemoryStream dialog(Member("DIALOG.TXT"));
  for (std::string line; ReadTextLine(dialog, line);) lines.push_back(line);
  const TDialogPages pages = ReadDialogPages(lines);
  ASSERT_EQ(pages.size(), 4u);
  for (const RDlgPage& page : pages) {
    EXPECT_TRUE(ReadBmpHeader(Member(page.picture)).valid) << page.picture;
    ASSERT_FALSE(page.buttons.empty());
    for (const RDlgBtn& b : page.buttons)
      for (const std::string& name : {b.fn1, b.fn2, b.fn3}) EXPECT_TRUE(ReadBmpHeader(Member(name)).valid) << name;
  }
  const RDlgPage& search = pages[1];
  EXPECT_EQ(search.buttons[0].go, "findnext1");
  std::vector<std::string> modes;
  for (const RSwthGrp& s : search.switches) {
    modes.push_back(s.go);
    EXPECT_TRUE(s.store);
    EXPECT_EQ(s.group, 1);
    EXPECT_FALSE(s.textcaptionup.empty());
  }
  EXPECT_EQ(modes, (std::vector<std::string>{"findtxtall", "findtxtlimit", "findtxtcontents"}));
  // The progress bar's pictures, and below them the room the page keeps without results.
  const Bmp bar = ReadBmpHeader(Member("status_up.bmp"));
  EXPECT_EQ(bar.size, ReadBmpHeader(Member("status_dn.bmp")).size);
  EXPECT_LE(75 + bar.size.height(), 115);
  for (const RSwthGrp& s : search.switches) EXPECT_LE(s.vy + 26, 115);

  for (const char* name : {"keywords.idx", "index.idx", "files.idx"})
    EXPECT_GT(QFileInfo(QDir(kBook).filePath(name)).size(), 0) << name;
}

// One page shows a picture with a map and a small form: the areas lead to chapters and the
// form's action is a page of the book.
TEST_F(SamplePages, GalleryHasAnImageMapAndAForm) {
  const auto pages = Pages();
  const std::map<std::string, QString> byName(pages.begin(), pages.end());
  ASSERT_TRUE(byName.count("gallery.htm"));
  const TPreparsedPage page = PreparsePage(byName.at("gallery.htm"));
  ASSERT_EQ(page.maps.size(), 1u);
  std::set<TMapArea::Shape> shapes;
  for (const TMapArea& area : page.maps[0].areas) {
    shapes.insert(area.shape);
    EXPECT_FALSE(area.title.isEmpty());
  }
  EXPECT_EQ(shapes.size(), 4u);
  const auto mapped = std::find_if(page.images.begin(), page.images.end(),
                                   [](const TPreparsedImage& image) { return !image.usemap.isEmpty(); });
  ASSERT_NE(mapped, page.images.end());
  EXPECT_EQ(FindImageMap(page.maps, mapped->usemap), &page.maps[0]);
  EXPECT_GE(PackFind(kFolder + ToCp1251(mapped->source.toLower())), 0);

  ASSERT_EQ(page.forms.size(), 1u);
  EXPECT_GE(PackFind(kFolder + ToCp1251(page.forms[0].action.toLower())), 0);
  std::set<TFormControlKind> kinds;
  for (const TPreparsedControl& control : page.controls) kinds.insert(control.kind);
  EXPECT_EQ(kinds.size(), 6u);
}

}  // namespace
