#pragma once
// Program folders for the widget tests: a temporary folder with a small catalogue in it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "catalogue/fingering.h"
#include "catalogue/fingering_bank.h"
#include "catalogue/fingering_file.h"

namespace trovale::testing {

// ACORDES.TIP with a separator, "Maior" (type 1) and "Menor" (type 2).
inline QByteArray tiposPequenos() {
    return "3\r\n"
           " 0  0  0  0  0  0  0  0 Tr\xED"
           "ades\r\n"
           " 3  6  0  0  0  0  0  1 Maior\r\n"
           " 2  6  0  0  0  1  0  2 Menor\r\n"
           "1 1 m\r\n";
}

// The open C major, x 3 2 0 1 0, filed under a root and a type.
inline TDigitacaoGravada doMaior(int tipo = 1) {
    TDigitacao c;
    c.Tipo = tipo;
    c.Nota = 4;
    c.Casa = 1;
    c.Notas = {NotaDedo{5, 3}, NotaDedo{4, 2}, NotaDedo{2, 1}, NotaDedo{}};
    c.Estado = {1, 1, 1, 1, 0, 2};
    return Codificar(c);
}

// POSICOES.DIG with the C major, and `inconsistentes` copies of it filed as C minor.
inline QByteArray digitacoesPequenas(int inconsistentes = 0) {
    BancoDigitacoes banco;
    banco.Digitacoes.push_back(doMaior());
    for (int i = 0; i < inconsistentes; ++i) banco.Digitacoes.push_back(doMaior(2));
    const std::string bytes = escreverDigitacoes(banco);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

class PastaCatalogo {
  public:
    PastaCatalogo() { pasta_.setAutoRemove(true); }

    QString caminho() const { return pasta_.path(); }
    std::filesystem::path pasta() const { return caminho().toStdString(); }
    QString arquivo(const QString& nome) const { return QDir(caminho()).filePath(nome); }

    void gravar(const QString& nome, const QByteArray& bytes) const {
        QFile destino(arquivo(nome));
        destino.open(QIODevice::WriteOnly);
        destino.write(bytes);
    }
    QByteArray ler(const QString& nome) const {
        QFile origem(arquivo(nome));
        return origem.open(QIODevice::ReadOnly) ? origem.readAll() : QByteArray();
    }
    bool existe(const QString& nome) const { return QFile::exists(arquivo(nome)); }

    // The catalogue a program starts with; `inconsistentes` fingerings do not fit their type.
    void catalogoValido(int inconsistentes = 0) const {
        gravar(QStringLiteral("ACORDES.TIP"), tiposPequenos());
        gravar(QStringLiteral("POSICOES.DIG"), digitacoesPequenas(inconsistentes));
    }

  private:
    QTemporaryDir pasta_;
};

}  // namespace trovale::testing
