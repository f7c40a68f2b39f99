#include "widgets/AnimatedPicture.h"

#include "app/MemoryStream.h"

#include <QPainter>

TAnimatedPicture::TAnimatedPicture(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool TAnimatedPicture::LoadFromStream(const TMemoryStream& stream) {
  movie_.reset();
  buffer_.close();
  bytes_ = QByteArray(stream.Data().data(), static_cast<qsizetype>(stream.Size()));
  buffer_.setBuffer(&bytes_);
  buffer_.open(QIODevice::ReadOnly);
  auto movie = std::make_unique<QMovie>(&buffer_);
  if (!movie->isValid() || !movie->jumpToFrame(0)) {
    buffer_.close();
    update();
    return false;
  }
  movie_ = std::move(movie);
  movie_->setCacheMode(QMovie::CacheAll);
  resize(movie_->currentImage().size());
  connect(movie_.get(), &QMovie::frameChanged, this, [this] { update(); });
  if (animate_) movie_->start();
  update();
  return true;
}

void TAnimatedPicture::SetAnimate(bool on) {
  animate_ = on;
  if (!movie_) return;
  if (on) {
    if (movie_->state() == QMovie::Paused)
      movie_->setPaused(false);
    else
      movie_->start();
  } else if (movie_->state() == QMovie::Running) {
    movie_->setPaused(true);
  }
}

void TAnimatedPicture::paintEvent(QPaintEvent*) {
  if (!movie_) return;
  QPainter painter(this);
  painter.drawImage(0, 0, movie_->currentImage());
}
