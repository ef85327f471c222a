#include "ui/qt/qt_text.h"

#include <QDir>
#include <QFile>

namespace lorvex::qt {

QString fromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toLatin1(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t character : text.toUcs4()) {
        bytes += character <= 0xFF ? static_cast<char>(character) : '?';
    }
    return bytes;
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
