#pragma once
// The text search: every search field of the window ("_findtxt") and the four ways of
// searching from them. A page search finds the next occurrence in the page shown and, when
// the page has no more, wraps round in it or walks on through the book's other pages; an index
// search looks the word up in the full-text index (falling back to scanning pages) and lists
// the hits in the dialog; a contents search selects the next contents entry whose caption
// holds the word.

#include "app/SkinModel.h"
#include "search/MakeFind.h"
#include "search/PageScanner.h"

#include <QJsonObject>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class THTMLViewer;
class TSearchHost;

class TFindTxtHtml : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* EnterWordMessage = "Введите слово для поиска";
  static constexpr const char* NotFoundMessage = "Текст не найден";
  static constexpr const char* SearchHint = "Искать";
  static constexpr const char* StopHint = "Остановить поиск";

  // A field for every declaration, on `parent` when given (the thesaurus window), else on the
  // dialog once it takes them (PlaceFields). `screen` is the one the window shows. With
  // `headingSearch` (the thesaurus) the first search for a text looks for its heading.
  TFindTxtHtml(TSearchHost& host, const TDynamicFindTxtArray& declarations, int screen, QWidget* parent = nullptr,
               bool headingSearch = false);
  ~TFindTxtHtml() override;

  void FindNext(int number);
  void SetAllFiles(bool flag);
  void SetIdle(bool flag);
  bool StopRequested() const { return idle_; }
  void ScreenChanged(int screen);
  void HideFields(bool hide);
  void ResetSearch();
  void SetIndexMode();
  void SetContentsMode();
  // The fields go onto the dialog, shown while it shows its search page.
  void PlaceFields(QWidget* dialog, bool searchPage);
  // A result chosen in the dialog: the page is shown and the text's first occurrence selected.
  void OpenResult(const std::string& file);

  bool Idle() const { return idle_; }
  bool AllFiles() const { return allFiles_; }
  bool IndexMode() const { return indexMode_; }
  bool ContentsMode() const { return contentsMode_; }
  int FileIndex() const { return fileIndex_; }
  const TSearchResults& Results() const { return results_; }
  // The field of that number; nullptr when none.
  QLineEdit* Field(int number) const;
  TPageScanner& Scanner() { return scanner_; }
  QJsonObject StateForDump() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TField {
    std::string frame;
    std::vector<std::string> files;  // built on demand
    std::vector<std::string> nofiles;
    int number = 0;
    int screen = 0;
    QPointer<QLineEdit> edit;  // on the dialog, which may go first
  };

  TField* FieldOf(int number);
  // Trims the field's text and makes every run of spaces one space, in the field too.
  QString NormalizedText(TField& field);
  THTMLViewer* PageViewer(const TField& field) const;
  void WalkBook(TField& field, const QString& text);
  void ShowHit(const TField& field, const std::string& file, const QString& text);
  // The field's text; false, asking for a word, when it is empty.
  bool FieldText(const TField* field, QString& text);
  void FindInIndex(int number);
  void ScanPages(TField& field, const QString& text);
  std::vector<std::string> ScanList(const TField& field) const;
  void FindInContents(int number);
  void UpdateFields();
  void StepProgress(size_t index, size_t count);
  void ResetProgress();

  TSearchHost& host_;
  bool headingSearch_;
  int fileIndex_ = -1;
  bool allFiles_ = false;
  std::vector<TField> fields_;
  int screen_ = 0;
  bool tildeTried_ = false;
  bool idle_ = true;
  bool indexMode_ = false;
  bool contentsMode_ = false;
  TSearchResults results_;
  // Where the fields are shown: on the thesaurus window, or on the dialog's search page.
  bool onOwnWindow_ = false;
  bool onSearchPage_ = false;
  bool hidden_ = false;
  TPageScanner scanner_;
};
