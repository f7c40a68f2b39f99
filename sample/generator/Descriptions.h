#pragma once
// "Struct.txt" and "Title.txt" for the layout, as Windows-1251 text with CR LF line ends.

#include "SkinLayout.h"

#include <string>

std::string StructText(const SkinLayout& layout);
std::string TitleText(const SkinLayout& layout);
