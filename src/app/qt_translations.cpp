#include "app/qt_translations.h"

#include <QLibraryInfo>

namespace trovale {

QTranslator* instalarTraducaoQt(QCoreApplication& app) {
    // Debian ships Qt's translations in Qt's own folder; a program deployed with its Qt
    // carries them beside itself.
    const QStringList pastas{
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    // Older installations have only "qt_", the catalogue that once held all of Qt.
    const QStringList nomes{QStringLiteral("qtbase_pt_BR"), QStringLiteral("qt_pt_BR")};
    auto* tradutor = new QTranslator(&app);
    for (const QString& pasta : pastas) {
        for (const QString& nome : nomes) {
            if (!tradutor->load(nome, pasta)) continue;
            QCoreApplication::installTranslator(tradutor);
            return tradutor;
        }
    }
    delete tradutor;
    return nullptr;
}

}  // namespace trovale
