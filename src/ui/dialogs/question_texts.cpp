#include "ui/dialogs/question_texts.h"

#include <stdexcept>

namespace trovale {

namespace {

const QString kSeparador = QStringLiteral("-   -   -   -   -   -   -   -   -   -   -   -");

QuestionText comArquivo(QStringList linhas, const QString& arquivo, const QString& pergunta) {
    linhas << kSeparador << QStringLiteral("Arquivo: ") + arquivo << kSeparador;
    return {linhas, pergunta, true};
}

}  // namespace

QuestionText textosDaPergunta(int tipo, const QString& argumento) {
    switch (tipo) {
        case 0:
            return {{QStringLiteral("A transposição deste acorde para outros tons pode,"),
                     QStringLiteral("aparentemente, ser feita COM ou SEM pestana (mas"),
                     QStringLiteral("esta é uma decisão difícil para um programa).")},
                    QStringLiteral("Usar pestana ?"),
                    false};
        case 1:
            return {{QStringLiteral("A exclusão ou modificação dos intervalos de um tipo"),
                     QStringLiteral("de acorde que já tem posições catalogadas para um"),
                     QStringLiteral("ou mais tons implica na eliminação destas digitações"),
                     QStringLiteral("e no bloqueio da gravação isolada destes arquivos.")},
                    QStringLiteral("Prosseguimos ?"),
                    false};
        case 2:
            return {{QStringLiteral("Existem alterações nas digitações que serão perdidas"),
                     QStringLiteral("se não forem atualizadas antes de realizar esta tarefa")},
                    QStringLiteral("Cancela tarefa ?"),
                    false};
        case 3:
            return {{QStringLiteral("ATENÇÃO: você está saindo do programa sem salvar"),
                     QStringLiteral("modificações feitas no catálogo de tipos de acordes"),
                     QStringLiteral("ou no banco de digitações (use Acordes para salvar).")},
                    QStringLiteral("Cancela saída ?"),
                    false};
        case 4:
            return {{QStringLiteral("Os baixos indicados na cifra dada e na digitação do"),
                     QStringLiteral("acorde são inconsistentes (o programa pode acertar"),
                     QStringLiteral("a cifra, copiando o baixo da digitação escolhida).")},
                    QStringLiteral("Acertar cifra ?"),
                    false};
        case 5: {
            const QStringList linhas = {
                QStringLiteral("Já existe um arquivo com este nome no diretório"),
                QStringLiteral("especificado. Sua ordem de gravação resultaria"),
                QStringLiteral("na substituição (perda) de seu conteúdo original.")};
            if (argumento.isEmpty()) return {linhas, QStringLiteral("Confirma ?"), false};
            return comArquivo(linhas, argumento, QStringLiteral("Confirma ?"));
        }
        case 6:
            return comArquivo({QStringLiteral("Atenção: Deletando documento destacado,"),
                               QStringLiteral("sem a menor chance de recuperação ...")},
                              argumento, QStringLiteral("Confirma ?"));
        case 7:
            return {{QStringLiteral("Atenção: você está saindo da edição em modo texto"),
                     QStringLiteral("sem confirmar modificações feitas neste modo.")},
                    QStringLiteral("Cancela saída ?"),
                    false};
        case 8:
            return {{QStringLiteral("A digitação catalogada nº ") + argumento +
                         QStringLiteral(" tem a mesma montagem,"),
                     QStringLiteral("diferindo apenas na forma de usar dedos ou pestanas.")},
                    QStringLiteral("Confirma tarefa ?"),
                    false};
        default:
            throw std::out_of_range("pergunta: tipo fora de 0..8");
    }
}

}  // namespace trovale
