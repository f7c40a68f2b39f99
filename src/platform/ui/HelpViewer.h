#pragma once
// The book's help. An HTML help file shows its topics as anchors of its pages; the Windows
// help format has no viewer on other systems.

#include <functional>
#include <string>

namespace HelpViewer {

// Shows `topic` of the help file `file` (a Windows name): an HTML file goes to `showPage` as
// the file with the topic as its anchor ("file#topic"); for any other format the reader is
// told that it cannot be shown here. False when nothing was shown (no file, another format).
bool ShowTopic(const std::string& file, const std::string& topic,
               const std::function<void(const std::string& page)>& showPage);

}  // namespace HelpViewer
