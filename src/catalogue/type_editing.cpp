#include "catalogue/type_editing.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/text_codec.h"
#include "catalogue/type_order.h"

namespace trovale {

namespace {

// The intervals a newly ticked one unticks, by code (0 ends a row).
constexpr std::array<std::array<int, 3>, kMaxCodigoIntervalo + 1> kExclusoes = {{
    {},         // none
    {2, 3, 4},  // 2
    {1, 3, 4},  // b3
    {1, 2, 4},  // 3
    {1, 2, 3},  // 4
    {7},        // b5
    {},         // 5
    {5},        // #5
    {9},        // 6
    {8, 10},    // bb7
    {9, 11},    // b7
    {10},       // 7M
    {13, 14},   // b9
    {12, 14},   // 9
    {12, 13},   // #9
    {16},       // 11
    {15},       // #11
    {18},       // b13
    {17},       // 13
}};

std::string entreAspas(const std::string& nome) {
    return "\"" + utf8DeWindows1252(nome) + "\"";
}

std::string semBrancosNasPontas(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return {};
    return std::string(texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1));
}

std::string nomeDoRegistro(const TipoEmEdicao& registro) {
    return semBrancosNasPontas(registro.nome).substr(0, kMaxNomeTipo);
}

// The elements one after another, marks included.
std::string escritaComMarcas(const ElementosCifra& cifra) {
    std::string escrita;
    for (const auto& posicao : cifra)
        for (const std::string& elemento : posicao) escrita += elemento;
    return escrita;
}

std::string semMarca(const std::string& elemento) {
    const bool marcado =
        !elemento.empty() && (elemento[0] == kMarcaSobrescrito || elemento[0] == kMarcaSubscrito);
    return marcado ? elemento.substr(1) : elemento;
}

std::vector<std::string> elementosSemMarca(const ElementosCifra& cifra) {
    std::vector<std::string> textos;
    for (const auto& posicao : cifra)
        for (const std::string& elemento : posicao)
            if (!elemento.empty()) textos.push_back(semMarca(elemento));
    return textos;
}

// Different writings of the same elements, which a reader may take for one another.
bool mesmosElementos(const ElementosCifra& esta, const ElementosCifra& outra) {
    const std::vector<std::string> a = elementosSemMarca(esta), b = elementosSemMarca(outra);
    std::size_t ta = 0, tb = 0;
    for (const std::string& e : a) ta += e.size();
    for (const std::string& e : b) tb += e.size();
    if (ta != tb) return false;
    return std::all_of(a.begin(), a.end(), [&b](const std::string& e) {
        return std::find(b.begin(), b.end(), e) != b.end();
    });
}

const char* nomeDaCifra(bool padrao) {
    return padrao ? "cifra padrão" : "cifra opcional";
}

// Checks 6 and 7: one of this type's symbols against both symbols of every other type.
bool conferirCifra(const CatalogoTipos& tipos, const ElementosCifra& cifra, bool padrao, int numero,
                   Dialogs& dialogs) {
    const std::string escrita = escritaComMarcas(cifra);
    for (int t = 1; t <= kMaxTipos; ++t) {
        if (t == numero || !tipos.existe(t)) continue;
        const TTipoAcorde& outro = tipos.tipo(t);
        for (const bool outraPadrao : {true, false}) {
            const ElementosCifra& outra = outraPadrao ? outro.CifraPadrao : outro.CifraOpcional;
            if (!outraPadrao && elementosVazios(outra)) continue;
            if (escritaComMarcas(outra) == escrita) {
                dialogs.aviso(std::string("Confirmação rejeitada. ") +
                              (padrao ? "Cifra padrão" : "Cifra opcional") +
                              " igual a uma das cifras do acorde: " + entreAspas(outro.Nome) + ".");
                return false;
            }
            if (mesmosElementos(cifra, outra))
                dialogs.aviso(std::string("A ") + nomeDaCifra(padrao) +
                              " tem exatamente os mesmos elementos da " + nomeDaCifra(outraPadrao) +
                              " do acorde: " + entreAspas(outro.Nome) +
                              ". A cifra será aceita, mas é sua responsabilidade evitar dúvidas "
                              "futuras.");
        }
    }
    return true;
}

bool recusar(Dialogs& dialogs, const std::string& motivo) {
    dialogs.aviso("Confirmação rejeitada. " + motivo);
    return false;
}

// The other type (of every number, wherever it stands in the list) matching `igual`.
template <typename Igual>
int outroTipo(const CatalogoTipos& tipos, int numero, Igual igual) {
    for (int t = 1; t <= kMaxTipos; ++t)
        if (t != numero && tipos.existe(t) && igual(tipos.tipo(t))) return t;
    return 0;
}

void excluirDigitacoes(Catalogo& catalogo, int numero) {
    catalogo.digitacoes.ExcluirDigitacoesDoTipo(numero);
    catalogo.GravarJuntos = true;
    catalogo.DigitacoesAlteradas = true;
}

// Question 1 before fingerings go; true when they may.
bool fingeringsPodemIr(Catalogo& catalogo, int numero, Dialogs& dialogs) {
    if (!catalogo.digitacoes.TemDigitacoes(numero)) return true;
    if (dialogs.pergunta(1) != Resposta::Sim) return false;
    excluirDigitacoes(catalogo, numero);
    return true;
}

void recalcular(CatalogoTipos& tipos) {
    tipos.CalcularEquivalentes();
    tipos.CalcularSomas();
}

// The record into its slot, with what is derived from it; names an equal-sounding type.
void guardar(Catalogo& catalogo, int numero, const TipoEmEdicao& registro, Dialogs& dialogs) {
    CatalogoTipos& tipos = catalogo.tipos;
    tipos.TiposAcorde[numero] =
        TTipoAcorde{nomeDoRegistro(registro), intervalosDe(registro.intervalos),
                    registro.cifraPadrao, registro.cifraOpcional};
    tipos.calcularDerivados(numero);
    recalcular(tipos);
    catalogo.TiposAlterados = true;
    const int sinonimo = tipos.EquivalenteAnterior[numero] ? tipos.EquivalenteAnterior[numero]
                                                           : tipos.EquivalenteSeguinte[numero];
    if (sinonimo) dialogs.aviso("Acorde sinônimo: " + utf8DeWindows1252(tipos.tipo(sinonimo).Nome));
}

}  // namespace

