#pragma once
// What the parts of TFileDlg share: messages written as UTF-8 literals, paths quoted as the
// messages show them, and paths handed to the file system layer.

#include <QLatin1Char>
#include <QString>
#include <filesystem>

namespace trovale {

inline QString texto(const char* utf8) {
    return QString::fromUtf8(utf8);
}

inline QString entreAspas(const QString& caminho) {
    return QLatin1Char('"') + caminho + QLatin1Char('"');
}

inline std::filesystem::path caminhoFs(const QString& caminho) {
    return std::filesystem::path(caminho.toStdString());
}

}  // namespace trovale
