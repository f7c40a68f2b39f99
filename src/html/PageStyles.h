#pragma once
// The part of a page's own style that Qt's importer ignores: which elements are hidden
// (display:none) and which blocks have a border. Rules come from the page's style sheets
// (simple selectors only: a tag, "#id", ".class" and their combinations, as old pages write
// them) and from each element's style attribute. Class and id names ignore letter case, as
// browsers do for pages without a doctype.

#include <QString>
#include <QStringList>
#include <optional>
#include <unordered_map>
#include <vector>

// What the cascade gives an element.
struct TElementStyle {
  bool hidden = false;
  int borderWidth = 0;  // pixels; 0: no border to draw
  QString borderStyle;  // a CSS border style other than none and hidden, when borderWidth > 0
  QString borderColor;  // as written (a name, #hex or rgb()), empty for the text colour
  int padding = -1;     // pixels, -1 when not given
};

// The declarations of one rule or style attribute that matter here; unset when not given.
struct TStyleDeclarations {
  std::optional<bool> hidden;
  std::optional<int> borderWidth;
  std::optional<QString> borderStyle, borderColor;
  std::optional<int> padding;
  bool Empty() const { return !hidden && !borderWidth && !borderStyle && !borderColor && !padding; }
  void Apply(const TStyleDeclarations& later);
};

TStyleDeclarations ParseDeclarations(QStringView text);

// Blocks whose border the importer would not draw (lower-cased tag names).
bool IsBorderedBlock(const QString& tag);
// The declarations hide an element with this tag, or give it a border to draw; an empty tag
// stands for any element.
bool HidesOrBorders(const TStyleDeclarations& declarations, const QString& tag);

class TPageStyles {
 public:
  // A style sheet's text; later sheets win over earlier ones at equal specificity.
  void AddSheet(QStringView css);
  bool Empty() const { return rules_.empty(); }
  // Some rule hides elements or gives blocks a border.
  bool HidesOrBorders() const;
  // `classes` is the class attribute as written; `inlineStyle` the style attribute.
  TElementStyle StyleOf(const QString& tag, const QString& id, const QString& classes,
                        const QString& inlineStyle) const;

 private:
  struct Rule {
    QString tag, id;  // lower-cased; empty: any
    QStringList classes;
    int specificity = 0;
    int order = 0;
    TStyleDeclarations declarations;
  };
  void AddRule(QStringView selectors, const TStyleDeclarations& declarations);
  bool Matches(const Rule& rule, const QString& tag, const QString& id, const QStringList& classes) const;

  std::vector<Rule> rules_;
  // Rules indexed by what they require most specifically.
  std::unordered_map<QString, std::vector<int>> byId_, byClass_, byTag_;
  std::vector<int> universal_;
};
