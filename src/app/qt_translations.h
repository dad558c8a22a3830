#pragma once
// Qt's own windows and buttons (font, colour and printer dialogs, standard buttons) speak
// the program's language through the translations Qt ships.

#include <QCoreApplication>
#include <QTranslator>

namespace trovale {

// Loads Qt's Brazilian Portuguese translation, from Qt's own translations folder or a
// "translations" folder beside the program, and installs it. Returns the translator, owned
// by `app`, or null when none is installed: Qt's texts then stay in English.
QTranslator* instalarTraducaoQt(QCoreApplication& app);

}  // namespace trovale
