// The interface size chosen in the settings dialog, seen from outside: the sample book is
// started as a reader would start it, its window photographed and pointed at.

#include "support/ProgramEnvironment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>

namespace {

const QPoint kOptionsButton(146, 497);  // title screen: "Настройки"
const QPoint kOpenBook(146, 445);       // title screen: "Открыть книгу"
const QString kOpenBookHint = QStringLiteral("Перейти к оглавлению и страницам книги");

class InterfaceSize : public ::testing::Test {
 protected:
  QString File(const QString& name) const { return dir_.Path() + "/" + name; }

  // Runs the script on the sample book; the platform may carry options (a screen of its own).
  void Run(const QStringList& lines, const QString& platform = QStringLiteral("offscreen")) {
    const QString script = dir_.Write(QStringLiteral("script%1.txt").arg(++runs_), lines.join('\n').toUtf8());
    QProcessEnvironment env = ProgramEnvironment(dir_.Path());
    env.insert("QT_QPA_PLATFORM", platform);
    env.remove("QT_SCALE_FACTOR");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(SKINBOOK_PROGRAM, {"--book", SKINBOOK_SAMPLE_BOOK, "--script", script});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
  }

  QJsonObject Dump(const QString& name) const {
    QFile file(File(name));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
  }

  // The window at `factor`: its picture, and the pointer over a button at the scaled place.
  void ExpectScaled(double factor, const QString& platform = QStringLiteral("offscreen")) {
    const QPoint over(std::lround(kOpenBook.x() * factor), std::lround(kOpenBook.y() * factor));
    Run({"shot " + File("scaled.png"), QStringLiteral("move %1 %2").arg(over.x()).arg(over.y()), "wait 50",
         "dump " + File("scaled.json"), "close"},
        platform);
    const QJsonObject state = Dump("scaled.json");
    EXPECT_DOUBLE_EQ(state["scale"].toDouble(), factor);
    bool hovered = false;
    for (const QJsonValue& button : state["buttons"].toArray())
      if (button["hint"].toString() == kOpenBookHint) hovered = button["hover"].toBool();
    EXPECT_TRUE(hovered);

    const QImage scaled(File("scaled.png"));
    ASSERT_EQ(scaled.size(), QSize(std::lround(800 * factor), std::lround(600 * factor)));
    // The window's shape grew with it: its cut corner is still cut.
    EXPECT_EQ(qAlpha(scaled.pixel(std::lround(8 * factor), std::lround(8 * factor))), 0);
    EXPECT_EQ(qAlpha(scaled.pixel(std::lround(30 * factor), std::lround(30 * factor))), 255);
    // The skin itself, not an enlarged empty frame: brought back to the skin's size, the picture
    // is the one the window shows at its own size.
    ExpectAlike(scaled.scaled(800, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), QImage(File("plain.png")));
  }

  static void ExpectAlike(const QImage& a, const QImage& b) {
    ASSERT_EQ(a.size(), b.size());
    double difference = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) {
        const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
        difference += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
      }
    EXPECT_LT(difference / (a.width() * a.height() * 3), 6.0);
  }

  TempDir dir_;
  int runs_ = 0;
};

TEST_F(InterfaceSize, TheChoiceOf1024x768TakesEffectAtTheNextStart) {
  Run({"shot " + File("plain.png"), "dump " + File("before.json"),
       QStringLiteral("click %1 %2").arg(kOptionsButton.x()).arg(kOptionsButton.y()),
       "await state windows.options true", "shot " + File("options.png"), "option RBInerf3 1", "button ButtonOK",
       "dump " + File("after.json"), "close"});
  // The open settings dialog is in the screenshot, over the window.
  const QImage plain(File("plain.png")), options(File("options.png"));
  ASSERT_EQ(options.size(), plain.size());
  EXPECT_NE(options.copy(300, 250, 200, 100), plain.copy(300, 250, 200, 100));
  const QJsonObject before = Dump("before.json");
  EXPECT_EQ(before["scale"].toDouble(), 1.0);
  EXPECT_EQ(before["settings"]["SizeInterface"].toInt(), 0);
  EXPECT_EQ(before["settings"]["SlideShowTime"].toInt(), 5);
  EXPECT_TRUE(before["settings"]["Wav"].toBool());
  const QJsonObject after = Dump("after.json");
  EXPECT_EQ(after["settings"]["SizeInterface"].toInt(), 2);
  EXPECT_FALSE(after["windows"]["options"].toBool());
  EXPECT_EQ(after["scale"].toDouble(), 1.0);  // the window keeps its size until the next start

  ExpectScaled(1.28);
}

TEST_F(InterfaceSize, AFreeSizeFollowsADragOnTheWindowsEdgeAndIsKept) {
  Run({"shot " + File("plain.png"), QStringLiteral("click %1 %2").arg(kOptionsButton.x()).arg(kOptionsButton.y()),
       "await state windows.options true", "option RBInerf4 1", "button ButtonOK", "dump " + File("chosen.json"),
       "close"});
  const QJsonObject chosen = Dump("chosen.json");
  EXPECT_EQ(chosen["settings"]["SizeInterface"].toInt(), 3);
  EXPECT_EQ(chosen["scale"].toDouble(), 1.0);

  // The right edge dragged 400 pixels out: the window grows by half, its height with it.
  Run({"press 799 300", "move 1000 320", "move 1199 320", "release 1199 320", "wait 50", "shot " + File("dragged.png"),
       "dump " + File("dragged.json"), "close"});
  EXPECT_EQ(Dump("dragged.json")["scale"].toDouble(), 1.5);
  EXPECT_EQ(QImage(File("dragged.png")).size(), QSize(1200, 900));

  ExpectScaled(1.5);  // the next start
}

TEST_F(InterfaceSize, AutomaticOnA4kScreen) {
  Run({"shot " + File("plain.png"), "close"});
  const QString screens =
      dir_.Write("4k.json", R"({"screens": [{"name": "4k", "x": 0, "y": 0, "width": 3840, "height": 2160,
                    "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  ExpectScaled(3.0, "offscreen:configfile=" + screens);
}

}  // namespace
