#include "html/FormWidgets.h"

#include "html/HTMLViewer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <memory>

namespace {

constexpr int kDefaultColumns = 20;
constexpr int kFrame = 6;  // frame and margins around the text of a box

QFontMetrics Metrics() { return QFontMetrics(QApplication::font()); }

int TextWidth(int columns) { return Metrics().averageCharWidth() * std::max(1, columns) + kFrame; }

void FillList(QListWidget* list, const TPreparsedControl& control) {
  list->clear();
  list->addItems(control.items);
  for (int index : control.chosen)
    if (index >= 0 && index < list->count()) list->item(index)->setSelected(true);
}

}  // namespace

QSize FormControlSize(const TPreparsedControl& control) {
  switch (control.kind) {
    case TFormControlKind::Input: {
      const int height = QLineEdit().sizeHint().height();
      return {TextWidth(control.columns > 0 ? control.columns : kDefaultColumns), height};
    }
    case TFormControlKind::TextArea:
      return {TextWidth(control.columns) + 16, Metrics().lineSpacing() * std::max(1, control.rows) + 2 * kFrame};
    case TFormControlKind::Select:
      if (control.rows > 0) {
        int width = 40;
        const QFontMetrics metrics = Metrics();
        for (const QString& item : control.items) width = std::max(width, metrics.horizontalAdvance(item));
        return {std::min(width, 600) + 16 + 2 * kFrame, (metrics.height() + 2) * control.rows + 2 * kFrame};
      } else {
        QComboBox combo;
        combo.addItems(control.items);
        return combo.sizeHint();
      }
    default: {
      const std::unique_ptr<QWidget> widget(MakeFormWidget(control, nullptr));
      return widget->sizeHint();
    }
  }
}

QWidget* MakeFormWidget(const TPreparsedControl& control, QWidget* parent) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case TFormControlKind::Input: {
      auto* edit = new QLineEdit(parent);
      if (control.type == "password") edit->setEchoMode(QLineEdit::Password);
      if (control.maxLength > 0) edit->setMaxLength(control.maxLength);
      edit->setReadOnly(control.readOnly);
      widget = edit;
      break;
    }
    case TFormControlKind::TextArea: {
      auto* edit = new QPlainTextEdit(parent);
      edit->setReadOnly(control.readOnly);
      widget = edit;
      break;
    }
    case TFormControlKind::CheckBox: widget = new QCheckBox(parent); break;
    case TFormControlKind::Radio: {
      auto* radio = new QRadioButton(parent);
      // Radio buttons are grouped by form and name, not by parent widget.
      radio->setAutoExclusive(false);
      widget = radio;
      break;
    }
    case TFormControlKind::Button: widget = new QPushButton(control.value, parent); break;
    case TFormControlKind::Select:
      if (control.rows > 0) {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(control.multiple ? QAbstractItemView::MultiSelection
                                                : QAbstractItemView::SingleSelection);
        widget = list;
      } else {
        auto* combo = new QComboBox(parent);
        combo->addItems(control.items);
        widget = combo;
      }
      break;
  }
  widget->setEnabled(!control.disabled);
  ResetFormWidget(widget, control);
  return widget;
}

void ResetFormWidget(QWidget* widget, const TPreparsedControl& control) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget))
    edit->setText(control.value);
  else if (auto* area = qobject_cast<QPlainTextEdit*>(widget))
    area->setPlainText(control.value);
  else if (auto* check = qobject_cast<QCheckBox*>(widget))
    check->setChecked(control.checked);
  else if (auto* radio = qobject_cast<QRadioButton*>(widget))
    radio->setChecked(control.checked);
  else if (auto* combo = qobject_cast<QComboBox*>(widget))
    combo->setCurrentIndex(control.selectedIndex);
  else if (auto* list = qobject_cast<QListWidget*>(widget))
    FillList(list, control);
}

void ReadFormWidget(const QWidget* widget, TFormControl& control) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
    control.value = edit->text();
  } else if (const auto* area = qobject_cast<const QPlainTextEdit*>(widget)) {
    control.value = area->toPlainText();
  } else if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
    control.checked = check->isChecked();
  } else if (const auto* radio = qobject_cast<const QRadioButton*>(widget)) {
    control.checked = radio->isChecked();
  } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
    control.selectedIndex = combo->currentIndex();
    control.chosen.clear();
    if (control.selectedIndex >= 0) control.chosen.push_back(control.selectedIndex);
  } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
    control.chosen.clear();
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->isSelected()) control.chosen.push_back(i);
    control.selectedIndex = control.chosen.empty() ? -1 : control.chosen.front();
  }
}
