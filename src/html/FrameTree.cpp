#include "html/FrameTree.h"

#include "html/HtmlNames.h"
#include "platform/Cp1251.h"
#include "platform/WinNames.h"

#include <algorithm>

namespace {

// Frameset pages inside frames inside frameset pages: deeper than this, a frame shows its page
// as it is.
constexpr int kMaxSourcedDepth = 8;
// Each frame is a viewer of its own.
constexpr size_t kMaxFrames = 64;

struct TBuilder {
  const TFramesetReader& read;
  std::vector<std::string> ancestors;  // lower-cased files of the framesets around
  size_t frames = 0;

  TFrameNode Page(const QString& name, const std::string& file) {
    TFrameNode node;
    node.name = name;
    node.file = file;
    ++frames;
    const std::string key = NameLower(WithoutAnchor(file));
    if (file.empty() || ancestors.size() >= kMaxSourcedDepth ||
        std::find(ancestors.begin(), ancestors.end(), key) != ancestors.end())
      return node;
    const TFramesetNode* frameset = read(WithoutAnchor(file));
    if (!frameset) return node;
    --frames;
    ancestors.push_back(key);
    Frameset(*frameset, WithoutAnchor(file), node);
    ancestors.pop_back();
    return node;
  }

  // `node` becomes the frameset written as `frameset` in `page`.
  void Frameset(const TFramesetNode& frameset, const std::string& page, TFrameNode& node) {
    node.isFrameset = true;
    node.rows = frameset.rows;
    node.cols = frameset.cols;
    for (const TFramesetNode& child : frameset.children) {
      if (frames >= kMaxFrames) break;
      if (child.isFrameset) {
        TFrameNode inner;
        Frameset(child, page, inner);
        node.children.push_back(std::move(inner));
      } else {
        const std::string src =
            child.src.trimmed().isEmpty() ? std::string() : ExpandHtmlName(page, ToCp1251(child.src.trimmed()));
        node.children.push_back(Page(child.name, src));
      }
    }
  }
};

template <typename Node>
void CollectLeaves(Node& node, std::vector<Node*>& out) {
  if (!node.isFrameset) {
    out.push_back(&node);
    return;
  }
  for (Node& child : node.children) CollectLeaves(child, out);
}

// The path from `root` to `target`, both included; empty when `target` is not below `root`.
bool PathTo(TFrameNode& root, const TFrameNode* target, std::vector<TFrameNode*>& path) {
  path.push_back(&root);
  if (&root == target) return true;
  for (TFrameNode& child : root.children)
    if (PathTo(child, target, path)) return true;
  path.pop_back();
  return false;
}

}  // namespace

TFrameNode BuildFrameTree(const QString& name, const std::string& file, const TFramesetReader& read) {
  TBuilder builder{read, {}, 0};
  return builder.Page(name, file);
}

std::vector<TFrameNode*> FrameLeaves(TFrameNode& root) {
  std::vector<TFrameNode*> out;
  CollectLeaves(root, out);
  return out;
}

std::vector<const TFrameNode*> FrameLeaves(const TFrameNode& root) {
  std::vector<const TFrameNode*> out;
  CollectLeaves(root, out);
  return out;
}

TFrameNode* FindFrame(TFrameNode& root, const QString& name) {
  if (!root.name.isEmpty() && root.name.compare(name, Qt::CaseInsensitive) == 0) return &root;
  for (TFrameNode& child : root.children)
    if (TFrameNode* found = FindFrame(child, name)) return found;
  return nullptr;
}

TFrameNode* ParentFrame(TFrameNode& root, const TFrameNode* frame) {
  std::vector<TFrameNode*> path;
  if (!PathTo(root, frame, path)) return nullptr;
  // Below the frame itself, the nearest frameset that a page of its own brought in.
  for (size_t i = path.size() - 1; i-- > 1;)
    if (!path[i]->file.empty()) return path[i];
  return nullptr;
}

bool SameShape(const TFrameNode& a, const TFrameNode& b) {
  if (a.isFrameset != b.isFrameset || a.name != b.name || a.rows != b.rows || a.cols != b.cols ||
      a.children.size() != b.children.size())
    return false;
  for (size_t i = 0; i < a.children.size(); ++i)
    if (!SameShape(a.children[i], b.children[i])) return false;
  return true;
}
