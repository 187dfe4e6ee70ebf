// Texts between the records' fixed char buffers (one byte a character) and
// the windows.
#pragma once

#include "core/FixedText.h"

#include <QString>

namespace tavo::ui {

template <std::size_t N>
QString fromFixed(const char (&buffer)[N]) {
    return QString::fromLatin1(buffer, static_cast<qsizetype>(strnlen(buffer, N)));
}

template <std::size_t N>
void toFixed(char (&buffer)[N], const QString& text) {
    const QByteArray bytes = text.toLatin1();
    setFixedText(buffer,
                 std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// File paths are kept as UTF-8, the file system's own encoding.
template <std::size_t N>
QString pathFromFixed(const char (&buffer)[N]) {
    return QString::fromUtf8(buffer, static_cast<qsizetype>(strnlen(buffer, N)));
}

template <std::size_t N>
void pathToFixed(char (&buffer)[N], const QString& path) {
    const QByteArray bytes = path.toUtf8();
    setFixedText(buffer,
                 std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

inline std::string toStd(const QString& text) {
    return text.toStdString();
}

// A name typed by the player, one byte a character as the record keeps it.
inline std::string toLatin1(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace tavo::ui
