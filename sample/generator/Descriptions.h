#pragma once
// "Struct.txt", "Title.txt" and the thesaurus window's "Tesaurus.txt" for their layouts, as Windows-1251 text with CR
// LF line ends.

#include "SkinLayout.h"

#include <string>

std::string StructText(const SkinLayout& layout);
std::string TitleText(const SkinLayout& layout);
// One screen: its elements, search fields, panes and texts.
std::string TesaurusText(const SkinLayout& layout);
