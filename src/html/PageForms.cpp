#include "html/PageForms.h"

#include "html/GumboTree.h"

#include <algorithm>

namespace {

// Sizes from the page are clamped: a hostile "size" must not make a control miles wide.
constexpr int kMaxColumns = 200;
constexpr int kMaxRows = 100;

int NumberAttribute(const GumboElement& element, const char* name, int fallback, int maximum) {
  bool ok = false;
  const int value = AttributeOf(element, name).trimmed().toInt(&ok);
  return ok && value > 0 ? std::min(value, maximum) : fallback;
}

QString ButtonCaption(const QString& type, const QString& written) {
  if (!written.isEmpty()) return written;
  if (type == "reset") return QStringLiteral("Сбросить");
  if (type == "button") return {};
  return QStringLiteral("Отправить");
}

void ReadInput(const GumboElement& element, TPreparsedControl& control) {
  control.type = AttributeOf(element, "type").trimmed().toLower();
  const QString& type = control.type;
  control.value = AttributeOf(element, "value");
  if (type == "checkbox" || type == "radio") {
    control.kind = type == "checkbox" ? TFormControlKind::CheckBox : TFormControlKind::Radio;
    control.checked = HasAttributeOf(element, "checked");
    if (!HasAttributeOf(element, "value")) control.value = QStringLiteral("on");
  } else if (type == "submit" || type == "reset" || type == "button" || type == "image") {
    control.kind = TFormControlKind::Button;
    control.value = ButtonCaption(type, type == "image" ? AttributeOf(element, "alt") : control.value);
  } else {
    control.kind = TFormControlKind::Input;
    if (type.isEmpty()) control.type = QStringLiteral("text");
    control.columns = NumberAttribute(element, "size", 0, kMaxColumns);
    control.maxLength = NumberAttribute(element, "maxlength", -1, 1 << 20);
    control.readOnly = HasAttributeOf(element, "readonly");
  }
}

void ReadSelect(const GumboNode* node, TPreparsedControl& control) {
  const GumboElement& element = node->v.element;
  control.kind = TFormControlKind::Select;
  control.multiple = HasAttributeOf(element, "multiple");
  control.rows = NumberAttribute(element, "size", control.multiple ? 4 : 0, kMaxRows);
  if (control.rows == 1 && !control.multiple) control.rows = 0;
  for (const GumboNode* option : ElementsBelow(node)) {
    if (option->v.element.tag != GUMBO_TAG_OPTION) continue;
    if (HasAttributeOf(option->v.element, "selected")) control.chosen.push_back(static_cast<int>(control.items.size()));
    control.items << TextBelow(option);
  }
  if (!control.chosen.empty())
    control.selectedIndex = control.rows > 0 ? control.chosen.front() : control.chosen.back();
  else if (control.rows == 0 && !control.items.isEmpty())
    control.selectedIndex = 0;
  if (control.rows == 0 || !control.multiple) {
    control.chosen.clear();
    if (control.selectedIndex >= 0) control.chosen.push_back(control.selectedIndex);
  }
}

}  // namespace

bool ReadFormControl(const GumboNode* node, TPreparsedControl& control) {
  const GumboElement& element = node->v.element;
  control.name = AttributeOf(element, "name");
  control.disabled = HasAttributeOf(element, "disabled");
  switch (element.tag) {
    case GUMBO_TAG_INPUT:
      if (AttributeOf(element, "type").trimmed().toLower() == "hidden") return false;
      ReadInput(element, control);
      return true;
    case GUMBO_TAG_SELECT: ReadSelect(node, control); return true;
    case GUMBO_TAG_TEXTAREA: {
      control.kind = TFormControlKind::TextArea;
      control.value = RawText(node);
      control.rows = NumberAttribute(element, "rows", 2, kMaxRows);
      control.columns = NumberAttribute(element, "cols", 20, kMaxColumns);
      control.readOnly = HasAttributeOf(element, "readonly");
      return true;
    }
    case GUMBO_TAG_BUTTON: {
      control.kind = TFormControlKind::Button;
      control.type = AttributeOf(element, "type").trimmed().toLower();
      if (control.type != "reset" && control.type != "button") control.type = QStringLiteral("submit");
      control.value = ButtonCaption(control.type, TextBelow(node));
      return true;
    }
    default: return false;
  }
}
