#include "print/PrnStatusForm.h"

#include "app/Log.h"
#include "html/HTMLViewer.h"
#include "platform/ui/Dialogs.h"
#include "print/MetaFilePrinter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TPrnStatusForm::TPrnStatusForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Форматирование текста"));
  setModal(true);
  Dialogs::MarkClosesByItself(this);
  auto* layout = new QVBoxLayout(this);
  StatusLabel = new QLabel(this);
  StatusLabel->setAlignment(Qt::AlignCenter);
  StatusLabel->setMinimumWidth(220);
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setText(QStringLiteral("Отмена"));
  SpeedButton1->setAutoRaise(true);
  layout->addWidget(StatusLabel);
  layout->addWidget(SpeedButton1, 0, Qt::AlignHCenter);
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { cancelled_ = true; });
}

bool TPrnStatusForm::RunFormatting(THTMLViewer* viewer, TMetaFilePrinter* recorder, double scale) {
  viewer_ = viewer, recorder_ = recorder, scale_ = scale;
  return Run(false);
}

bool TPrnStatusForm::RunPrinting(THTMLViewer* viewer, TMetaFilePrinter* recorder, double scale, int fromPage,
                                 int toPage, bool& failed) {
  viewer_ = viewer, recorder_ = recorder, scale_ = scale, fromPage_ = fromPage, toPage_ = toPage;
  const bool cancelled = Run(true);
  failed = failed_;
  return cancelled;
}

bool TPrnStatusForm::Run(bool printing) {
  cancelled_ = failed_ = false;
  viewer_->OnPageEvent = [this](THTMLViewer*, int page, bool& stop) { PageProgress(page, stop); };
  QTimer::singleShot(0, this, [this, printing] { Work(printing); });
  const int result = exec();
  viewer_->OnPageEvent = nullptr;
  return result == QDialog::Rejected;
}

void TPrnStatusForm::Work(bool printing) {
  try {
    if (printing)
      failed_ = !viewer_->Print(*recorder_, fromPage_, toPage_, scale_);
    else
      viewer_->PrintPreview(*recorder_, scale_);
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "printing:" << e.what();
    failed_ = true;
  }
  done(cancelled_ ? QDialog::Rejected : QDialog::Accepted);
}

void TPrnStatusForm::PageProgress(int page, bool& stop) {
  if (OnProgress) OnProgress(page);
  if (cancelled_) {
    stop = true;
    return;
  }
  StatusLabel->setText(page == 0 ? QStringLiteral("Форматирование ...")
                                 : QStringLiteral("Номер страницы %1").arg(page));
  StatusLabel->repaint();
  // The reader may press "Отмена" or a key between pages.
  QApplication::processEvents();
  if (cancelled_) stop = true;
}

void TPrnStatusForm::keyPressEvent(QKeyEvent* event) {
  cancelled_ = true;
  event->accept();
}
