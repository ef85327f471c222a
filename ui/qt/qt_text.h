#pragma once

#include <QString>
#include <QUrl>
#include <string>
#include <string_view>

// Where the program's texts (UTF-8) and paths (the file system's bytes) meet Qt's.
namespace lorvex::qt {

QString fromUtf8(std::string_view text);
std::string toUtf8(const QString& text);

QString fromPath(const std::string& path);
std::string toPath(const QString& path);

// A web address as it stands; anything else is taken as a local file.
QUrl desktopUrl(const std::string& target);

}  // namespace lorvex::qt
