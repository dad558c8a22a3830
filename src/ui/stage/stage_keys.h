#pragma once
// The stage view's keys as the toolkit sees them, and the keys kept for its own commands.

#include <QKeyCombination>
#include <QList>
#include <QString>
#include <string>
#include <vector>

class QKeyEvent;

namespace trovale {

// A pressed key as the stage view compares it: the keypad's Enter is the same key as any other.
QKeyCombination combinacaoDaTecla(const QKeyEvent& evento);

// Names in the toolkit's portable text ("PgDown"); a name it does not know is left out.
QList<QKeyCombination> combinacoesDeTeclas(const std::vector<std::string>& nomes);
std::string nomeDaTecla(QKeyCombination tecla);
// As the musician reads it, in the program's language.
QString nomeLegivel(QKeyCombination tecla);

// What a key already does on stage and so cannot turn pages ("sair do palco"); empty if free.
QString usoReservado(QKeyCombination tecla);

}  // namespace trovale
