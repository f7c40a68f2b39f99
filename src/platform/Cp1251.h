#pragma once
// Windows-1251, the code page of every book text and name.

#include <QString>
#include <string>
#include <string_view>

QString FromCp1251(std::string_view bytes);
// Characters with no Windows-1251 form become '?'.
std::string ToCp1251(QStringView text);
