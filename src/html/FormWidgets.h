#pragma once
// The real widgets that form controls of a page become: line edits, check boxes, radio
// buttons, push buttons, text areas, drop-down lists and list boxes.

#include "html/PagePreparser.h"

#include <QSize>

class QWidget;
struct TFormControl;

// The size the page reserves for the control's widget.
QSize FormControlSize(const TPreparsedControl& control);
QWidget* MakeFormWidget(const TPreparsedControl& control, QWidget* parent);
// Gives the widget the page's values again (a reset button).
void ResetFormWidget(QWidget* widget, const TPreparsedControl& control);
// What the reader made of the control: text, check mark, chosen entries.
void ReadFormWidget(const QWidget* widget, TFormControl& control);