SelecaoIntervalos selecaoDe(const IntervalosTipo& intervalos) {
    SelecaoIntervalos selecao{};
    for (std::uint8_t codigo : intervalos)
        if (codigoIntervaloValido(codigo)) selecao[codigo] = true;
    return selecao;
}

int contarSelecionados(const SelecaoIntervalos& selecao) {
    return static_cast<int>(std::count(selecao.begin() + 1, selecao.end(), true));
}

IntervalosTipo intervalosDe(const SelecaoIntervalos& selecao) {
    IntervalosTipo intervalos{};
    int n = 0;
    for (int codigo = 1; codigo <= kMaxCodigoIntervalo && n < kMaxIntervalosTipo; ++codigo)
        if (selecao[codigo]) intervalos[n++] = static_cast<std::uint8_t>(codigo);
    return intervalos;
}

void alternarIntervalo(SelecaoIntervalos& selecao, int codigo) {
    if (!codigoIntervaloValido(codigo)) return;
    selecao[codigo] = !selecao[codigo];
    if (!selecao[codigo]) return;
    for (int excluido : kExclusoes[codigo])
        if (excluido != 0) selecao[excluido] = false;
}

TipoEmEdicao emEdicao(const TTipoAcorde& tipo) {
    return {selecaoDe(tipo.Intervalos), tipo.Nome, tipo.CifraPadrao, tipo.CifraOpcional};
}

