#include "html/HTMLViewer.h"

#include "html/FormWidgets.h"
#include "html/HTMLViewerPage.h"
#include "html/HtmlDocument.h"
#include "html/HtmlNames.h"
#include "html/InlineObjects.h"
#include "html/PageCharset.h"
#include "html/PagePreparser.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/WinNames.h"
#include "platform/ui/ColorConversion.h"

#include <QAbstractTextDocumentLayout>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocumentFragment>

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
  browser_->setGeometry(rect());
  document_ = new THtmlDocument(browser_);
  browser_->setDocument(document_);
  connect(document_->documentLayout(), &QAbstractTextDocumentLayout::update, this, [this] { PlaceControls(); });
  browser_->installEventFilter(this);
  browser_->viewport()->installEventFilter(this);
  connect(browser_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceControls(); });
  connect(browser_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceControls(); });
  Clear();
}

THTMLViewer::~THTMLViewer() = default;

void THTMLViewer::Clear() {
  currentFile_.clear();
  title_.clear();
  ShowPreparsed({}, {});
}

void THTMLViewer::LoadFromFile(const std::string& name) {
  ShowPreparsed(name, Preparse(name, THtmlDocument::ReadFile(name)));
}

TPreparsedPage THTMLViewer::Preparse(const std::string& name, const std::string& bytes) {
  bool wrapped = false;
  const QString html = WrapNonHtml(name, bytes, wrapped);
  return PreparseHtml(WithoutAnchor(name), wrapped ? html : DecodePage(bytes));
}

TPreparsedPage THTMLViewer::PreparseHtml(const std::string& baseFile, const QString& html) {
  TPreparseOptions options;
  options.controlSize = FormControlSize;
  options.styleSheet = [baseFile](const QString& href) {
    const auto bytes = THtmlDocument::ReadLinked(baseFile, href);
    return bytes ? FromCp1251(*bytes) : QString();
  };
  return PreparsePage(html, options);
}

void THTMLViewer::ShowPreparsed(const std::string& name, TPreparsedPage page) {
  currentFile_ = WithoutAnchor(name);
  auto next = std::make_unique<Page>();
  next->preparsed = std::move(page);
  title_ = next->preparsed.title;
  ShowPage(next->preparsed.html);
  page_ = std::move(next);
  IndexDocument();
  BuildControls();
  ColourLinks();
  const std::string anchor = AnchorOf(name);
  if (!anchor.empty()) ScrollToAnchor(FromCp1251(anchor));
}

void THTMLViewer::LoadFromBuffer(const std::string& text, const std::string& baseFile) {
  ShowPreparsed(baseFile, PreparseHtml(baseFile, DecodePage(text)));
}

void THTMLViewer::Reload() {
  const int position = Position();
  ShowPage(page_->preparsed.html);
  IndexDocument();
  BuildControls();
  ColourLinks();
  SetPosition(position);
}

void THTMLViewer::ShowPage(const QString& html) {
  // The old page's widgets may be in the middle of their own signal (a submit button).
  for (QWidget* control : page_->controls)
    if (control) {
      control->hide();
      control->deleteLater();
    }
  for (QObject* group : page_->radioGroups) group->deleteLater();
  page_->controls.clear();
  page_->radioGroups.clear();
  page_->links.clear();
  hoverHref_.clear();

  // Emptied first: a new font would lay the old page out again.
  document_->Reset(currentFile_, viewImages_);
  QFont font(defFontName_);
  font.setPointSize(std::max(1, defFontSize_));
  document_->setDefaultFont(font);
  ApplyAppearance();
  // Through the text browser, which lets go of its caret while the page goes in: a caret that
  // went along with the text would have the whole page laid out at once.
  browser_->setHtml(html);
  browser_->horizontalScrollBar()->setValue(0);
  browser_->verticalScrollBar()->setValue(0);
}

