#pragma once
// The frames a frame viewer shows, as one tree: framesets written in a page, and frames whose
// source is itself a frameset page, expanded in their turn. Targets are looked for in the
// whole tree. File names are Windows names in Windows-1251.

#include "html/PagePreparser.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

struct TFrameNode {
  QString name;      // the frame's name; empty for the top and for framesets written inline
  std::string file;  // a frame: the page it shows (an anchor kept); a frameset: the page it
                     // comes from, empty for a frameset written inside another
  bool isFrameset = false;
  QString rows, cols;
  std::vector<TFrameNode> children;  // of a frameset, in document order
  int position = 0;                  // of a frame: how far it is scrolled
};

// The frameset of a page (named without anchor); null when the page is none, or cannot be
// read.
using TFramesetReader = std::function<const TFramesetNode*(const std::string& file)>;

// `file` shown in a frame called `name`: a single frame, or the page's frameset with each
// frame's source made a full name relative to the page and expanded in its turn. A frame that
// would show a page it lies in, or that lies too deep, stays a single frame; frames beyond a
// limit are left out.
TFrameNode BuildFrameTree(const QString& name, const std::string& file, const TFramesetReader& read);

// The frames (leaves) in document order.
std::vector<TFrameNode*> FrameLeaves(TFrameNode& root);
std::vector<const TFrameNode*> FrameLeaves(const TFrameNode& root);
// The first node with that name (letter case ignored), frames and framesets alike; null when
// none.
TFrameNode* FindFrame(TFrameNode& root, const QString& name);
// What a link in `frame` with the target "_parent" replaces: the nearest node above it that
// came from a page of its own; null when that is the whole tree.
TFrameNode* ParentFrame(TFrameNode& root, const TFrameNode* frame);
// Same framesets and frames in the same places (files and positions aside).
bool SameShape(const TFrameNode& a, const TFrameNode& b);
