#pragma once
// The song list of a folder: title and author read from each file, the sort key built from the
// column order, and the order itself. No widgets here.

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <string_view>

#include "settings/musics_file.h"

namespace trovale {

using OrdemColunas = std::array<ColunaArquivo, 3>;

struct ArquivoListado {
    QString nome;  // without the folder
    QString titulo;
    QString autor;

    const QString& valor(ColunaArquivo coluna) const;
};

struct ListagemPasta {
    QList<ArquivoListado> arquivos;  // in the folder's order, not sorted yet
    QStringList ilegiveis;           // names of files that could not be read
};

// The first line of a song file starts with "Trovale" or "Trovak2".
bool marcaDeCancao(std::string_view primeiraLinha);

// Title and author of one file as the list shows them; in "*.dec" mode `bytes` must start with
// a song mark. A ChordPro file gives its title and artist directives; another text its first
// two lines. A file that is none of these (a PDF, a damaged song, anything binary) is listed
// by its name alone.
ArquivoListado lerCabecalho(const QString& nome, std::string_view bytes, bool cancao);

// The extensions of a mask ("*.txt;*.cho" gives ".txt", ".cho"), in its order.
QStringList extensoesDaMascara(const QString& mascara);

// Every file of `pasta` matching `mascara` ("*.dec", "*.txt" or several joined by ";", any
// case).
ListagemPasta listarPasta(const QString& pasta, const QString& mascara);

// Per column in display order: title or author in upper case; for the file name the character
// of code 255 and the name in lower case. With a title or author first, an accented first letter
// counts as its plain letter, so that "Água" sorts with the A's.
QString chaveOrdenacao(const ArquivoListado& arquivo, const OrdemColunas& ordem);

struct LinhaOrdenada {
    ArquivoListado arquivo;
    QString chave;
};

// Sorted by key with the Brazilian Portuguese collation, ignoring case.
QList<LinhaOrdenada> ordenarListagem(const QList<ArquivoListado>& arquivos,
                                     const OrdemColunas& ordem);

// The first row whose key starts with `letra` (A..Z, either case); the code-255 mark before a
// file name does not count. -1 when none does or the key is no letter.
int linhaDaLetra(const QList<LinhaOrdenada>& linhas, QChar letra);

}  // namespace trovale
