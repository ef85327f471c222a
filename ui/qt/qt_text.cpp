#include "ui/qt/qt_text.h"

#include <QDir>
#include <QFile>

namespace lorvex::qt {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
    return text.toStdString();
}

QString fromPath(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string toPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QUrl desktopUrl(const std::string& target) {
    return QUrl::fromUserInput(fromPath(target), QDir::currentPath(), QUrl::AssumeLocalFile);
}

}  // namespace lorvex::qt
