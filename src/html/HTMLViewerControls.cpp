// Form controls of a viewer: real widgets over their placeholders in the page, radio groups,
// and the buttons that reset or submit a form. A form is never sent anywhere.

#include "app/ResourcePack.h"
#include "html/FormWidgets.h"
#include "html/HTMLViewer.h"
#include "html/HTMLViewerPage.h"
#include "html/HtmlNames.h"
#include "html/InlineObjects.h"
#include "platform/Cp1251.h"
#include "platform/WinNames.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <map>

namespace {

// A form's action names a page of the book: a file name (no address) with a page's
// extension that the book can read. What follows '?' would be sent; nothing is.
bool IsBookPage(const THTMLViewer& viewer, QString& action) {
  action = action.left(action.indexOf('?'));
  if (action.isEmpty() || action.startsWith('#')) return false;
  const std::string expanded = WithoutAnchor(viewer.HTMLExpandFilename(action));
  if (HasUrlScheme(expanded)) return false;
  return NameLower(FileExtension(expanded)).find(".htm") != std::string::npos && FileOrPackExists(expanded);
}

}  // namespace

void THTMLViewer::BuildControls() {
  const auto& controls = page_->preparsed.controls;
  page_->controls.assign(controls.size(), nullptr);
  std::map<std::pair<int, QString>, QButtonGroup*> groups;
  for (size_t i = 0; i < controls.size(); ++i) {
    const TPreparsedControl& control = controls[i];
    if (control.placeholder.isEmpty()) continue;
    QWidget* widget = MakeFormWidget(control, browser_->viewport());
    widget->hide();
    page_->controls[i] = widget;
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
      QButtonGroup*& group = groups[{control.form, control.name}];
      if (!group) {
        group = new QButtonGroup(this);
        page_->radioGroups.push_back(group);
      }
      group->addButton(radio);
    }
    if (control.kind == TFormControlKind::Button)
      connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
              [this, index = static_cast<int>(i)] { ButtonClicked(index); });
  }
  PlaceControls();
}

void THTMLViewer::PlaceControls() {
  if (!page_ || page_->controls.empty()) return;
  const QPoint scroll(browser_->horizontalScrollBar()->value(), browser_->verticalScrollBar()->value());
  for (size_t i = 0; i < page_->controls.size() && i < page_->controlPositions.size(); ++i) {
    QWidget* widget = page_->controls[i];
    if (!widget) continue;
    // Pages are laid out a piece at a time: a control shows once its line is laid out.
    const auto place = page_->controlPositions[i] < 0
                           ? std::nullopt
                           : ObjectAtPosition(browser_->document(), page_->controlPositions[i], true);
    if (!place) {
      widget->hide();
      continue;
    }
    widget->setGeometry(QRect(place->rect.topLeft().toPoint() - scroll, place->rect.size().toSize()));
    widget->show();
  }
}

void THTMLViewer::ButtonClicked(int index) {
  const auto& controls = page_->preparsed.controls;
  if (index < 0 || index >= static_cast<int>(controls.size())) return;
  const TPreparsedControl& button = controls[index];
  if (button.type == "reset") {
    // An exclusive group refuses to clear its checked button.
    for (QButtonGroup* group : page_->radioGroups) group->setExclusive(false);
    for (size_t i = 0; i < controls.size() && i < page_->controls.size(); ++i)
      if (page_->controls[i] && controls[i].form == button.form) ResetFormWidget(page_->controls[i], controls[i]);
    for (QButtonGroup* group : page_->radioGroups) group->setExclusive(true);
    return;
  }
  if ((button.type != "submit" && button.type != "image") || button.form < 0) return;
  const TPreparsedForm& form = page_->preparsed.forms[button.form];
  QString action = form.action;
  if (!IsBookPage(*this, action)) return;
  bool handled = false;
  if (OnLinkClick) OnLinkClick(this, form.target, action, handled);
}

std::vector<TFormControl> THTMLViewer::FormControlList() const {
  std::vector<TFormControl> out;
  const auto& controls = page_->preparsed.controls;
  for (size_t i = 0; i < controls.size(); ++i) {
    const TPreparsedControl& source = controls[i];
    TFormControl control;
    control.name = source.name;
    control.kind = source.kind;
    control.type = source.type;
    control.value = source.value;
    control.checked = source.checked;
    control.items = source.items;
    control.selectedIndex = source.selectedIndex;
    control.chosen = source.chosen;
    if (i < page_->controls.size() && page_->controls[i]) {
      control.widget = page_->controls[i];
      ReadFormWidget(control.widget, control);
    }
    out.push_back(control);
  }
  return out;
}
