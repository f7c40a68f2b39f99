#pragma once
// Reading a description file whole, line by line.

#include "app/DescriptionSyntax.h"

#include <string>

// Every line of the file (pack or disk) read with ReadTextLine; with lowerCase, each line's
// ASCII letters lower-cased, as keywords are searched. Throws EFOpenError when it is missing.
TLines ReadDescriptionLines(const std::string& windowsName, bool lowerCase);

// The book's title: the last non-empty line of "Title.txt" in the program's folder; empty when
// the file is missing.
std::string ReadBookTitleFile();
