#include "html/HTMLViewer.h"

#include "platform/ui/ColorConversion.h"
#include "html/HTMLViewerPage.h"
#include "html/HtmlDocument.h"
#include "html/HtmlNames.h"
#include "html/InlineObjects.h"
#include "html/PageCharset.h"
#include "html/PagePreparser.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/WinNames.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace {

// Pictures and plain texts are shown as pages of their own.
QString WrapNonHtml(const std::string& name, const std::string& bytes, bool& wrapped) {
  const std::string ext = NameLower(FileExtension(WithoutAnchor(name)));
  wrapped = true;
  if (ext == ".bmp" || ext == ".gif" || ext == ".jpg" || ext == ".jpeg" || ext == ".png") {
    const QString src = FromCp1251(FileNamePart(WithoutAnchor(name)));
    return QStringLiteral("<html><body><img src=\"%1\"></body></html>").arg(src.toHtmlEscaped());
  }
  if (ext == ".txt" || ext == ".inf" || ext == ".diz")
    return QStringLiteral("<html><body><pre>%1</pre></body></html>").arg(FromCp1251(bytes).toHtmlEscaped());
  wrapped = false;
  return {};
}

QSize ComboSize(const QStringList& items) {
  QComboBox combo;
  combo.addItems(items);
  return combo.sizeHint();
}

}  // namespace

QString TFormControl::SelectedText() const {
  return selectedIndex >= 0 && selectedIndex < items.size() ? items[selectedIndex] : QString();
}


THTMLViewer::THTMLViewer(QWidget* parent) : QWidget(parent), page_(std::make_unique<Page>()) {
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(false);
  browser_->setOpenExternalLinks(false);
  browser_->setFrameShape(QFrame::NoFrame);
  // Menus over the page are the program's own.
  browser_->setContextMenuPolicy(Qt::NoContextMenu);
  browser_->setMouseTracking(true);
  browser_->viewport()->setMouseTracking(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->installEventFilter(this);
  browser_->viewport()->installEventFilter(this);
  connect(browser_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceCombos(); });
  connect(browser_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceCombos(); });
  Clear();
}

THTMLViewer::~THTMLViewer() = default;

void THTMLViewer::Clear() {
  currentFile_.clear();
  title_.clear();
  *page_ = Page();
  ShowPage(QString());
}

void THTMLViewer::LoadFromFile(const std::string& name) {
  const std::string bytes = THtmlDocument::ReadFile(name);
  bool wrapped = false;
  const QString html = WrapNonHtml(name, bytes, wrapped);
  currentFile_ = WithoutAnchor(name);
  page_ = std::make_unique<Page>();
  page_->preparsed = PreparsePage(wrapped ? html : DecodePage(bytes), ComboSize);
  title_ = page_->preparsed.title;
  ShowPage(page_->preparsed.html);
  const std::string anchor = AnchorOf(name);
  if (!anchor.empty()) ScrollToAnchor(FromCp1251(anchor));
}

void THTMLViewer::LoadFromBuffer(const std::string& text, const std::string& baseFile) {
  currentFile_ = baseFile;
  page_ = std::make_unique<Page>();
  page_->preparsed = PreparsePage(DecodePage(text), ComboSize);
  title_ = page_->preparsed.title;
  ShowPage(page_->preparsed.html);
}

void THTMLViewer::Reload() {
  const int position = Position();
  ShowPage(page_->preparsed.html);
  SetPosition(position);
}

void THTMLViewer::ShowPage(const QString& html) {
  for (QComboBox* combo : page_->combos) delete combo;
  page_->combos.clear();
  page_->linkBrushes.clear();
  hoverHref_.clear();

  const QPointer<QTextDocument> old = browser_->document();
  auto* document = new THtmlDocument(currentFile_, viewImages_, browser_);
  QFont font(defFontName_);
  font.setPointSize(std::max(1, defFontSize_));
  document->setDefaultFont(font);
  document->setDefaultStyleSheet(
      QStringLiteral("body { color: %1; } a { color: %2; text-decoration: %3; }")
          .arg(ToQColor(defFontColor_).name(), ToQColor(defHotSpotColor_).name(),
               noLinkUnderline_ ? QStringLiteral("none") : QStringLiteral("underline")));
  document->setUndoRedoEnabled(false);
  ApplyAppearance();
  document->setHtml(html);
  browser_->setDocument(document);
  if (old && old->parent() == browser_) old->deleteLater();
  connect(document->documentLayout(), &QAbstractTextDocumentLayout::update, this, [this] { PlaceCombos(); });

  for (auto block = document->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.isAnchor() && !format.anchorHref().isEmpty() && !page_->linkBrushes.count(format.anchorHref()))
        page_->linkBrushes[format.anchorHref()] = format.foreground();
    }
  BuildCombos();
  ColourLinks();
}

void THTMLViewer::ApplyAppearance() {
  QPalette palette = browser_->palette();
  palette.setColor(QPalette::Base, ToQColor(defBackground_));
  palette.setColor(QPalette::Text, ToQColor(defFontColor_));
  palette.setColor(QPalette::Link, ToQColor(defHotSpotColor_));
  browser_->setPalette(palette);
}

void THTMLViewer::BuildCombos() {
  const auto& controls = page_->preparsed.controls;
  page_->combos.assign(controls.size(), nullptr);
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].placeholder.isEmpty()) continue;
    auto* combo = new QComboBox(browser_->viewport());
    combo->addItems(controls[i].items);
    combo->setCurrentIndex(controls[i].selectedIndex);
    combo->hide();
    page_->combos[i] = combo;
  }
  PlaceCombos();
}

