#include "ui/qt/qt_text.h"

#include <QDir>
#include <QFile>

namespace lorvex::qt {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toLatin1(const QString& text) {
    // Straight from the UTF-16 units: a clipboard of many megabytes needs no copy as UCS-4.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text[i].unicode();
        if (unit <= 0xFF) {
            bytes += static_cast<char>(unit);
            continue;
        }
        bytes += '?';
        // A surrogate pair is one character.
        if (QChar::isHighSurrogate(unit) && i + 1 < size && text[i + 1].isLowSurrogate()) ++i;
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
