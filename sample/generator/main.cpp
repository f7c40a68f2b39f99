// samplegen: draws the sample book's skin and writes its descriptions.
//   samplegen OUTDIR [--preview DIR]
// OUTDIR receives everything the book's pack holds, the pages in their own folder; DIR,
// when given, receives pictures of the screens and of every element's looks for checking
// the design by eye.

#include "AviWriter.h"
#include "BookFolder.h"
#include "Canvas.h"
#include "ClickSound.h"
#include "Clips.h"
#include "ContentsFiles.h"
#include "Descriptions.h"
#include "DialogPages.h"
#include "ElementFaces.h"
#include "GifWriter.h"
#include "HelpFile.h"
#include "Piston.h"
#include "PopupPictures.h"
#include "Preview.h"
#include "Screens.h"
#include "SkinLayout.h"
#include "Songs.h"
#include "Thesaurus.h"
#include "WavWriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <set>
#include <stdexcept>

namespace {

void WriteFile(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + fileName.toStdString());
}

void MakeFolder(const QString& path) {
  if (!QDir().mkpath(path)) throw std::runtime_error("cannot create " + path.toStdString());
}

ElementPictures DrawElement(const SkinElement& e, const QImage& background, const QDir& out) {
  ElementPictures result{&e, {}};
  const QImage under = background.copy(e.rect);
  for (const QString& look : LooksOf(e.kind)) {
    QImage face = DrawFace(e, look, under);
    SaveBmp(face, out.filePath(PictureFile(e, look)));
    result.looks[look] = face;
  }
  return result;
}

int Run(const QStringList& args) {
  if (args.size() != 1 && !(args.size() == 3 && args[1] == "--preview")) {
    std::fputs("usage: samplegen OUTDIR [--preview DIR]\n", stderr);
    return 2;
  }
  MakeFolder(args[0]);
  const QDir out(args[0]);
  const SkinLayout layout = SampleLayout();

  const std::vector<QImage> backgrounds = {DrawTitleScreen(layout), DrawReaderScreen(layout)};
  for (size_t i = 0; i < backgrounds.size(); ++i)
    SaveBmp(backgrounds[i], out.filePath(layout.backgrounds[static_cast<int>(i)]));

  // The window buttons sit on every screen, so their place must look the same on each.
  for (const SkinElement* w : {&layout.minimize, &layout.close})
    for (const QImage& b : backgrounds)
      if (b.copy(w->rect) != backgrounds.front().copy(w->rect))
        throw std::runtime_error("the window buttons' place differs between screens");

  std::vector<ElementPictures> pictures;
  pictures.push_back(DrawElement(layout.minimize, backgrounds.front(), out));
  pictures.push_back(DrawElement(layout.close, backgrounds.front(), out));
  for (const SkinElement& e : layout.elements)
    pictures.push_back(DrawElement(e, backgrounds.at(static_cast<size_t>(e.screen)), out));

  std::set<QString> popupLooks;
  for (const SkinPopup& popup : layout.popups) {
    if (!popupLooks.insert(popup.look).second) continue;
    for (const auto& [part, picture] : DrawPopupPictures(popup))
      SaveBmp(picture, out.filePath(PopupPictureFile(popup, part)));
  }

  const std::vector<QImage> piston = PistonFrames();
  WriteFile(out.filePath("piston.gif"), EncodeAnimatedGif(piston, kPistonFrameDelay));
  for (const SkinSound& sound : layout.sounds)
    WriteFile(out.filePath(sound.file), EncodeWav(ClickSamples(sound), kClickSampleRate));

  WriteBookFolder(out, layout.sounds.front(), layout.clips.at(0).box.size());
  WriteFile(out.filePath(layout.startClip), EncodeMjpegAvi(IntroFrames(layout), kIntroFramesPerSecond));
  WriteFile(out.filePath("car.avi"), EncodeMjpegAvi(TurningCarFrames(layout), kCarFramesPerSecond, 60));
  for (int i = 0; i < layout.songs.size(); ++i)
    WriteFile(out.filePath(layout.songs[i]), EncodeWav(SongSamples(i), kSongSampleRate));
  const QImage dialog = WriteDialog(out);

  const std::string structText = StructText(layout);
  const std::string titleText = TitleText(layout);
  WriteFile(out.filePath("Struct.txt"), QByteArray(structText.data(), static_cast<qsizetype>(structText.size())));
  WriteFile(out.filePath("Title.txt"), QByteArray(titleText.data(), static_cast<qsizetype>(titleText.size())));

  const SkinLayout thesaurus = ThesaurusLayout();
  const QImage thesaurusScreen = DrawThesaurusScreen(thesaurus);
  SaveBmp(thesaurusScreen, out.filePath(thesaurus.backgrounds.front()));
  for (const SkinElement* e : {&thesaurus.minimize, &thesaurus.close, &thesaurus.elements.front()})
    DrawElement(*e, thesaurusScreen, out);
  const std::string tesaurusText = TesaurusText(thesaurus);
  WriteFile(out.filePath("Tesaurus.txt"), QByteArray(tesaurusText.data(), static_cast<qsizetype>(tesaurusText.size())));
  const std::string thesaurusIndex = ThesaurusIndex();
  WriteFile(out.filePath(ThesaurusIndexFile),
            QByteArray(thesaurusIndex.data(), static_cast<qsizetype>(thesaurusIndex.size())));
  const BookFile thesaurusPage = ThesaurusPage();
  WriteFile(QDir(out.filePath(kPageFolder)).filePath(thesaurusPage.name), thesaurusPage.bytes);

  WriteFile(out.filePath(kHelpFile), HelpPage());
  WriteFile(out.filePath(layout.trees.at(0).file), ContentsFile());
  WriteFile(out.filePath(layout.trees.at(1).file), TermsFile());

  if (args.size() == 3) {
    MakeFolder(args[2]);
    const QDir preview(args[2]);
    for (size_t i = 0; i < backgrounds.size(); ++i)
      SavePng(PreviewScreen(layout, static_cast<int>(i), backgrounds[i], pictures, piston.front()),
              preview.filePath(QStringLiteral("preview-screen%1.png").arg(i)));
    SavePng(PreviewLooks(pictures), preview.filePath("preview-looks.png"));
    SavePng(dialog, preview.filePath("preview-dialog.png"));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    return Run(app.arguments().mid(1));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "samplegen: %s\n", e.what());
    return 1;
  }
}