// One walk over the document for what the viewer looks up later: link stretches and where
// the controls' placeholders are. (A default style sheet for the links' colours would cost
// the importer a third of its time on long pages.)
void THTMLViewer::IndexDocument() {
  QTextDocument* document = browser_->document();
  page_->links.clear();
  page_->controlPositions.assign(page_->preparsed.controls.size(), -1);
  for (auto block = document->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      if (format.isImageFormat()) {
        const int control = PlaceholderControl(format.toImageFormat().name());
        if (control >= 0 && control < static_cast<int>(page_->controlPositions.size()))
          page_->controlPositions[control] = fragment.position();
      }
      const QString href = format.anchorHref();
      if (!format.isAnchor() || href.isEmpty()) continue;
      QString target, url;
      DecodeLinkTarget(href, target, url);
      const std::string key = url.startsWith('#') ? std::string() : VisitedKey(HTMLExpandFilename(url));
      // The importer gives links the application's link colour unless the page gives its own.
      const QBrush own = format.foreground() == QGuiApplication::palette().link() ? QBrush(ToQColor(defHotSpotColor_))
                                                                                  : format.foreground();
      page_->links.push_back({fragment.position(), fragment.position() + fragment.length(), href, key, own,
                              format.foreground(), format.fontUnderline(), format.fontUnderline()});
    }
}

void THTMLViewer::ApplyAppearance() {
  QPalette palette = browser_->palette();
  palette.setColor(QPalette::Base, ToQColor(defBackground_));
  palette.setColor(QPalette::Text, ToQColor(defFontColor_));
  palette.setColor(QPalette::Link, ToQColor(defHotSpotColor_));
  browser_->setPalette(palette);
}

bool THTMLViewer::ScrollToAnchor(const QString& name) {
  const QString anchor = name.startsWith('#') ? name.mid(1) : name;
  if (anchor.isEmpty()) return false;
  QString nearly;
  for (auto block = browser_->document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      for (const QString& found : it.fragment().charFormat().anchorNames()) {
        if (found == anchor) {
          ScrollBrowserToAnchor(found);
          return true;
        }
        if (nearly.isEmpty() && found.compare(anchor, Qt::CaseInsensitive) == 0) nearly = found;
      }
  if (nearly.isEmpty()) return false;
  ScrollBrowserToAnchor(nearly);
  return true;
}

void THTMLViewer::ScrollBrowserToAnchor(const QString& name) {
  if (!browser_->isVisible()) anchorBeforeShow_ = true;
  browser_->scrollToAnchor(name);
}

int THTMLViewer::Position() const { return browser_->verticalScrollBar()->value(); }
void THTMLViewer::SetPosition(int position) { browser_->verticalScrollBar()->setValue(position); }
int THTMLViewer::VScrollBarPosition() const { return browser_->verticalScrollBar()->value(); }
void THTMLViewer::SetVScrollBarPosition(int position) { browser_->verticalScrollBar()->setValue(position); }

QPoint THTMLViewer::ToViewport(QPoint viewerPoint) const { return browser_->viewport()->mapFrom(this, viewerPoint); }

QPointF THTMLViewer::ToDocument(QPoint viewportPoint) const {
  return viewportPoint + QPoint(browser_->horizontalScrollBar()->value(), browser_->verticalScrollBar()->value());
}

bool THTMLViewer::PtInObject(QPoint point, TImageObj& object) const {
  const auto place = ObjectAt(browser_->document(), ToDocument(ToViewport(point)));
  if (!place || PlaceholderControl(place->format.name()) >= 0) return false;
  int index = -1;
  DecodeMappedImage(place->format.name(), index, object.source);
  object.title = place->format.toolTip();
  if (object.title.isEmpty())
    for (const TPreparsedImage& image : page_->preparsed.images)
      if (image.source == object.source && !image.title.isEmpty()) {
        object.title = image.title;
        break;
      }
  const QPointF scroll = ToDocument(QPoint());
  object.rect =
      QRect(browser_->viewport()->mapTo(this, (place->rect.topLeft() - scroll).toPoint()), place->rect.size().toSize());
  return true;
}

bool THTMLViewer::LinkAt(QPoint point, QString& url, QString& target) const {
  const QString href = HotSpotAt(ToViewport(point));
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
  browser_->setGeometry(rect());
  PlaceControls();
}

// Children are shown before their parent: the text view has had its first show here.
void THTMLViewer::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (browserShown_ || !browser_->isVisible()) return;
  browserShown_ = true;
  if (!anchorBeforeShow_) SetPosition(positionBeforeShow_);
}
