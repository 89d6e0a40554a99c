// SPDX-License-Identifier: MIT
#pragma once
// Text crossing between the calculator's std::string and Qt's QString.

#include <string>

#include <QString>

namespace trellum::shell {

// Library texts are UTF-8 where they come from Qt, but constants files and
// hand-edited settings may hold Latin-1 bytes; neither may turn into garbage.
QString toQString(const std::string& text);
std::string toStdString(const QString& text);

}  // namespace trellum::shell
