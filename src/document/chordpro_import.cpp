#include "document/chordpro_import.h"

#include <algorithm>
#include <array>

#include "base/dialogs.h"
#include "base/text_codec.h"
#include "catalogue/chord_interpreter.h"
#include "catalogue/chord_symbol.h"
#include "document/chordpro_fingering.h"
#include "document/chordpro_reading.h"
#include "document/text_conversion.h"

namespace trovale {

namespace {

std::string avisoTruncado() {
    return "Atenção: arquivo muito longo. Conteúdo truncado na linha " + std::to_string(kMaxLines) +
           ".";
}

std::string minusculas(std::string_view texto) {
    std::string saida(texto);
    std::transform(saida.begin(), saida.end(), saida.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return saida;
}

bool extensaoChordPro(std::string_view nome) {
    static constexpr std::array<std::string_view, 5> kExtensoes = {"cho", "crd", "chopro",
                                                                   "chordpro", "pro"};
    const std::size_t ponto = nome.rfind('.');
    const std::string extensao = minusculas(ponto == nome.npos ? nome : nome.substr(ponto + 1));
    return std::find(kExtensoes.begin(), kExtensoes.end(), extensao) != kExtensoes.end();
}

// "[" + a note letter and more, without blanks + "]".
int gruposDeAcordes(std::string_view linha) {
    int grupos = 0;
    for (std::size_t abre = linha.find('['); abre != linha.npos; abre = linha.find('[', abre + 1)) {
        const std::size_t fecha = linha.find_first_of("[] ", abre + 1);
        if (fecha == linha.npos || linha[fecha] != ']' || fecha == abre + 1) continue;
        if (linha[abre + 1] >= 'A' && linha[abre + 1] <= 'G') ++grupos;
    }
    return grupos;
}

bool linhaChordPro(std::string_view linha) {
    const std::size_t inicio = linha.find_first_not_of(" \t");
    if (inicio == linha.npos) return false;
    const std::string comeco = minusculas(linha.substr(inicio, 6));
    return comeco == "{title" || comeco.starts_with("{t:") || gruposDeAcordes(linha) >= 2;
}

// linhasDoTexto's warnings go into the import's list.
class AvisosGuardados : public Dialogs {
  public:
    explicit AvisosGuardados(std::vector<std::string>& avisos) : avisos_(avisos) {}
    void aviso(const std::string& texto) override { avisos_.push_back(texto); }
    Resposta pergunta(int, const std::string&) override { return Resposta::Nao; }
    Resposta confirmarFechamento(const std::string&, const std::string&) override {
        return Resposta::Cancelar;
    }

  private:
    std::vector<std::string>& avisos_;
};

// Lines that are no chord lines must stay text: one that reads as chords or as a marker gets
// the plain-text mark. The mark is a character of the line, so a full line makes room for it;
// `cortadas` counts the lines that lose more than blanks to it and had not been cut already.
void marcarTextoSimples(std::vector<LinhaLida>& linhas, const ContextoInterpretacao& contexto,
                        int& cortadas) {
    InterpretacaoTexto leitura;
    for (const LinhaLida& l : linhas) leitura.linhas.push_back(l.texto);
    AcordesConhecidos rascunho;
    InterpretarTexto(contexto, rascunho, leitura);
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        int tipo = 0;
        if (linhas[i].tipo == kChordLine) continue;
        if (!leitura.LinhaDeAcordes[i] && !ehMarcador(linhas[i].texto, tipo)) continue;
        if (cortarLinha(linhas[i].texto, kMaxLineLength - 1) && !linhas[i].cortada) ++cortadas;
        linhas[i].texto += kMarcaTextoSimples;
    }
}

// The markers the text editor needs to give every line its kind, as for a song edited as text.
std::vector<std::string> comMarcadores(std::vector<LinhaLida> linhas) {
    SongDocument texto;
    for (LinhaLida& l : linhas) {
        texto.Lines.push_back(std::move(l.texto));
        texto.LineKinds.push_back(l.tipo);
    }
    InsertMarkers(texto);
    return std::move(texto.Lines);
}

void aplicarDefinicao(const DefinicaoLida& lida, const Catalogo& catalogo,
                      ImportacaoChordPro& importacao) {
    const std::string nome = nomeDoArquivo(lida.definicao.nome);
    const InterpretacaoAcorde acorde = InterpretarAcorde(catalogo.tipos, nome);
    const int indice = acorde.ehAcorde ? importacao.conhecidos.indice(acorde.chave) : -1;
    if (indice < 0) return;  // a chord the song does not use
    const std::string prefixo = "Linha " + std::to_string(lida.linha) + ": ";
    const std::string citado = "\"" + utf8DeWindows1252(nome) + "\"";
    if (acorde.acorde.TipoComBaixo == 0) {
        importacao.avisos.push_back(
            prefixo + citado + " não é acorde catalogado; a digitação definida não foi usada.");
        return;
    }
    const TrastesAbsolutos& trastes = *lida.definicao.trastes;
    if (std::all_of(trastes.begin(), trastes.end(),
                    [](int traste) { return traste == kCordaNaoTocada; })) {
        importacao.conhecidos.escolherDigitacao(indice, "0");  // defined as no fingering
        return;
    }
    const std::optional<std::string> digitacao =
        digitacaoDefinida(catalogo, ValorNota(acorde.acorde.Raiz), acorde.acorde.TipoComBaixo,
                          *lida.definicao.trastes);
    if (!digitacao) {
        importacao.avisos.push_back(prefixo + "digitação de " + citado +
                                    " impossível de montar; mantida a do catálogo.");
        return;
    }
    importacao.conhecidos.escolherDigitacao(indice, *digitacao);
}

}  // namespace

bool ehChordPro(std::string_view extensaoOuNome, std::string_view bytes) {
    if (extensaoChordPro(extensaoOuNome)) return true;
    std::size_t inicio = 0;
    while (inicio < bytes.size()) {
        const std::size_t fim = std::min(bytes.find_first_of("\r\n", inicio), bytes.size());
        if (linhaChordPro(bytes.substr(inicio, fim - inicio))) return true;
        inicio = fim + 1;
    }
    return false;
}

std::string ImportacaoChordPro::resumo(std::size_t maximoAvisos) const {
    std::string texto;
    if (diretivasIgnoradas == 1) texto = "1 diretiva ChordPro ignorada";
    if (diretivasIgnoradas > 1)
        texto = std::to_string(diretivasIgnoradas) + " diretivas ChordPro ignoradas";
    for (std::size_t i = 0; i < nomesIgnorados.size(); ++i)
        texto += (i == 0 ? ": " : ", ") + nomesIgnorados[i];
    if (!texto.empty()) texto += '.';
    const std::size_t mostrados = std::min(maximoAvisos, avisos.size());
    for (std::size_t i = 0; i < mostrados; ++i) texto += (texto.empty() ? "" : "\n") + avisos[i];
    if (const std::size_t resto = avisos.size() - mostrados; resto > 0)
        texto += "\nE mais " + std::to_string(resto) + (resto == 1 ? " aviso." : " avisos.");
    return texto;
}

ImportacaoChordPro importarChordPro(std::string bytes, const ContextoInterpretacao& contexto) {
    ImportacaoChordPro importacao;
    AvisosGuardados avisos(importacao.avisos);
    // The reader cuts the lines it makes: cutting a raw line would cut through its chords.
    std::optional<std::vector<std::string>> texto =
        linhasDoTexto(std::move(bytes), avisos, LinhasLongas::Inteiras);
    if (!texto) {
        importacao.recusa = std::move(importacao.avisos.back());
        importacao.avisos.clear();
        return importacao;
    }
    LeituraChordPro lida = lerChordPro(*texto, contexto.catalogo.tipos);
    texto.reset();
    importacao.diretivasIgnoradas = lida.diretivasIgnoradas;
    for (const std::string& nome : lida.nomesIgnorados)
        importacao.nomesIgnorados.push_back(utf8DeWindows1252(nome));
    importacao.avisos.insert(importacao.avisos.end(), lida.avisos.begin(), lida.avisos.end());
    int cortadas = lida.linhasCortadas;
    marcarTextoSimples(lida.linhas, contexto, cortadas);
    if (cortadas > 0) importacao.avisos.push_back(avisoLinhasCortadas(cortadas));
    importacao.linhas = comMarcadores(std::move(lida.linhas));
    // A lyric with chords takes two lines, and markers take their own: the editor's limit
    // may be passed even when the file was within it.
    if (importacao.linhas.size() > static_cast<std::size_t>(kMaxLines)) {
        importacao.linhas.resize(static_cast<std::size_t>(kMaxLines));
        const std::string aviso = avisoTruncado();
        auto& avisos = importacao.avisos;
        if (std::find(avisos.begin(), avisos.end(), aviso) == avisos.end()) avisos.push_back(aviso);
    }
    PrepararLinhas(importacao.linhas, contexto, importacao.conhecidos);
    for (const DefinicaoLida& definicao : lida.definicoes)
        aplicarDefinicao(definicao, contexto.catalogo, importacao);
    return importacao;
}

std::pair<std::string, std::string> tituloEAutorChordPro(const std::vector<std::string>& linhas) {
    std::pair<std::string, std::string> tituloEAutor;
    for (const std::string& linha : linhas) {
        const std::optional<LinhaDiretiva> d = lerDiretiva(linha);
        if (!d || !d->fechada) continue;
        if (d->tipo == DiretivaChordPro::Titulo && tituloEAutor.first.empty())
            tituloEAutor.first = d->valor;
        if (d->tipo == DiretivaChordPro::Autor && tituloEAutor.second.empty())
            tituloEAutor.second = d->valor;
    }
    return tituloEAutor;
}

}  // namespace trovale