GradeCifra gradeDaCifra(const ElementosCifra& elementos) {
    GradeCifra grade;
    for (int p = 0; p < kPosicoesCifra; ++p) {
        for (const std::string& e : elementos[p]) {
            if (e.empty()) continue;
            const int linha = e[0] == kMarcaSobrescrito ? kLinhaSobrescrito
                              : e[0] == kMarcaSubscrito ? kLinhaSubscrito
                                                        : kLinhaAlinhado;
            grade[p][linha] = semMarca(e);
        }
    }
    return grade;
}

ElementosCifra cifraDaGrade(const GradeCifra& grade) {
    ElementosCifra elementos;
    for (int p = 0; p < kPosicoesCifra; ++p) {
        std::string s = grade[p][kLinhaSobrescrito], a = grade[p][kLinhaAlinhado],
                    b = grade[p][kLinhaSubscrito];
        if (!a.empty() && !s.empty()) {
            if (b.empty()) b = a;
            a.clear();
        } else if (!a.empty() && !b.empty()) {
            s = std::exchange(a, {});
        }
        auto& [slot1, slot2] = elementos[p];
        slot1 = !s.empty() ? kMarcaSobrescrito + s : a;
        if (!b.empty()) (slot1.empty() ? slot1 : slot2) = kMarcaSubscrito + b;
    }
    return elementos;
}

bool celulaAceitaTexto(const GradeCifra& grade, int coluna, int linha) {
    const auto& c = grade[coluna];
    if (linha == kLinhaAlinhado) return c[kLinhaSobrescrito].empty() && c[kLinhaSubscrito].empty();
    return c[kLinhaAlinhado].empty();
}

bool caractereRecusadoNaCelula(char c) {
    return c == ' ' || c == '/' || c == '(' || c == ')';
}

int tipoDaEntrada(const CatalogoTipos& tipos, int entrada) {
    if (entrada < 0 || entrada >= tipos.NumEntradas()) return 0;
    const int numero = tipos.OrdemTipos[entrada];
    return tipos.existe(numero) ? numero : 0;
}

std::string recusaAoIniciar(const CatalogoTipos& tipos, Tarefa tarefa, int entrada) {
    const int numero = tipoDaEntrada(tipos, entrada);
    if (tarefa != Tarefa::Inclusao && numero == 0)
        return "Para editar os separadores recorra à edição da ordem de apresentação.";
    if (tarefa == Tarefa::Inclusao && tipos.NumTipos >= kMaxTipos)
        return "Limite de tipos de acorde já atingido.";
    // A list longer than the file holds would not load back.
    if (tarefa == Tarefa::Inclusao && tipos.NumEntradas() >= kMaxEntradas)
        return std::string(kMensagemLimiteEntradas);
    if (tarefa == Tarefa::Exclusao && tipoBasico(numero)) return std::string(kMensagemTipoBasico);
    return {};
}

bool conferirTipo(const CatalogoTipos& tipos, const TipoEmEdicao& registro, int numero,
                  Dialogs& dialogs) {
    const int intervalos = contarSelecionados(registro.intervalos);
    if (intervalos > kMaxIntervalosTipo)
        return recusar(dialogs,
                       "Cada acorde é limitado a 5 acidentes ou intervalos (6 notas, "
                       "considerando a nota fundamental).");
    if (intervalos < 2)
        return recusar(dialogs,
                       "Um acorde deve conter pelo menos 2 acidentes ou intervalos "
                       "(3 notas, no total).");
    const std::string nome = nomeDoRegistro(registro);
    if (nome.empty())
        return recusar(dialogs, "A identificação do acorde não pode ser deixada em branco.");
    // The order window tells separators from types by this dash.
    if (legendaDeSeparador(nome))
        return recusar(dialogs,
                       "A identificação do acorde não pode começar por \"-\", "
                       "reservado aos separadores.");
    const IntervalosTipo bytes = intervalosDe(registro.intervalos);
    if (const int t = outroTipo(tipos, numero,
                                [&bytes](const TTipoAcorde& o) { return o.Intervalos == bytes; }))
        return recusar(dialogs, "Intervalos correspondem exatamente aos do acorde: " +
                                    entreAspas(tipos.tipo(t).Nome) + ".");
    if (outroTipo(tipos, numero, [&nome](const TTipoAcorde& o) { return o.Nome == nome; }))
        return recusar(dialogs, "Nome de referência já utilizado para caracterizar outro acorde.");
    if (!conferirCifra(tipos, registro.cifraPadrao, true, numero, dialogs)) return false;
    return elementosVazios(registro.cifraOpcional) ||
           conferirCifra(tipos, registro.cifraOpcional, false, numero, dialogs);
}

