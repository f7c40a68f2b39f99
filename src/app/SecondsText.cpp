#include "app/SecondsText.h"

QString SecondsText(int seconds) {
  const char16_t* word = seconds == 1 ? u" секунда" : seconds >= 2 && seconds <= 4 ? u" секунды" : u" секунд";
  return QString::number(seconds) + QString::fromUtf16(word);
}
