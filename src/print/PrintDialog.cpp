#include "print/PrintDialog.h"

#include "platform/Globals.h"
#include "platform/ui/Printers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

TPrintDialog::TPrintDialog(QWidget* parent, int maxPage) : QDialog(parent), maxPage_(std::max(1, maxPage)) {
  setWindowTitle(QStringLiteral("Печать"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  PrinterBox = new QComboBox(this);
  PrinterBox->addItems(Printers::Names());
  PrinterBox->setCurrentText(Printers::CurrentName().isEmpty() ? Printers::DefaultName() : Printers::CurrentName());
  form->addRow(QStringLiteral("Принтер:"), PrinterBox);
  layout->addLayout(form);

  AllPages = new QRadioButton(QStringLiteral("Все страницы"), this);
  PageRange = new QRadioButton(QStringLiteral("Страницы"), this);
  AllPages->setChecked(true);
  FromPage = new QSpinBox(this);
  ToPage = new QSpinBox(this);
  for (QSpinBox* box : {FromPage, ToPage}) box->setRange(1, maxPage_);
  FromPage->setValue(1);
  ToPage->setValue(maxPage_);
  auto* range = new QHBoxLayout;
  range->addWidget(PageRange);
  range->addWidget(new QLabel(QStringLiteral("с"), this));
  range->addWidget(FromPage);
  range->addWidget(new QLabel(QStringLiteral("по"), this));
  range->addWidget(ToPage);
  layout->addWidget(AllPages);
  layout->addLayout(range);
  for (QSpinBox* box : {FromPage, ToPage})
    connect(box, &QSpinBox::valueChanged, this, [this] { PageRange->setChecked(true); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool TPrintDialog::Execute(TPrintChoice& choice) {
  if (Global.Unattended) {
    Global.DialogsAnswered << windowTitle();
  } else if (exec() != QDialog::Accepted) {
    return false;
  }
  choice.printer = PrinterBox->currentText();
  choice.allPages = AllPages->isChecked();
  choice.fromPage = choice.allPages ? 1 : std::min(FromPage->value(), ToPage->value());
  choice.toPage = choice.allPages ? maxPage_ : std::max(FromPage->value(), ToPage->value());
  return true;
}
