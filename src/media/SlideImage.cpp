#include "media/SlideImage.h"

#include "app/DescriptionSyntax.h"
#include "media/SlideSteps.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/WinNames.h"

#include <QEvent>
#include <QImageReader>
#include <QJsonArray>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

namespace {

// A stored time of 0 would tick without pause, and a huge one overflow the milliseconds.
constexpr int kMinSeconds = 1;
constexpr int kMaxSeconds = 24 * 60 * 60;

int IntervalMs(int seconds) { return std::clamp(seconds, kMinSeconds, kMaxSeconds) * 1000; }

int CountOf(const std::vector<std::vector<std::string>>& lists, int area) {
  return area >= 0 && area < static_cast<int>(lists.size()) ? static_cast<int>(lists[area].size()) : 0;
}

}  // namespace

TSlideImage::TSlideImage(QWidget* window, const TDynamicImageArray& areas, TMouseMove mouseMove)
    : mouseMove_(std::move(mouseMove)) {
  for (const RImage& r : areas) {
    auto* image = new QLabel(window);
    image->setGeometry(r.vx, r.vy, std::max(0, r.vw - r.vx), std::max(0, r.vh - r.vy));
    image->setAlignment(Qt::AlignCenter);
    image->setScaledContents(false);
    image->setMouseTracking(true);
    image->installEventFilter(this);
    image->hide();
    images_.emplace_back(image);
    imageScreens_.push_back(r.screen);
    std::vector<std::string> files;
    FindFiles(r.dir, {"*.bmp", "*.jpg", "*.jpeg"}, false, files, false);
    fileLists_.push_back(std::move(files));
    shownFiles_.emplace_back();
  }
  slideTimer_.setInterval(IntervalMs(Global.Options.SlideShowTime));
  connect(&slideTimer_, &QTimer::timeout, this, &TSlideImage::SlideTick);
  ScreenChanged();
}

TSlideImage::~TSlideImage() {
  slideTimer_.stop();
  for (const QPointer<QLabel>& image : images_) delete image.data();
}

bool TSlideImage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && mouseMove_) mouseMove_(QPoint(-1, -1));
  return QObject::eventFilter(watched, event);
}

void TSlideImage::ScreenChanged() {
  const int screen = Global.CurrentScreen;
  bool shownHere = false, leftBehind = false;
  for (int i = 0; i < AreaCount(); ++i) {
    if (imageScreens_[i] == screen) {
      if (images_[i]) images_[i]->show();
      currentArea_ = i;
      if (shownFiles_[i].empty()) Load(i, pictureIndex_);
      shownHere = true;
    } else if (imageScreens_[i] == lastScreen_) {
      leftBehind = true;
      if (images_[i]) images_[i]->hide();
    }
  }
  // An area left behind must not stop the timer that an area of the new screen needs.
  if (Global.Options.RunSlideShow) {
    if (shownHere && !slideTimer_.isActive())
      slideTimer_.start();
    else if (!shownHere && leftBehind)
      slideTimer_.stop();
  }
  lastScreen_ = screen;
}

void TSlideImage::Load(int area, int index) {
  const std::vector<std::string>& files = fileLists_[area];
  if (index < 0 || index >= static_cast<int>(files.size()) || !images_[area]) return;
  const std::string& file = files[index];
  QImageReader reader(HostPath::ToHost(file), NameLower(FileExtension(file)) == ".bmp" ? "bmp" : "jpeg");
  const QImage picture = reader.read();
  // A picture that cannot be read leaves the one before in place.
  if (picture.isNull()) return;
  images_[area]->setPixmap(QPixmap::fromImage(picture));
  shownFiles_[area] = file;
}

void TSlideImage::ShowStep(std::optional<int> index) {
  if (!index) return;
  pictureIndex_ = *index;
  Load(currentArea_, pictureIndex_);
}

void TSlideImage::NextPicture() { ShowStep(NextSlide(pictureIndex_, CountOf(fileLists_, currentArea_))); }

void TSlideImage::PreviousPicture() { ShowStep(PreviousSlide(pictureIndex_, CountOf(fileLists_, currentArea_))); }

void TSlideImage::SlideTick() {
  switch (Global.Options.ImageSequence) {
    case 0: NextPicture(); break;
    case 1: PreviousPicture(); break;
    default: ShowStep(RandomSlide(CountOf(fileLists_, currentArea_))); break;
  }
}

void TSlideImage::EnableTimer(bool on) {
  if (!on)
    slideTimer_.stop();
  else if (!slideTimer_.isActive())
    slideTimer_.start();
}

void TSlideImage::SetInterval(int seconds) { slideTimer_.setInterval(IntervalMs(seconds)); }

QJsonObject TSlideImage::StateForDump() const {
  QJsonArray areas;
  for (int i = 0; i < AreaCount(); ++i)
    areas.append(QJsonObject{{"screen", imageScreens_[i]},
                             {"visible", images_[i] && images_[i]->isVisible()},
                             {"files", static_cast<int>(fileLists_[i].size())},
                             {"shown", FromCp1251(FileNamePart(shownFiles_[i]))}});
  return {{"exists", true},
          {"currentArea", currentArea_},
          {"pictureIndex", pictureIndex_},
          {"timer", slideTimer_.isActive()},
          {"interval", slideTimer_.interval()},
          {"areas", areas}};
}
