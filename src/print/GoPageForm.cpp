#include "print/GoPageForm.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

TGoPageForm::TGoPageForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Переход на страницу"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  PageNum = new QSpinBox(this);
  PageNum->setMinimum(1);
  layout->addWidget(PageNum);
  auto* buttons = new QHBoxLayout;
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  CancelBtn = new QPushButton(QStringLiteral("Отмена"), this);
  OKBtn->setAutoDefault(false);
  CancelBtn->setAutoDefault(false);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  layout->addLayout(buttons);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  PageNum->installEventFilter(this);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    adjustSize();
    move(screen->geometry().center() - rect().center());
  }
}

bool TGoPageForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PageNum && event->type() == QEvent::FocusIn)
    QTimer::singleShot(0, PageNum, [this] { PageNum->selectAll(); });
  if (watched == PageNum && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      PageNum->interpretText();
      accept();
      return true;
    }
    if (key == Qt::Key_Escape) {
      reject();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
