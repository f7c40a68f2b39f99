#pragma once
// The keys of each element kind of the main description, in the order they are read. Each
// reader starts on the element's first line and leaves the cursor on the line of its last key.

#include "app/DescriptionKeys.h"
#include "app/SkinModel.h"

#include <string>

// The window's minimize or close button: its keys, with the fixed command.
RBtn ReadWindowButton(TKeyCursor& cursor, const std::string& command);

// Buttons and switches: main keys in order; caption keys on every line left on the way.
RBtn ReadButton(TKeyCursor& cursor);
RSwthOne ReadSwitchOne(TKeyCursor& cursor);
RSwthGrp ReadSwitchGrp(TKeyCursor& cursor);

// Declarations handed to other components.
RHTML ReadHtml(TKeyCursor& cursor);
RFindTxt ReadFindTxt(TKeyCursor& cursor);
RPathInput ReadPathInput(TKeyCursor& cursor);
RClip ReadClip(TKeyCursor& cursor);
RText ReadText(TKeyCursor& cursor);
RImage ReadImage(TKeyCursor& cursor);
RPopupData ReadPopup(TKeyCursor& cursor);
RTree ReadTree(TKeyCursor& cursor);
RSplitter ReadSplitter(TKeyCursor& cursor);