std::optional<int> confirmarInclusao(Catalogo& catalogo, const TipoEmEdicao& registro,
                                     Dialogs& dialogs) {
    CatalogoTipos& tipos = catalogo.tipos;
    if (const std::string recusa = recusaAoIniciar(tipos, Tarefa::Inclusao, 0); !recusa.empty()) {
        dialogs.aviso(recusa);
        return std::nullopt;
    }
    if (!conferirTipo(tipos, registro, 0, dialogs)) return std::nullopt;
    const int numero = tipos.ProximoNumeroLivre();
    tipos.MaiorNumeroUsado = std::max(tipos.MaiorNumeroUsado, numero);
    ++tipos.NumTipos;
    tipos.OrdemTipos.push_back(numero);
    tipos.Legendas.push_back(nomeDoRegistro(registro));
    guardar(catalogo, numero, registro, dialogs);
    return tipos.NumEntradas() - 1;
}

std::optional<int> confirmarAlteracao(Catalogo& catalogo, int entrada, const TipoEmEdicao& registro,
                                      Dialogs& dialogs) {
    CatalogoTipos& tipos = catalogo.tipos;
    const int numero = tipoDaEntrada(tipos, entrada);
    if (numero == 0) return std::nullopt;
    TipoEmEdicao final = registro;
    const TTipoAcorde& antes = tipos.tipo(numero);
    if (tipoBasico(numero)) {
        final.intervalos = selecaoDe(antes.Intervalos);
        final.cifraPadrao = antes.CifraPadrao;
    }
    if (!conferirTipo(tipos, final, numero, dialogs)) return std::nullopt;
    // Ticking an interval off and on again changes nothing: its fingerings still fit.
    const bool intervalosMudaram = intervalosDe(final.intervalos) != antes.Intervalos;
    if (intervalosMudaram && !fingeringsPodemIr(catalogo, numero, dialogs)) return std::nullopt;
    tipos.Legendas[entrada] = nomeDoRegistro(final);
    guardar(catalogo, numero, final, dialogs);
    return entrada;
}

std::optional<int> confirmarExclusao(Catalogo& catalogo, int entrada, Dialogs& dialogs) {
    CatalogoTipos& tipos = catalogo.tipos;
    const int numero = tipoDaEntrada(tipos, entrada);
    if (numero == 0 || tipoBasico(numero)) return std::nullopt;
    if (!fingeringsPodemIr(catalogo, numero, dialogs)) return std::nullopt;
    // Songs saved with this type keep its number: no new type may take it.
    tipos.MaiorNumeroUsado = std::max(tipos.MaiorNumeroUsado, numero);
    tipos.TiposAcorde[numero] = TTipoAcorde{};
    tipos.CifraLinear[numero] = "*";
    tipos.AssinaturaIntervalos[numero] = "*";
    tipos.OrdemTipos.erase(tipos.OrdemTipos.begin() + entrada);
    tipos.Legendas.erase(tipos.Legendas.begin() + entrada);
    --tipos.NumTipos;
    catalogo.TiposAlterados = true;
    recalcular(tipos);
    return std::min(entrada, tipos.NumEntradas() - 1);
}

}  // namespace trovale
