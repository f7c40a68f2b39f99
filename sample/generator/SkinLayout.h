#pragma once
// What the sample skin holds: screens, elements, their places and commands. Pictures,
// descriptions and previews are all made from this one list.

#include <QColor>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

enum class ElementKind { Button, Toggle, Grouped };

// How an element's face is drawn; also decides where its caption sits.
enum class FaceStyle { TitleButton, ToolButton, ToggleLed, Tab, WindowMinimize, WindowClose };

struct SkinElement {
  ElementKind kind = ElementKind::Button;
  FaceStyle face = FaceStyle::ToolButton;
  int screen = 0;   // counted from 0
  QString picture;  // file name stem; the look and ".bmp" are appended
  QRect rect;       // where the pictures go, and their size
  QString captionUp;
  QString captionDn;  // switches only
  int fontPoints = 10;
  std::array<QColor, 4> colors;  // caption colour per look (buttons use the first three)
  QString command;               // button go, grouped switch go
  QString commandOff;            // toggle switch goup
  QString commandOn;             // toggle switch godown
  QString hint;
  bool state = false;
  bool store = false;
  int group = 0;
};

struct SkinLayout {
  QSize screenSize;
  QString title;
  QStringList backgrounds;  // per screen
  QPolygon windowShape;
  SkinElement minimize;
  SkinElement close;
  std::vector<SkinElement> elements;  // in description order
  QPoint pistonPos;
};

SkinLayout SampleLayout();

QString CaptionFontFamily();
// "up", "mv", "dn" for buttons; "up", "mvup", "mvdn", "dn" for switches.
QStringList LooksOf(ElementKind kind);
QString PictureFile(const SkinElement& element, const QString& look);
