#include "platform/ui/PlaySound.h"

#include "platform/ui/EventWait.h"

#include <QAudioOutput>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>

namespace {

constexpr int kLongestSyncMs = 5000;

struct TSoundPlayer {
  QPointer<QMediaPlayer> player;
  QPointer<QBuffer> buffer;
};

QMediaPlayer* Player(TSoundPlayer& sound) {
  if (!sound.player) {
    ChooseMediaBackend();
    sound.player = new QMediaPlayer(QCoreApplication::instance());
    sound.player->setAudioOutput(new QAudioOutput(sound.player));
    // Gone before the application: a back end torn down under a playing click crashes. Its
    // decoder is let go of first, while the player is whole: pads it removes call back into it.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [&sound] {
      if (!sound.player) return;
      sound.player->stop();
      sound.player->setSource(QUrl());
      delete sound.player.data();
    });
  }
  return sound.player;
}

}  // namespace

bool PlaySound(const TMediaSource& source, bool sync) {
  if (source.data.isEmpty() && !QFileInfo(source.hostFile).isFile()) return false;
  static TSoundPlayer sound;
  QMediaPlayer* player = Player(sound);
  player->stop();
  // The player lets go of the bytes it played last only when it has new ones.
  QPointer<QBuffer> last = sound.buffer;
  if (source.data.isEmpty()) {
    player->setSource(QUrl::fromLocalFile(source.hostFile));
    sound.buffer = nullptr;
  } else {
    sound.buffer = new QBuffer(player);
    sound.buffer->setData(source.data);
    sound.buffer->open(QIODevice::ReadOnly);
    player->setSourceDevice(sound.buffer, QUrl::fromLocalFile(source.name));
  }
  if (last != sound.buffer) delete last.data();
  player->play();
  if (sync)
    EventWait::Until(
        [player] {
          const auto status = player->mediaStatus();
          return player->playbackState() == QMediaPlayer::StoppedState || status == QMediaPlayer::EndOfMedia ||
                 status == QMediaPlayer::InvalidMedia;
        },
        kLongestSyncMs);
  return true;
}
