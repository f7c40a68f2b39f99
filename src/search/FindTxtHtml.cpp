// The search fields: where they sit and show, their keys, and the search's modes.

#include "search/FindTxtHtml.h"

#include "app/Log.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "search/SearchHost.h"

#include <QJsonArray>
#include <QKeyEvent>
#include <QRegularExpression>

TFindTxtHtml::TFindTxtHtml(TSearchHost& host, const TDynamicFindTxtArray& declarations, int screen, QWidget* parent,
                           bool headingSearch)
    : host_(host),
      headingSearch_(headingSearch),
      screen_(screen),
      onOwnWindow_(parent != nullptr),
      scanner_(host.Window()) {
  for (const RFindTxt& d : declarations) {
    TField field;
    field.frame = d.frame;
    field.nofiles = d.nofiles;
    field.number = d.number;
    field.screen = d.screen;
    field.edit = new QLineEdit(parent);
    field.edit->hide();
    field.edit->setFrame(false);
    field.edit->setToolTip(FromCp1251(d.hint));
    QFont font = field.edit->font();
    font.setPixelSize(std::max(1, d.vh - d.vy - 1));
    field.edit->setFont(font);
    field.edit->setGeometry(d.vx, d.vy, d.vw - d.vx, d.vh - d.vy);
    field.edit->setMouseTracking(true);
    field.edit->installEventFilter(this);
    connect(field.edit, &QLineEdit::textChanged, this, [this] { ResetSearch(); });
    fields_.push_back(std::move(field));
  }
  fileIndex_ = -1;
  ScreenChanged(screen);
}

TFindTxtHtml::~TFindTxtHtml() {
  for (TField& field : fields_) delete field.edit.data();
}

TFindTxtHtml::TField* TFindTxtHtml::FieldOf(int number) {
  for (TField& field : fields_)
    if (field.number == number) return &field;
  return nullptr;
}

QLineEdit* TFindTxtHtml::Field(int number) const {
  for (const TField& field : fields_)
    if (field.number == number) return field.edit;
  return nullptr;
}

QString TFindTxtHtml::NormalizedText(TField& field) {
  QString text = field.edit->text();
  qsizetype start = 0, end = text.size();
  while (start < end && text[start].unicode() <= 32) ++start;
  while (end > start && text[end - 1].unicode() <= 32) --end;
  text = text.mid(start, end - start);
  static const QRegularExpression spaces(QStringLiteral(" {2,}"));
  text.replace(spaces, QStringLiteral(" "));
  // Writing back an unchanged text would not count as an edit; a changed one starts afresh.
  if (text != field.edit->text()) field.edit->setText(text);
  return text;
}

void TFindTxtHtml::SetAllFiles(bool flag) {
  if (flag != allFiles_) {
    for (TField& field : fields_) field.files.clear();
    fileIndex_ = -1;
    allFiles_ = flag;
  }
  indexMode_ = false;
  contentsMode_ = false;
}

void TFindTxtHtml::SetIndexMode() {
  indexMode_ = true;
  contentsMode_ = false;
}

void TFindTxtHtml::SetContentsMode() {
  contentsMode_ = true;
  indexMode_ = false;
}

void TFindTxtHtml::SetIdle(bool flag) {
  idle_ = flag;
  host_.SetSearchButtonHint(QString::fromUtf8(flag ? SearchHint : StopHint));
}

void TFindTxtHtml::ResetSearch() {
  if (Global.BusyFlag) return;
  fileIndex_ = -1;
  tildeTried_ = false;
  results_.Clear();
  host_.ClearStatus();
}

void TFindTxtHtml::UpdateFields() {
  for (TField& field : fields_) {
    if (!field.edit) continue;
    const bool shown =
        field.edit->parentWidget() && !hidden_ && field.screen == screen_ && (onOwnWindow_ || onSearchPage_);
    field.edit->setVisible(shown);
    if (shown) field.edit->update();
  }
}

void TFindTxtHtml::ScreenChanged(int screen) {
  screen_ = screen;
  UpdateFields();
}

void TFindTxtHtml::HideFields(bool hide) {
  hidden_ = hide;
  UpdateFields();
}

void TFindTxtHtml::PlaceFields(QWidget* dialog, bool searchPage) {
  for (TField& field : fields_)
    if (field.edit && field.edit->parentWidget() != dialog) field.edit->setParent(dialog);
  onSearchPage_ = searchPage;
  UpdateFields();
}

bool TFindTxtHtml::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit) return QObject::eventFilter(watched, event);
  try {
    if (event->type() == QEvent::MouseMove) host_.PointerLeftSkin();
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    if (Global.BusyFlag) return true;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (!fields_.empty() && edit == fields_.front().edit) host_.RunDialogCommand("findnext1", "no");
      return true;
    }
    return key == Qt::Key_Escape;
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << e.what();
    return true;
  }
}

QJsonObject TFindTxtHtml::StateForDump() const {
  QJsonArray fields;
  for (const TField& field : fields_) fields.append(field.edit ? field.edit->text() : QString());
  return {{"exists", true},
          {"idle", idle_},
          {"allFiles", allFiles_},
          {"indexMode", indexMode_},
          {"contentsMode", contentsMode_},
          {"caseSensitive", Global.CaseSensitive},
          {"fileIndex", fileIndex_},
          {"fields", fields}};
}
