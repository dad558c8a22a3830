#pragma once
// The fixed texts of the numbered yes/no questions.

#include <QString>
#include <QStringList>

namespace trovale {

struct QuestionText {
    QStringList linhas;    // shown top to bottom above the buttons
    QString pergunta;      // the question beside the buttons
    bool centrarPorLinha;  // a file name centres every line; otherwise the block is centred
};

inline constexpr int kPrimeiraPergunta = 0;
inline constexpr int kUltimaPergunta = 8;

// Kinds 5 and 6 take a file name (kind 5 may go without), kind 8 a catalogue number.
// Throws std::out_of_range for a kind outside 0..8: callers only use the fixed numbers.
QuestionText textosDaPergunta(int tipo, const QString& argumento);

}  // namespace trovale
