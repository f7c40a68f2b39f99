#include "document/ItemsBtn.h"

#include "app/ui/PackPicture.h"
#include "document/PopupWindow.h"
#include "platform/ui/ColorConversion.h"
#include "platform/ui/SkinFont.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

QFont FontOf(const TItemFont& font) { return FontFromStyleWords(font.name, font.size, font.style); }

QFontMetrics MetricsOn(const QFont& font, QImage& picture) {
  return picture.isNull() ? QFontMetrics(font) : QFontMetrics(font, &picture);
}

// Centred in height when the text is lower than the item, else from -3 to the item's
// bottom; from 7 to just past the text when that leaves 7 pixels to spare on the right,
// else up to 7 pixels before the item's right edge (and then the caption needs its hint).
QRect CaptionBox(const QFontMetrics& metrics, const QString& text, QSize item, bool& tooWide) {
  const int textHeight = metrics.height();
  const int textWidth = metrics.horizontalAdvance(text);
  const int top = textHeight < item.height() ? (item.height() - textHeight) / 2 : -3;
  const int bottom = textHeight < item.height() ? top + textHeight : item.height();
  tooWide = textWidth + 14 >= item.width();
  const int right = tooWide ? item.width() - 7 : textWidth + 7;
  return QRect(QPoint(7, top), QPoint(right - 1, bottom - 1));
}

// The longest start of `text` that fits `width` with "..." after it; the whole text when
// not even "..." fits.
QString Shortened(const QString& text, const QFontMetrics& metrics, int width) {
  for (qsizetype k = 0; k <= text.size(); ++k) {
    const QString candidate = text.left(text.size() - k) + QStringLiteral("...");
    if (metrics.horizontalAdvance(candidate) <= width) return candidate;
  }
  return text;
}

void DrawText(QImage& picture, const QFont& font, TColor color, const QRect& box, const QString& text) {
  if (picture.isNull()) return;
  QPainter painter(&picture);
  painter.setFont(font);
  painter.setPen(ToQColor(color));
  painter.setClipRect(box);
  painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
}

}  // namespace

void TItemsBtn::TakeLooks(const RPopupData& declaration, int position) {
  const auto pick = [position](const std::vector<std::string>& names) {
    if (names.empty()) return std::string();
    return position >= 0 && position < static_cast<int>(names.size()) ? names[position] : names.front();
  };
  FileUp = pick(declaration.fnbtnup);
  FileMove = pick(declaration.fnbtnmove);
  FileDown = pick(declaration.fnbtndown);
  FontUp = {declaration.fontup, declaration.sizeup, declaration.styleup, declaration.colorup};
  FontMove = {declaration.fontmv, declaration.sizemv, declaration.stylemv, declaration.colormv};
}

void TItemsBtn::LoadPictures() {
  Normal = LoadPackPicture(FileUp);
  HoverPicture = LoadPackPicture(FileMove);
  PressedPicture = LoadPackPicture(FileDown);
  Bounds.setSize(Normal.size());
}

void TItemsBtn::SetCaption(const QString& text) {
  if (text == caption_) return;
  LoadPictures();
  caption_ = text;

  const QFont up = FontOf(FontUp);
  const QFontMetrics upMetrics = MetricsOn(up, Normal);
  bool tooWide = false;
  const QRect box = CaptionBox(upMetrics, text, Bounds.size(), tooWide);
  hint_ = tooWide ? text : QString();
  const QString drawn =
      box.width() < upMetrics.horizontalAdvance(text) ? Shortened(text, upMetrics, box.width()) : text;
  DrawText(Normal, up, FontUp.color, box, drawn);

  const QFont move = FontOf(FontMove);
  bool ignored = false;
  const QRect moveBox = CaptionBox(MetricsOn(move, HoverPicture), text, Bounds.size(), ignored);
  DrawText(HoverPicture, move, FontMove.color, moveBox, drawn);
  DrawText(PressedPicture, move, FontMove.color, moveBox, drawn);
  list_.update();
}

void TItemsBtn::ClearCaption() {
  caption_.clear();
  hint_.clear();
}

void TItemsBtn::SetShown(bool flag) {
  if (flag == Shown) return;
  Shown = flag;
  if (!flag) Placed = Hover = Pressed = false;
  list_.LayoutItems();
}

bool TItemsBtn::Contains(QPoint at) const {
  return Bounds.left() < at.x() && at.x() < Bounds.left() + Bounds.width() && Bounds.top() < at.y() &&
         at.y() < Bounds.top() + Bounds.height();
}

const QImage& TItemsBtn::Picture() const { return Pressed ? PressedPicture : Hover ? HoverPicture : Normal; }
