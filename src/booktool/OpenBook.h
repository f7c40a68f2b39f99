#pragma once
// Opening a book folder as the program does: its folders become the global ones and its pack,
// when it has one, is opened. Throws InputError for a folder that is not there or a damaged
// pack.

#include <string>

void OpenBook(const std::string& folder);
