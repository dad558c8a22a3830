#include "fingering/song_transposition.h"

#include "fingering/fret_rows_fit.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "catalogue/chord_interpreter.h"
#include "catalogue/chord_symbol.h"
#include "catalogue/fingering_choice.h"
#include "catalogue/intervals.h"
#include "catalogue/notes.h"
#include "fingering/chord_tones.h"
#include "fingering/fingering_transposition.h"

namespace trovale {

namespace {

constexpr std::string_view kSemCodigo = "0";
constexpr std::string_view kLetras = "ABCDEFG";
constexpr int kNumLetras = 7;
constexpr int kPontosIniciais = 10;
constexpr int kPontosPorPar = 10;

// A symbol in display form taken apart: root, type text, bass (no "/"), variant tag.
struct Partes {
    std::string raiz, tipo, baixo, marca;
    int notaRaiz = 0, notaBaixo = 0;
};

int mod(int n, int m) {
    return (n % m + m) % m;
}

// 1..7 for A..G.
int letra(std::string_view grafia) {
    const std::size_t p = grafia.empty() ? std::string_view::npos : kLetras.find(grafia[0]);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

bool temAcidente(int nota) {
    return GrafiaNota(nota, false) != GrafiaNota(nota, true);
}

// Nothing when the root, or a bass, is no note. A bass sounding like the root is dropped.
std::optional<Partes> separar(std::string_view exibido) {
    Partes p;
    std::string texto(exibido.substr(0, exibido.find('*')));
    p.marca = std::string(exibido.substr(texto.size()));
    p.raiz = ExtrairRaiz(texto);
    const std::string baixo = ExtrairBaixo(texto, p.raiz);
    if (baixo != p.raiz) p.baixo = baixo;
    p.tipo = texto;
    p.notaRaiz = ValorNota(p.raiz);
    p.notaBaixo = ValorNota(p.baixo);
    if (p.notaRaiz == 0 || (!p.baixo.empty() && p.notaBaixo == 0)) return std::nullopt;
    return p;
}

std::string juntar(const Partes& p) {
    return p.raiz + p.tipo + (p.baixo.empty() ? "" : "/" + p.baixo) + p.marca;
}

// Letters apart going either way round, 0..3.
int distanciaDeLetras(int a, int b) {
    const int d = mod(a - b, kNumLetras);
    return std::min(d, kNumLetras - d);
}

// A natural gives way to Cb, B#, Fb or E# only where that letter is strictly nearer the one
// `intervalo` letters above the reference's (G/B up one is G#/B#).
std::string naturalPorDistancia(int nota, int intervalo, std::string_view referencia) {
    const std::string natural = GrafiaNota(nota, false), outra = GrafiaEnarmonica(nota);
    if (outra.empty()) return natural;
    const int d = mod(letra(natural) - letra(referencia), kNumLetras);
    const int e = mod(letra(outra) - letra(referencia), kNumLetras);
    return distanciaDeLetras(e, intervalo) < distanciaDeLetras(d, intervalo) ? outra : natural;
}

// The spelling of nota whose letter lies `intervalo` letters above the reference's, as near
// as the two spellings allow; sharp unless the flat one is strictly nearer.
std::string grafiaPorDistancia(int nota, int intervalo, std::string_view referencia) {
    if (!temAcidente(nota)) return naturalPorDistancia(nota, intervalo, referencia);
    const std::string sustenido = GrafiaNota(nota, false), bemol = GrafiaNota(nota, true);
    const int d = mod(letra(sustenido) - letra(referencia), kNumLetras);
    const int e = mod(letra(bemol) - letra(referencia), kNumLetras);
    return std::abs(e - intervalo) < std::abs(d - intervalo) ? bemol : sustenido;
}

// The key chord: its original root letter and its new root.
struct Tom {
    int linha = 0;
    int letraOriginal = 0;
    std::string novaRaiz;
};

// Sharps (above 0) or flats (below 0) in the key signature of a tonic so spelled.
int armadura(std::string_view tonica, bool menor) {
    // C major has none; A..G major in letter order.
    constexpr int kSustenidosMaior[kNumLetras] = {3, 5, 0, 2, 4, -1, 1};
    constexpr int kMenorAbaixoDoMaior = 3;  // A minor shares C major's signature
    constexpr int kPorAcidente = kNumLetras;
    int n = kSustenidosMaior[letra(tonica) - 1] - (menor ? kMenorAbaixoDoMaior : 0);
    if (tonica.size() > 1) n += tonica[1] == '#' ? kPorAcidente : -kPorAcidente;
    return n;
}

// The key chord's new root as a musician writes it: the spelling whose key signature has
// fewer accidentals (Bb rather than A#); on a tie, sharps going up and flats going down.
std::string grafiaDoTom(int nota, bool menor, int deslocamento) {
    const std::string sustenido = GrafiaNota(nota, false), bemol = GrafiaNota(nota, true);
    const int s = std::abs(armadura(sustenido, menor)), b = std::abs(armadura(bemol, menor));
    if (s != b) return s < b ? sustenido : bemol;
    return deslocamento < 0 ? bemol : sustenido;
}

// A minor third and no major one; a chord of no known type is read from its "m".
bool ehMenor(const Partes& p, int tipo, const CatalogoTipos& tipos) {
    constexpr int kTercaMenor = 2, kTercaMaior = 3;
    if (!tipos.existe(tipo)) return p.tipo.starts_with('m') && !p.tipo.starts_with("maj");
    const auto& intervalos = tipos.tipo(tipo).Intervalos;
    const auto tem = [&](int codigo) {
        return std::find(intervalos.begin(), intervalos.end(), codigo) != intervalos.end();
    };
    return tem(kTercaMenor) && !tem(kTercaMaior);
}

std::optional<Partes> partesDaLinha(const std::vector<LinhaTransposicao>& linhas, int k) {
    if (k < 0 || k >= static_cast<int>(linhas.size())) return std::nullopt;
    return separar(linhas[k].novoSimbolo);
}

// A key row that cannot be read hands the key to the first row that can.
std::optional<Tom> acharTom(const std::vector<LinhaTransposicao>& linhas, int linhaDoTom,
                            int deslocamento, const CatalogoTipos& tipos) {
    int linha = linhaDoTom;
    std::optional<Partes> partes = partesDaLinha(linhas, linha);
    for (int k = 0; !partes && k < static_cast<int>(linhas.size()); ++k) {
        partes = partesDaLinha(linhas, k);
        linha = k;
    }
    if (!partes) return std::nullopt;
    const int nota = reduzirNota(partes->notaRaiz + deslocamento);
    const bool menor = ehMenor(*partes, linhas[linha].tipo, tipos);
    return Tom{linha, letra(partes->raiz), grafiaDoTom(nota, menor, deslocamento)};
}

// The first of the type's intervals that lands on c semitones above the root modulo 12.
const Intervalo* componenteDoTipo(const TTipoAcorde& tipo, int c) {
    for (int codigo : tipo.Intervalos)
        if (codigoIntervaloValido(codigo) && TabelaIntervalos[codigo].semitonsMod12 == c)
            return &TabelaIntervalos[codigo];
    return nullptr;
}

struct BaixoNovo {
    std::string grafia;
    bool foraDoTipo = false;
};

// The bass moves with the chord: spelled as the same chord tone of the new root when it was
// spelled so, else at the same letter distance from the root as before.
BaixoNovo moverBaixo(const Partes& p, const Partes& novo, const TTipoAcorde* tipo) {
    if (p.baixo.empty()) return {};
    const int n = novo.notaBaixo;
    const int intervalo = mod(letra(p.baixo) - letra(p.raiz), kNumLetras);
    if (!temAcidente(n)) return {naturalPorDistancia(n, intervalo, novo.raiz)};
    const Intervalo* i =
        tipo ? componenteDoTipo(*tipo, mod(p.notaBaixo - p.notaRaiz, kNotasPorOitava)) : nullptr;
    if (i && spellChordTone(p.raiz, p.notaRaiz, i->semitons, i->grau) == p.baixo)
        return {spellChordTone(novo.raiz, novo.notaRaiz, i->semitons, i->grau)};
    return {grafiaPorDistancia(n, intervalo, novo.raiz), i == nullptr};
}

std::string textoDoCodigo(const TDigitacaoGravada& g) {
    return std::to_string(g.W[0]) + ' ' + std::to_string(g.W[1]) + ' ' + std::to_string(g.W[2]);
}


// What the new fingering of a chord is chosen from.
struct Pedido {
    std::optional<TDigitacaoGravada> original;
    int tipo = 0;
    const Partes* antes = nullptr;
    const Partes* depois = nullptr;
};

// Among the catalogued fingerings of the new chord, as the browser lists them, the one that
// keeps the original's shape best; ties go to the earlier one, and only a score above 0 counts.
std::optional<std::string> maisParecida(const Pedido& p, const Catalogo& catalogo, int casas) {
    const int nota = p.depois->notaRaiz;
    const int tipo = catalogo.TipoComDigitacoes(nota, p.tipo);
    const int inicio = catalogo.digitacoes.PrimeiraDigitacao(nota, tipo);
    if (inicio == 0) return std::nullopt;
    const TDigitacao a = Decodificar(*p.original);
    const auto& gravadas = catalogo.digitacoes.Digitacoes;
    int melhor = 0;
    std::optional<TDigitacao> escolhida;
    for (std::size_t k = inicio - 1; k < gravadas.size(); ++k) {
        if (notaGravada(gravadas[k]) != nota || tipoGravado(gravadas[k]) != tipo) break;
        TDigitacao b = Decodificar(gravadas[k]);
        if (!ajustarAsCasas(b, casas)) continue;
        const int pontos = similaridade(a, p.antes->notaRaiz, b, nota);
        if (pontos > melhor) {
            melhor = pontos;
            escolhida = b;
        }
    }
    if (!escolhida) return std::nullopt;
    return textoDoCodigo(Codificar(*escolhida));
}

// The original shape slid along the neck to the new root, with a barre wherever it may.
std::optional<std::string> formaTransposta(const Pedido& p, int casas) {
    const TDigitacao a = Decodificar(*p.original);
    for (const TDigitacao& v :
         transposeFingering(a, p.antes->notaRaiz, p.antes->raiz, casas, nullptr))
        if (v.Nota == p.depois->notaRaiz) return textoDoCodigo(Codificar(v));
    return std::nullopt;
}

std::string novaDigitacao(const Pedido& p, const OpcoesTransposicao& opcoes,
                          const Catalogo& catalogo, int casas) {
    if (p.tipo == 0 || (!p.original && !opcoes.sugerirMesmoIndefinida))
        return std::string(kSemCodigo);
    if (opcoes.similaridade && p.original)
        if (auto achada = maisParecida(p, catalogo, casas)) return *achada;
    const int raiz = p.depois->notaRaiz;
    const int baixo = p.depois->baixo.empty() ? raiz : p.depois->notaBaixo;
    const int posicao =
        EscolherDigitacao(catalogo, raiz, baixo, p.tipo, numeroVariante(p.depois->marca), casas);
    if (posicao > 0) return textoDoCodigo(catalogo.digitacoes.Digitacoes[posicao - 1]);
    if (p.original)
        if (auto transposta = formaTransposta(p, casas)) return *transposta;
    return std::string(kSemCodigo);
}

// The row's new symbol, spelled after the key chord's new root.
Partes grafarLinha(LinhaTransposicao& linha, const Partes& p, const Tom& tom, bool ehTom,
                   int deslocamento, const CatalogoTipos& tipos) {
    Partes novo = p;
    novo.notaRaiz = reduzirNota(p.notaRaiz + deslocamento);
    novo.raiz = ehTom ? tom.novaRaiz
                      : grafiaPorDistancia(novo.notaRaiz,
                                           mod(letra(p.raiz) - tom.letraOriginal, kNumLetras),
                                           tom.novaRaiz);
    novo.notaBaixo = p.baixo.empty() ? 0 : reduzirNota(p.notaBaixo + deslocamento);
    const TTipoAcorde* tipo = tipos.existe(linha.tipo) ? &tipos.tipo(linha.tipo) : nullptr;
    const BaixoNovo baixo = moverBaixo(p, novo, tipo);
    novo.baixo = baixo.grafia;
    linha.novoSimbolo = juntar(novo);
    linha.baixoForaDoTipo = baixo.foraDoTipo;
    return novo;
}

void transporLinha(LinhaTransposicao& linha, const Partes& p, const Tom& tom, bool ehTom,
                   int deslocamento, const OpcoesTransposicao& opcoes, const Catalogo& catalogo,
                   int casas) {
    const Partes novo = grafarLinha(linha, p, tom, ehTom, deslocamento, catalogo.tipos);
    const Pedido pedido{digitacaoDoTexto(linha.digitacao), linha.tipo, &p, &novo};
    linha.novaDigitacao = novaDigitacao(pedido, opcoes, catalogo, casas);
}

// Every row back to its original symbol and code, then, for a shift other than 0, `mover` on
// every row that reads as a chord, with the key the key chord gives.
template <typename Mover>
void moverLinhas(std::vector<LinhaTransposicao>& linhas, int deslocamento, int linhaDoTom,
                 const CatalogoTipos& tipos, Mover mover) {
    for (LinhaTransposicao& linha : linhas) {
        linha.novoSimbolo = chaveParaExibicao(linha.simbolo);
        linha.novaDigitacao = linha.digitacao;
        linha.baixoForaDoTipo = false;
    }
    deslocamento = normalizarDeslocamento(deslocamento);
    if (deslocamento == 0) return;
    const std::optional<Tom> tom = acharTom(linhas, linhaDoTom, deslocamento, tipos);
    if (!tom) return;
    for (std::size_t k = 0; k < linhas.size(); ++k)
        if (const std::optional<Partes> partes = separar(linhas[k].novoSimbolo))
            mover(linhas[k], *partes, *tom, static_cast<int>(k) == tom->linha, deslocamento);
}

int notaDoBaixoTocado(const TDigitacao& d) {
    for (int corda = kCordas; corda >= 1; --corda)
        if (d.tocada(corda)) return d.notaDaCorda(corda);
    return 0;
}

}  // namespace

int normalizarDeslocamento(int deslocamento) {
    return deslocamento % kNotasPorOitava;
}

std::string textoDoDeslocamento(int deslocamento) {
    if (deslocamento == 0) return {};
    const int n = std::abs(deslocamento);
    return std::to_string(n) + " semito" + (n == 1 ? "m" : "ns") +
           (deslocamento > 0 ? " acima:" : " abaixo:");
}

void transporLinhas(std::vector<LinhaTransposicao>& linhas, int deslocamento, int linhaDoTom,
                    const OpcoesTransposicao& opcoes, const Catalogo& catalogo, int casas) {
    moverLinhas(linhas, deslocamento, linhaDoTom, catalogo.tipos,
                [&](LinhaTransposicao& linha, const Partes& p, const Tom& tom, bool ehTom, int d) {
                    transporLinha(linha, p, tom, ehTom, d, opcoes, catalogo, casas);
                });
}

void grafarLinhas(std::vector<LinhaTransposicao>& linhas, int deslocamento, int linhaDoTom,
                  const CatalogoTipos& tipos) {
    moverLinhas(linhas, deslocamento, linhaDoTom, tipos,
                [&](LinhaTransposicao& linha, const Partes& p, const Tom& tom, bool ehTom, int d) {
                    grafarLinha(linha, p, tom, ehTom, d, tipos);
                });
}

std::optional<TomDaCancao> tomDasLinhas(const std::vector<LinhaTransposicao>& linhas,
                                        int linhaDoTom, const CatalogoTipos& tipos) {
    std::vector<LinhaTransposicao> exibidas = linhas;
    for (LinhaTransposicao& linha : exibidas) linha.novoSimbolo = chaveParaExibicao(linha.simbolo);
    const std::optional<Tom> tom = acharTom(exibidas, linhaDoTom, 0, tipos);
    if (!tom) return std::nullopt;
    const auto k = static_cast<std::size_t>(tom->linha);
    const std::optional<Partes> partes = separar(exibidas[k].novoSimbolo);
    return TomDaCancao{partes->notaRaiz, ehMenor(*partes, exibidas[k].tipo, tipos)};
}

std::string grafiaDaTonica(int nota, bool menor, int deslocamento) {
    return grafiaDoTom(reduzirNota(nota), menor, deslocamento) + (menor ? "m" : "");
}

void regrafarPeloTom(std::vector<LinhaTransposicao>& linhas, int deslocamento, int linhaDoTom,
                     bool bemol, const CatalogoTipos& tipos) {
    deslocamento = normalizarDeslocamento(deslocamento);
    if (deslocamento == 0) return;
    std::vector<LinhaTransposicao> originais = linhas;
    for (LinhaTransposicao& linha : originais) linha.novoSimbolo = chaveParaExibicao(linha.simbolo);
    std::optional<Tom> tom = acharTom(originais, linhaDoTom, deslocamento, tipos);
    if (!tom) return;
    const int notaDoTom =
        reduzirNota(separar(originais[static_cast<std::size_t>(tom->linha)].novoSimbolo)->notaRaiz +
                    deslocamento);
    tom->novaRaiz = GrafiaNota(notaDoTom, bemol);
    for (std::size_t k = 0; k < linhas.size(); ++k)
        if (const std::optional<Partes> partes = separar(originais[k].novoSimbolo))
            grafarLinha(linhas[k], *partes, *tom, static_cast<int>(k) == tom->linha, deslocamento,
                        tipos);
}

int similaridade(const TDigitacao& a, int raizA, const TDigitacao& b, int raizB) {
    const int graus = notaDoBaixoTocado(b) - notaDoBaixoTocado(a);
    if (mod(graus, kNotasPorOitava) != mod(raizB - raizA, kNotasPorOitava)) return -1;
    int pontos = kPontosIniciais;
    for (int i = 1; i <= kCordas; ++i) {
        if (a.tocada(i) != b.tocada(i)) --pontos;
        if (!a.tocada(i) || !b.tocada(i)) continue;
        for (int j = i + 1; j <= kCordas; ++j)
            if (a.tocada(j) && b.tocada(j) &&
                a.trasteAbsoluto(i) - a.trasteAbsoluto(j) ==
                    b.trasteAbsoluto(i) - b.trasteAbsoluto(j))
                pontos += kPontosPorPar;
    }
    return pontos;
}

namespace {

// The two spellings review offers for a note as written: flat and sharp, or for a note
// written Cb, Fb, E# or B#, that spelling and the natural one.
struct ParDeGrafias {
    std::string bemol, sustenido;
    bool aberto() const { return bemol != sustenido; }
};

ParDeGrafias grafiasDaNota(int nota, std::string_view escrita) {
    const std::string outra = GrafiaEnarmonica(nota);
    if (outra.empty() || escrita != outra) return {GrafiaNota(nota, true), GrafiaNota(nota, false)};
    const std::string natural = GrafiaNota(nota, false);
    return outra[1] == 'b' ? ParDeGrafias{outra, natural} : ParDeGrafias{natural, outra};
}

}  // namespace

GrafiasOferecidas grafiasOferecidas(std::string_view novoSimbolo) {
    GrafiasOferecidas g;
    const std::optional<Partes> p = separar(novoSimbolo);
    if (!p) return g;
    const ParDeGrafias raiz = grafiasDaNota(p->notaRaiz, p->raiz);
    g.raizBemol = raiz.bemol;
    g.raizSustenido = raiz.sustenido;
    g.raizComAcidente = raiz.aberto();
    g.raizEmBemol = g.raizComAcidente && p->raiz == g.raizBemol;
    if (p->baixo.empty()) return g;
    const ParDeGrafias baixo = grafiasDaNota(p->notaBaixo, p->baixo);
    g.baixoBemol = baixo.bemol;
    g.baixoSustenido = baixo.sustenido;
    g.baixoComAcidente = baixo.aberto() && p->notaBaixo != p->notaRaiz;
    g.baixoEmBemol = g.baixoComAcidente && p->baixo == g.baixoBemol;
    return g;
}

std::string comGrafiaDaRaiz(std::string_view simbolo, bool bemol) {
    std::optional<Partes> p = separar(simbolo);
    if (!p) return std::string(simbolo);
    const ParDeGrafias par = grafiasDaNota(p->notaRaiz, p->raiz);
    p->raiz = bemol ? par.bemol : par.sustenido;
    return juntar(*p);
}

std::string comGrafiaDoBaixo(std::string_view simbolo, bool bemol) {
    std::optional<Partes> p = separar(simbolo);
    if (!p || p->baixo.empty()) return std::string(simbolo);
    const ParDeGrafias par = grafiasDaNota(p->notaBaixo, p->baixo);
    p->baixo = bemol ? par.bemol : par.sustenido;
    return juntar(*p);
}

}  // namespace trovale
