#include "tools/PanelBkgrd.h"

#include "platform/ui/ColorConversion.h"

#include <QHBoxLayout>
#include <QSplitter>

namespace {
constexpr QRect kPanelRect(33, 90, 673, 421);
constexpr TColor kDefaultSplitterColor = 128 + 141 * 256 + 142 * 65536;
}  // namespace

TPanelBkgrd::TPanelBkgrd(QWidget* window, const TDynamicSplitterArray& splitters)
    : QWidget(window), splitter_(new QSplitter(Qt::Horizontal, this)) {
  const TColor splitterColor = splitters.empty() ? kDefaultSplitterColor : splitters.front().color;
  setGeometry(kPanelRect);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter_);
  splitter_->setStyleSheet(QStringLiteral("QSplitter::handle { background: %1; }").arg(ToQColor(splitterColor).name()));
  hide();
}
