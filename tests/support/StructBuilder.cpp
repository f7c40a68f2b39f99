#include "support/StructBuilder.h"

#include "platform/Cp1251.h"

TStructBuilder& TStructBuilder::Line(const std::string& utf8) {
  lines_.push_back(ToCp1251(QString::fromStdString(utf8)));
  return *this;
}

TStructBuilder& TStructBuilder::Button(int screen, const std::string& name, const std::string& extra) {
  const std::string vx = std::to_string(nextVx_);
  nextVx_ += 10;
  std::string line = "button" + std::to_string(screen) + ";vx=" + vx + ";vy=5;fn1=" + name + "1.bmp;fn2=" + name +
                     "2.bmp;fn3=" + name + "3.bmp;go=" + name + ";hint=" + name + ";wav=no";
  if (!extra.empty()) line += ";" + extra;
  return Line(line);
}

TStructBuilder& TStructBuilder::WindowButtons() {
  Line("minimize;vx=700;vy=2;fn1=min1.bmp;fn2=min2.bmp;fn3=min3.bmp;hint=Свернуть;wav=min.wav");
  return Line("close;vx=720;vy=2;fn1=close1.bmp;fn2=close2.bmp;fn3=close3.bmp;hint=Выход;wav=no");
}

TStructBuilder& TStructBuilder::Screen(int screen, const std::string& background) {
  return Line("_screen" + std::to_string(screen) + " " + background);
}

TLines TStructBuilder::Lines() const {
  TLines lower;
  for (const std::string& line : lines_) lower.push_back(AsciiLower(line));
  return lower;
}

QByteArray TStructBuilder::FileBytes() const {
  QByteArray bytes;
  for (const std::string& line : lines_) bytes += QByteArray::fromStdString(line) + "\r\n";
  return bytes;
}
