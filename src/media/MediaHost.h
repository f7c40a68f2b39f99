#pragma once
// What the media players and the video clips need of the window that holds them. The main
// window implements it; tests can implement it with a plain widget.

#include <QImage>
#include <string>

class QWidget;

class TMediaHost {
 public:
  virtual ~TMediaHost() = default;

  // The window clip panels and the 3D view sit on.
  virtual QWidget* Window() = 0;
  // The window's skin as it paints it: the 3D view keeps its rectangle in step with what it
  // shows, so that repainting the skin never wipes the video's place.
  virtual QImage& SkinBackground() = 0;
  // The pointer left the skin for a child window (the skin drops its hover looks).
  virtual void PointerLeftSkin() = 0;
  // Shows `document` in the document pane declared with `number`; its own page when empty.
  virtual void ShowInElement(int number, const std::string& document) = 0;
};
