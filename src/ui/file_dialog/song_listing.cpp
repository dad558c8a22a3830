#include "ui/file_dialog/song_listing.h"

#include <QCollator>
#include <QDir>
#include <QLocale>
#include <algorithm>

#include "base/accent_folding.h"
#include "base/file_system.h"
#include "base/text_codec.h"
#include "document/chordpro_import.h"
#include "document/repertoire.h"
#include "document/text_conversion.h"

namespace trovale {

namespace {

constexpr int kMaximoValor = 100;
// Two lines of a song hardly fill a kilobyte; a longer line is cut anyway.
constexpr std::size_t kInicioLido = 8192;
constexpr char16_t kMarcaNome = 255;

QString indefinidoSeVazio(QString valor) {
    valor = valor.trimmed().left(kMaximoValor);
    return valor.isEmpty() ? QStringLiteral("Indefinido") : valor;
}

// The first two lines, ended by LF or CR LF.
std::array<std::string_view, 2> duasLinhas(std::string_view bytes) {
    std::array<std::string_view, 2> linhas;
    for (std::string_view& linha : linhas) {
        const std::size_t fim = bytes.find('\n');
        linha = bytes.substr(0, fim);
        if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
        bytes = fim == std::string_view::npos ? std::string_view() : bytes.substr(fim + 1);
    }
    return linhas;
}

}  // namespace

const QString& ArquivoListado::valor(ColunaArquivo coluna) const {
    switch (coluna) {
        case ColunaArquivo::Nome:
            return nome;
        case ColunaArquivo::Titulo:
            return titulo;
        case ColunaArquivo::Autor:
            break;
    }
    return autor;
}

bool marcaDeCancao(std::string_view primeiraLinha) {
    const std::string_view marca = primeiraLinha.substr(0, 7);
    return marca == "Trovale" || marca == "Trovak2";
}

ArquivoListado lerCabecalho(const QString& nome, std::string_view bytes, bool cancao) {
    // A PDF may well start with a line of plain text; it is no less unreadable here.
    if (bytes.starts_with("%PDF-")) return {nome, {}, {}};
    // A repertoire is a list of songs: its first lines are no title or author.
    if (nome.endsWith(QString::fromLatin1(kExtensaoRepertorio.data(),
                                          static_cast<qsizetype>(kExtensaoRepertorio.size())),
                      Qt::CaseInsensitive))
        return {nome, {}, {}};
    if (!cancao && ehChordPro(nome.toStdString(), bytes)) {
        const auto [titulo, autor] = tituloEAutorChordPro(linhasDoTexto(std::string(bytes)));
        return {nome, indefinidoSeVazio(QString::fromStdString(utf8DeWindows1252(titulo))),
                indefinidoSeVazio(QString::fromStdString(utf8DeWindows1252(autor)))};
    }
    if (!cancao) {
        // A UTF-16 text must be decoded before it can be cut into lines.
        const std::optional<std::string> texto = utf8DoTexto(bytes);
        if (!texto) return {nome, {}, {}};
        const auto [titulo, autor] = duasLinhas(*texto);
        return {nome, indefinidoSeVazio(QString::fromUtf8(titulo)),
                indefinidoSeVazio(QString::fromUtf8(autor))};
    }
    const auto [primeira, segunda] = duasLinhas(bytes);
    if (!marcaDeCancao(primeira)) return {nome, {}, {}};
    // The 13-character mark and its blank come before the title.
    const std::string_view titulo = primeira.size() > 14 ? primeira.substr(14) : "";
    return {nome, indefinidoSeVazio(QString::fromStdString(utf8DeWindows1252(titulo))),
            indefinidoSeVazio(QString::fromStdString(utf8DeWindows1252(segunda)))};
}

QStringList extensoesDaMascara(const QString& mascara) {
    QStringList extensoes;
    for (const QString& padrao : mascara.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        extensoes << padrao.mid(padrao.lastIndexOf(QLatin1Char('.')));
    return extensoes;
}

ListagemPasta listarPasta(const QString& pasta, const QString& mascara) {
    ListagemPasta listagem;
    const bool cancao = mascara.endsWith(QStringLiteral(".dec"), Qt::CaseInsensitive);
    // Without QDir::CaseSensitive the mask matches "CANCAO.DEC" too, as the extension rule does;
    // named pipes and devices are not Files.
    const QDir dir(pasta, mascara, QDir::NoSort, QDir::Files);
    for (const QString& nome : dir.entryList()) {
        const std::string caminho = dir.filePath(nome).toStdString();
        const auto bytes = lerInicioArquivoRegular(caminho, kInicioLido);
        if (!bytes) {
            listagem.ilegiveis << nome;
            continue;
        }
        listagem.arquivos << lerCabecalho(nome, *bytes, cancao);
    }
    return listagem;
}

QString chaveOrdenacao(const ArquivoListado& arquivo, const OrdemColunas& ordem) {
    QString chave;
    for (ColunaArquivo coluna : ordem) {
        if (coluna == ColunaArquivo::Nome)
            chave += QChar(kMarcaNome) + arquivo.nome.toLower();
        else
            chave += arquivo.valor(coluna).toUpper();
    }
    if (ordem[0] != ColunaArquivo::Nome && !chave.isEmpty())
        chave[0] = QChar(static_cast<char16_t>(letraSemAcento(chave[0].unicode())));
    return chave;
}

QList<LinhaOrdenada> ordenarListagem(const QList<ArquivoListado>& arquivos,
                                     const OrdemColunas& ordem) {
    QList<LinhaOrdenada> linhas;
    linhas.reserve(arquivos.size());
    for (const ArquivoListado& a : arquivos) linhas.append({a, chaveOrdenacao(a, ordem)});
    QCollator collator(QLocale(QLocale::Portuguese, QLocale::Brazil));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // A file listed by its name alone goes after the songs, not among the Y's that the name
    // mark of its key collates with.
    const auto semCabecalho = [&ordem](const LinhaOrdenada& l) {
        return ordem[0] != ColunaArquivo::Nome && l.arquivo.valor(ordem[0]).isEmpty();
    };
    // Keys equal to the collation ("a.dec", "A.dec") still come out in one fixed order.
    std::stable_sort(linhas.begin(), linhas.end(),
                     [&](const LinhaOrdenada& a, const LinhaOrdenada& b) {
                         if (semCabecalho(a) != semCabecalho(b)) return semCabecalho(b);
                         const int c = collator.compare(a.chave, b.chave);
                         return c != 0 ? c < 0 : a.arquivo.nome < b.arquivo.nome;
                     });
    return linhas;
}

int linhaDaLetra(const QList<LinhaOrdenada>& linhas, QChar letra) {
    const QChar procurada = letra.toUpper();
    if (procurada < QLatin1Char('A') || procurada > QLatin1Char('Z')) return -1;
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        QStringView chave = linhas[i].chave;
        if (chave.startsWith(QChar(kMarcaNome))) chave = chave.mid(1);
        if (!chave.isEmpty() && chave[0].toUpper() == procurada) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace trovale
