#pragma once
// Windows-1251, the code page of every book text and name.

#include <QString>
#include <string>
#include <string_view>

QString FromCp1251(std::string_view bytes);
// Characters with no Windows-1251 form become '?'.
std::string ToCp1251(QStringView text);
// Book text as it enters an error message, which is UTF-8.
std::string Cp1251ToUtf8(std::string_view bytes);
