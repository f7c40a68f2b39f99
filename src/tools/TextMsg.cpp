#include "tools/TextMsg.h"

#include "app/DescriptionSyntax.h"
#include "platform/Globals.h"
#include "platform/Cp1251.h"
#include "platform/ui/ColorConversion.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace {


QFont ElementFont(const RText& r) {
  QFont font(FromCp1251(r.font));
  if (r.size > 0) font.setPointSize(r.size);
  const std::string style = AsciiLower(r.style);
  font.setBold(style.find("bold") != std::string::npos);
  font.setItalic(style.find("italic") != std::string::npos);
  font.setUnderline(style.find("underline") != std::string::npos);
  font.setStrikeOut(style.find("strikeout") != std::string::npos);
  return font;
}

bool IsStatusLine(const TTextElement& element) { return AsciiLower(element.ident) == "statusline"; }

// Where the element's text lands when drawn with `metrics`.
QRect Extent(const TTextElement& element, const QFontMetrics& metrics) {
  return QRect(element.rect.left(), element.rect.top(), metrics.horizontalAdvance(FromCp1251(element.text)),
               metrics.height());
}

}  // namespace

TTextMsg::TTextMsg(QWidget* window, const TDynamicTextArray& texts) : window_(window) {
  for (const RText& r : texts) {
    TTextElement element;
    element.font = ElementFont(r);
    element.color = ToQColor(r.color);
    element.rect = QRect(r.vx, r.vy, 0, 0);
    element.screen = r.screen;
    element.number = r.number;
    element.text = r.value;
    element.ident = r.ident;
    elements_.push_back(std::move(element));
  }
}

std::vector<std::string> TTextMsg::Texts() const {
  std::vector<std::string> texts;
  for (const TTextElement& element : elements_) texts.push_back(element.text);
  return texts;
}

void TTextMsg::PaintTexts(QPainter& painter) { Paint(painter, false); }

void TTextMsg::PaintDialogTexts(QPainter& painter) { Paint(painter, true); }

void TTextMsg::Paint(QPainter& painter, bool dialog) {
  for (TTextElement& element : elements_) {
    if (element.screen != Global.CurrentScreen || (element.number == DialogTextNumber) != dialog) continue;
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(element.font);
    painter.setPen(element.color);
    element.rect = Extent(element, QFontMetrics(element.font, painter.device()));
    painter.setClipRect(element.rect, Qt::IntersectClip);
    painter.drawText(element.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, FromCp1251(element.text));
    painter.restore();
  }
}

void TTextMsg::SetText(const std::string& text, int number, bool redraw) {
  if (number >= 0) {
    for (TTextElement& element : elements_)
      if (element.number == number) {
        Store(element, text, redraw);
        return;
      }
  } else if (number == -1) {
    for (TTextElement& element : elements_)
      if (IsStatusLine(element)) Store(element, text, redraw);
  }
}

void TTextMsg::Store(TTextElement& element, const std::string& text, bool redraw) {
  if (element.text == text) return;
  element.text = text;
  // Only texts on show need repainting; a screen switch repaints the whole window anyway.
  QWidget* target = element.number == DialogTextNumber ? dialog_ : window_;
  if (!redraw || !target || element.screen != Global.CurrentScreen) return;
  target->update(element.rect);
  target->update(Extent(element, QFontMetrics(element.font, target)));
}
