#pragma once
// The book's about window, drawn from "About.txt": a borderless, shaped window with a
// picture, texts, web and mail links and picture buttons. It is centred on the screen, shown
// modally (the rest of the program waits for it, the caller does not) and fades in. A button
// closes it, a link opens its address and leaves it open; Esc and Enter close it too.

#include "tools/EffBtnCar.h"
#include "windows/AboutDescription.h"

#include <QImage>
#include <QJsonObject>
#include <QRect>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TEffCar;
class TMyControl;

class TAboutBox : public QWidget, public TFadeHost {
  Q_OBJECT

 public:
  static constexpr const char* FileName = "About.txt";

  struct TButton {
    QRect rect;           // strictly inside it counts
    std::string command;  // a link's address; empty for a picture button
    std::string wav;
    QImage up, hover;
    bool hovered = false;
    bool linkCursor = false;
    TMyControl* control = nullptr;  // picture buttons only
    TEffBtnCar* effect = nullptr;
    bool IsLink() const { return !command.empty(); }
  };

  TAboutBox(const TAboutDescription& description, const QImage& picture, QWidget* parent);
  ~TAboutBox() override;

  // The window of the book's "About.txt"; none when the file is missing, cannot be read or
  // has no picture to show (an empty window would hold the program without being seen).
  static std::unique_ptr<TAboutBox> Create(QWidget* parent);

  // Shows the window again from its first look, fading in.
  void ShowModal();
  void FormClose();
  bool FadeRunning() const;

  const std::vector<TButton>& Buttons() const { return buttons_; }
  const QImage& Background() const { return background_; }
  QJsonObject StateForDump() const;

  // Mouse, in window coordinates.
  void FormMouseMove(QPoint at);
  void FormMouseDown(QPoint at);

  // TFadeHost
  bool FadeDrawable() const override { return isVisible(); }
  void DrawFadeFrame(const QImage& frame, QPoint at) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildButtons(const std::vector<RAboutButton>& buttons, bool hints);
  void DrawTexts(const std::vector<RAboutText>& texts);
  void ClearLooks();

  QImage background_;
  std::vector<TButton> buttons_;
  TEffCar* fadeIn_ = nullptr;
  std::map<std::pair<int, int>, QImage> fadeFrames_;  // by button corner, while the window shows
};