void THTMLViewer::PlaceCombos() {
  if (!page_ || std::none_of(page_->combos.begin(), page_->combos.end(), [](QComboBox* c) { return c; })) return;
  const QPoint scroll(browser_->horizontalScrollBar()->value(), browser_->verticalScrollBar()->value());
  const auto& controls = page_->preparsed.controls;
  for (const ObjectPlace& place : InlineObjects(browser_->document())) {
    const QString name = place.format.toImageFormat().name();
    for (size_t i = 0; i < controls.size(); ++i) {
      if (!page_->combos[i] || controls[i].placeholder != name) continue;
      page_->combos[i]->setGeometry(QRect(place.rect.topLeft().toPoint() - scroll, place.rect.size().toSize()));
      page_->combos[i]->show();
    }
  }
}

bool THTMLViewer::ScrollToAnchor(const QString& name) {
  const QString anchor = name.startsWith('#') ? name.mid(1) : name;
  for (auto block = browser_->document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().anchorNames().contains(anchor)) {
        if (!browser_->isVisible()) anchorBeforeShow_ = true;
        browser_->scrollToAnchor(anchor);
        return true;
      }
  return false;
}

int THTMLViewer::Position() const { return browser_->verticalScrollBar()->value(); }
void THTMLViewer::SetPosition(int position) { browser_->verticalScrollBar()->setValue(position); }
int THTMLViewer::VScrollBarPosition() const { return browser_->verticalScrollBar()->value(); }
void THTMLViewer::SetVScrollBarPosition(int position) { browser_->verticalScrollBar()->setValue(position); }

QPoint THTMLViewer::ToViewport(QPoint viewerPoint) const { return browser_->viewport()->mapFrom(this, viewerPoint); }

bool THTMLViewer::PtInObject(QPoint point, TImageObj& object) const {
  const QPoint scroll(browser_->horizontalScrollBar()->value(), browser_->verticalScrollBar()->value());
  const QPointF documentPoint = ToViewport(point) + scroll;
  for (const ObjectPlace& place : InlineObjects(browser_->document())) {
    const QString source = place.format.toImageFormat().name();
    if (!place.rect.contains(documentPoint) || THtmlDocument::IsPlaceholder(source)) continue;
    object.source = source;
    object.title = place.format.toolTip();
    if (object.title.isEmpty())
      for (const TPreparsedImage& image : page_->preparsed.images)
        if (image.source == source && !image.title.isEmpty()) {
          object.title = image.title;
          break;
        }
    object.rect = QRect(browser_->viewport()->mapTo(this, (place.rect.topLeft() - scroll).toPoint()),
                        place.rect.size().toSize());
    return true;
  }
  return false;
}

bool THTMLViewer::LinkAt(QPoint point, QString& url, QString& target) const {
  const QString href = browser_->anchorAt(ToViewport(point));
  if (href.isEmpty()) return false;
  DecodeLinkTarget(href, target, url);
  return true;
}

QString THTMLViewer::SelText() const { return browser_->textCursor().selection().toPlainText(); }

void THTMLViewer::SelectAll() { browser_->selectAll(); }

void THTMLViewer::CopyToClipboard() {
  const QString text = SelText();
  if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

bool THTMLViewer::Find(const QString& text, bool matchCase) {
  if (text.isEmpty()) return false;
  const QTextCursor found = browser_->document()->find(
      text, browser_->textCursor(), matchCase ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags());
  if (found.isNull()) return false;
  browser_->setTextCursor(found);
  browser_->ensureCursorVisible();
  return true;
}

void THTMLViewer::SetCaretPos(int position) {
  QTextCursor cursor(browser_->document());
  cursor.setPosition(std::clamp(position, 0, browser_->document()->characterCount() - 1));
  browser_->setTextCursor(cursor);
}

void THTMLViewer::SetSelStart(int position) {
  QTextCursor cursor = browser_->textCursor();
  const int end = cursor.position();
  cursor.setPosition(std::clamp(position, 0, browser_->document()->characterCount() - 1));
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  browser_->setTextCursor(cursor);
}

int THTMLViewer::CaretPos() const { return browser_->textCursor().position(); }

std::vector<TFormControl> THTMLViewer::FormControlList() const {
  std::vector<TFormControl> out;
  const auto& controls = page_->preparsed.controls;
  for (size_t i = 0; i < controls.size(); ++i) {
    TFormControl control;
    control.name = controls[i].name;
    control.kind = static_cast<TFormControlKind>(controls[i].kind);
    control.items = controls[i].items;
    control.selectedIndex = controls[i].selectedIndex;
    if (i < page_->combos.size() && page_->combos[i]) {
      control.combo = page_->combos[i];
      control.selectedIndex = control.combo->currentIndex();
    }
    out.push_back(control);
  }
  return out;
}

void THTMLViewer::SetVisitedLinks(std::shared_ptr<const std::set<std::string>> visited) {
  visited_ = std::move(visited);
}

void THTMLViewer::CheckVisitedLinks() { ColourLinks(); }

std::string THTMLViewer::HTMLExpandFilename(const QString& url) const {
  return ExpandHtmlName(currentFile_, ToCp1251(url));
}

QSize THTMLViewer::LastPictureSize() { return Global.LastPictureSize; }

QTextDocument* THTMLViewer::Document() const { return browser_->document(); }

void THTMLViewer::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceCombos();
}

// Children are shown before their parent: the text view has had its first show here.
void THTMLViewer::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (browserShown_ || !browser_->isVisible()) return;
  browserShown_ = true;
  if (!anchorBeforeShow_) SetPosition(positionBeforeShow_);
}
