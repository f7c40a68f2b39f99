#pragma once
// One item of a popup list: three pictures (normal, hover, pressed) with its caption drawn
// on each. It has no window of its own: its list places it, paints it, hands it the mouse
// and shows its hint.

#include "app/SkinModel.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <string>

class TPopupWindow;

// The caption font of one look, as the declaration gives it.
struct TItemFont {
  std::string name;
  int size = 0;
  std::string style;  // style words
  TColor color = 0;
};

class TItemsBtn {
 public:
  explicit TItemsBtn(TPopupWindow& list) : list_(list) {}

  bool Shown = false;
  bool Placed = false;  // has a place in the list's current layout
  bool Hover = false;
  bool Pressed = false;
  std::string Command;
  std::string FileUp, FileMove, FileDown;  // as the declaration's lists give them
  TItemFont FontUp, FontMove;              // the pressed look uses FontMove
  QRect Bounds;                            // in the list; the size is the normal picture's
  QImage Normal, HoverPicture, PressedPicture;

  const QString& Caption() const { return caption_; }
  // The full caption when it had to be shortened to fit, else empty.
  const QString& Hint() const { return hint_; }

  // The picture names and fonts the declaration gives the item at `position`: an item past
  // the end of a picture list takes its first entry.
  void TakeLooks(const RPopupData& declaration, int position);
  // Reads the three pictures again, without caption; an unreadable one stays empty.
  void LoadPictures();
  // Draws `text` on fresh pictures, shortened with "..." when it does not fit; nothing when
  // the caption is already `text`.
  void SetCaption(const QString& text);
  // Forgets the caption without drawing anything.
  void ClearCaption();
  // Hidden items take no room in their list.
  void SetShown(bool flag);

  bool Contains(QPoint at) const;  // strictly inside
  // What the list paints: pressed, else hover, else normal.
  const QImage& Picture() const;

 private:
  TPopupWindow& list_;
  QString caption_, hint_;
};
