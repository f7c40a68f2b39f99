#include "tools/TextMsg.h"

#include "app/DescriptionSyntax.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/ColorConversion.h"
#include "platform/ui/SkinFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <algorithm>

namespace {

bool IsStatusLine(const TTextElement& element) { return AsciiLower(element.ident) == "statusline"; }

constexpr int kBarGap = 8, kBarWidth = 100;

// Where the element's text, and its progress bar, land when drawn with `metrics`.
QRect Extent(const TTextElement& element, const QFontMetrics& metrics) {
  int width = metrics.horizontalAdvance(FromCp1251(element.text));
  if (element.progress >= 0) width += kBarGap + kBarWidth;
  return QRect(element.rect.left(), element.rect.top(), width, metrics.height());
}

void PaintBar(QPainter& painter, const TTextElement& element) {
  const QRect bar(element.rect.right() - kBarWidth + 1, element.rect.top() + 2, kBarWidth, element.rect.height() - 4);
  painter.setPen(element.color);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(bar.adjusted(0, 0, -1, -1));
  painter.fillRect(QRect(bar.left(), bar.top(), bar.width() * std::min(element.progress, 100) / 100, bar.height()),
                   element.color);
}

}  // namespace

TTextMsg::TTextMsg(QWidget* window, const TDynamicTextArray& texts) : window_(window) {
  for (const RText& r : texts) {
    TTextElement element;
    element.font = FontFromStyleWords(r.font, r.size, r.style);
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
    if (element.progress >= 0) PaintBar(painter, element);
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

void TTextMsg::SetProgress(int percent) {
  for (TTextElement& element : elements_) {
    if (!IsStatusLine(element) || element.progress == percent) continue;
    element.progress = percent;
    if (!window_ || element.screen != Global.CurrentScreen || element.number == DialogTextNumber) continue;
    window_->repaint(QRegion(element.rect) + Extent(element, QFontMetrics(element.font, window_)));
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
