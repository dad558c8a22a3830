#include "document/text_interpretation.h"

#include <map>
#include <optional>

#include "catalogue/chord_symbol.h"
#include "catalogue/fingering_choice.h"

namespace trovale {

namespace {

std::string_view semBrancosIniciais(std::string_view texto) {
    const std::size_t inicio = texto.find_first_not_of(' ');
    return inicio == std::string_view::npos ? std::string_view{} : texto.substr(inicio);
}

std::string_view aparar(std::string_view texto) {
    texto = semBrancosIniciais(texto);
    return texto.substr(0, texto.find_last_not_of(' ') + 1);
}

// Lyrics repeat their words and songs their chords: each distinct word is read once.
class InterpretacoesDePalavras {
  public:
    explicit InterpretacoesDePalavras(const CatalogoTipos& tipos) : tipos_(tipos) {}

    const InterpretacaoAcorde& de(const std::string& palavra) {
        auto achada = lidas_.find(palavra);
        if (achada == lidas_.end())
            achada = lidas_.emplace(palavra, InterpretarAcorde(tipos_, palavra)).first;
        return achada->second;
    }

  private:
    const CatalogoTipos& tipos_;
    std::unordered_map<std::string, InterpretacaoAcorde> lidas_;
};

// The chords of a line when every word, up to the 25th, is one; empty otherwise.
std::vector<const InterpretacaoAcorde*> acordesDaLinha(std::string_view linha,
                                                       InterpretacoesDePalavras& palavras) {
    std::vector<const InterpretacaoAcorde*> acordes;
    if (ehTextoSimples(linha)) return acordes;
    std::string resto(aparar(linha));
    while (!resto.empty() && acordes.size() < kMaxPalavrasPorLinha) {
        resto.erase(0, resto.size() - semBrancosIniciais(resto).size());
        const InterpretacaoAcorde& lida = palavras.de(ProximaPalavra(resto));
        if (!lida.ehAcorde) return {};
        acordes.push_back(&lida);
    }
    return acordes;
}

// A chord new to this interpretation keeps the entry it already has (the user's earlier
// choice) or gets the fingering the catalogue offers for its bass and variant.
int registrarAcorde(const ContextoInterpretacao& contexto, AcordesConhecidos& conhecidos,
                    const InterpretacaoAcorde& lida) {
    const int indice = conhecidos.indice(lida.chave);
    if (indice >= 0) return indice;
    const TAcordeInterpretado& a = lida.acorde;
    int posicao = 0;
    if (a.TipoComBaixo != 0)
        posicao =
            EscolherDigitacao(contexto.catalogo, ValorNota(a.Raiz), ValorNota(a.Baixo),
                              a.TipoComBaixo, numeroVariante(a.Baixo), contexto.trastesMostrados);
    return conhecidos.registrar(lida.chave, textoDaDigitacao(contexto.catalogo, posicao),
                                a.TipoComBaixo);
}

std::optional<int> tipoDoMarcador(char letra) {
    switch (letra) {
        case 'A':
            return kTextoAutor;
        case 'C':
            return kTextoCoro;
        case 'N':
            return kTextoNormal;
        case 'O':
            return kTextoObservacao;
        case 'R':
            return kTextoRefrao;
        case 'T':
            return kTextoTitulo;
        default:
            return std::nullopt;
    }
}

}  // namespace

int tipoNaCancao(int tipoTexto) {
    switch (tipoTexto) {
        case kTextoTitulo:
            return kTitleLine;
        case kTextoAutor:
            return kAuthorLine;
        case kTextoRefrao:
            return kRefrainLine;
        case kTextoCoro:
            return kChorusLine;
        case kTextoObservacao:
            return kNotesLine;
        default:
            return kLyricLine;
    }
}

std::string ProximaPalavra(std::string& texto) {
    const std::size_t branco = texto.find(' ');
    std::string palavra = texto.substr(0, branco);
    texto.erase(0, branco == std::string::npos ? branco : branco + 1);
    return palavra;
}

bool ehTextoSimples(std::string_view linha) {
    const std::string_view texto = aparar(linha);
    return !texto.empty() && texto.back() == kMarcaTextoSimples;
}

bool ehMarcador(std::string_view linha, int& tipo) {
    const std::string_view texto = aparar(linha);
    if (texto.size() != 3 || texto[0] != '<' || texto[2] != '>') return false;
    const std::optional<int> achado = tipoDoMarcador(texto[1]);
    if (achado) tipo = *achado;
    return achado.has_value();
}

// ---- AcordesConhecidos ---------------------------------------------------------------------

AcordesConhecidos::AcordesConhecidos(ChordTable tabela) : tabela_(std::move(tabela)) {
    for (int i = 0; i < tabela_.size(); ++i)
        if (!tabela_.isFree(i)) indices_.emplace(tabela_.Symbols[i], i);
}

int AcordesConhecidos::indice(std::string_view chave) const {
    const auto achada = indices_.find(std::string(chave));
    return achada == indices_.end() ? -1 : achada->second;
}

int AcordesConhecidos::registrar(const std::string& chave, const std::string& digitacao,
                                 int tipoComBaixo) {
    int livre = 0;
    while (livre < tabela_.size() && !tabela_.isFree(livre)) ++livre;
    if (livre == tabela_.size()) tabela_.append(" ", "0", std::string(kNoFingering));
    tabela_.Symbols[livre] = chave;
    tabela_.Fingerings[livre] = digitacao;
    tabela_.TypeCodes[livre] = std::to_string(tipoComBaixo);
    indices_[chave] = livre;
    return livre;
}

void AcordesConhecidos::liberarAusentes(const std::unordered_map<std::string, int>& chaves) {
    for (int i = 0; i < tabela_.size(); ++i) {
        if (tabela_.isFree(i) || chaves.count(tabela_.Symbols[i]) != 0) continue;
        indices_.erase(tabela_.Symbols[i]);
        tabela_.Symbols[i] = std::string(kFreeSymbol);
        tabela_.Fingerings[i] = std::string(kNoFingering);
    }
}

void AcordesConhecidos::escolherDigitacao(int indice, std::string digitacao) {
    if (indice >= 0 && indice < tabela_.size()) tabela_.Fingerings[indice] = std::move(digitacao);
}

// ---- Interpretation ------------------------------------------------------------------------

std::string textoDaDigitacao(const Catalogo& catalogo, int posicao) {
    const auto& lista = catalogo.digitacoes.Digitacoes;
    if (posicao <= 0 || posicao > static_cast<int>(lista.size())) return std::string(kNoFingering);
    const TDigitacaoGravada& g = lista[posicao - 1];
    return std::to_string(g.W[0]) + ' ' + std::to_string(g.W[1]) + ' ' + std::to_string(g.W[2]);
}

void InterpretarTexto(const ContextoInterpretacao& contexto, AcordesConhecidos& conhecidos,
                      InterpretacaoTexto& resultado) {
    InterpretacoesDePalavras palavras(contexto.catalogo.tipos);
    std::map<std::string, TAcordeInterpretado> encontrados;  // by key: flats, naturals, sharps
    std::unordered_map<std::string, int> chaves;
    resultado.LinhaDeAcordes.assign(resultado.linhas.size(), false);
    for (std::size_t k = 0; k < resultado.linhas.size(); ++k) {
        const auto acordes = acordesDaLinha(resultado.linhas[k], palavras);
        resultado.LinhaDeAcordes[k] = !acordes.empty();
        for (const InterpretacaoAcorde* lida : acordes) {
            if (encontrados.count(lida->chave) != 0) continue;
            TAcordeInterpretado acorde = lida->acorde;
            acorde.IndiceAcorde = registrarAcorde(contexto, conhecidos, *lida);
            chaves.emplace(lida->chave, acorde.IndiceAcorde);
            encontrados.emplace(lida->chave, std::move(acorde));
        }
    }
    conhecidos.liberarAusentes(chaves);
    resultado.AcordesEncontrados.clear();
    for (auto& [chave, acorde] : encontrados)
        resultado.AcordesEncontrados.push_back({chaveParaExibicao(chave), std::move(acorde)});
}

InterpretacaoTexto PrepararLinhas(std::vector<std::string> linhas,
                                  const ContextoInterpretacao& contexto,
                                  AcordesConhecidos& conhecidos) {
    InterpretacaoTexto resultado;
    int atual = kTextoTitulo;
    for (std::string& linha : linhas) {
        int marcado = 0;
        if (ehMarcador(linha, marcado)) {
            atual = marcado;
            continue;
        }
        const std::size_t i = resultado.linhas.size();
        if (aparar(linha).empty() && !(i == 1 && atual == kTextoProvisorio)) atual = kTextoNormal;
        resultado.TipoLinha.push_back(atual);
        if (i == 0 && atual == kTextoTitulo) atual = kTextoProvisorio;
        if (i == 1 && atual == kTextoProvisorio) atual = kTextoNormal;
        resultado.linhas.push_back(std::move(linha));
    }
    InterpretarTexto(contexto, conhecidos, resultado);
    if (resultado.TipoLinha.size() >= 2 && resultado.TipoLinha[1] == kTextoProvisorio)
        resultado.TipoLinha[1] = resultado.LinhaDeAcordes[1] ? kTextoNormal : kTextoAutor;
    return resultado;
}

EditorText textoDoEditor(const InterpretacaoTexto& resultado, const AcordesConhecidos& conhecidos) {
    EditorText texto;
    texto.lines = resultado.linhas;
    texto.chordLines = resultado.LinhaDeAcordes;
    for (const int tipo : resultado.TipoLinha)
        texto.kinds.push_back(static_cast<std::uint8_t>(tipoNaCancao(tipo)));
    texto.chords = conhecidos.tabela();
    return texto;
}

}  // namespace trovale
