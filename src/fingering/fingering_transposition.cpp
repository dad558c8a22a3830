#include "fingering/fingering_transposition.h"

#include <algorithm>
#include <string>

#include "catalogue/notes.h"
#include "fingering/fingering_editing.h"

namespace trovale {

namespace {

constexpr const char* kVedada = "Transposição vedada: pelo menos uma digitação ";
constexpr const char* kOcuparia = "ocuparia mais casas que o programa pode apresentar.";
constexpr const char* kExcederia = "excederia o número máximo de elementos (notas ou pestanas).";
// Where the shape's lowest fret may go; a barre across the lower frets stops earlier.
constexpr int kLimite = 12;
constexpr int kLimiteComPestana = 10;

// A note or barre at an absolute fret (0 = the nut); a note has de == ate.
struct Marca {
    int de = 0, ate = 0, traste = 0;
};

struct Forma {
    std::vector<Marca> notas, pestanas;
};

struct Extensao {
    int maiorRelativo = 0;  // highest pressed fret of a struck string, 0 = all open
    int maiorAbsoluto = 0;
    int menorAbsoluto = 0;    // 0 when a struck string is open
    std::vector<int> soltas;  // open struck strings, string 6 first
    bool semCordas = true;
};

enum class Cobertura { Nenhuma, Notas, Pestana };

int absoluto(const TDigitacao& d, int relativo) {
    return relativo == 0 ? 0 : relativo + d.Casa - 1;
}

Extensao medir(const TDigitacao& d) {
    Extensao e;
    int menor = 0;
    for (int corda = kCordas; corda >= 1; --corda) {
        if (!d.tocada(corda)) continue;
        const int h = d.trasteRelativo(corda);
        e.semCordas = false;
        e.maiorRelativo = std::max(e.maiorRelativo, h);
        if (h == 0)
            e.soltas.push_back(corda);
        else if (menor == 0 || h < menor)
            menor = h;
    }
    e.maiorAbsoluto = absoluto(d, e.maiorRelativo);
    e.menorAbsoluto = e.soltas.empty() ? absoluto(d, menor) : 0;
    return e;
}

bool pestanaAbaixoDe(const TDigitacao& d, int traste) {
    return std::any_of(d.Pestanas.begin(), d.Pestanas.end(),
                       [&](const Pestana& p) { return !p.vazia() && p.Traste < traste; });
}

// How the open strings are fretted once the shape leaves the nut.
Cobertura cobertura(const TDigitacao& d, int soltas, Dialogs* dialogs) {
    if (soltas == 0) return Cobertura::Nenhuma;
    if (elementCount(d) + soltas > kMaxElementosDigitacao) return Cobertura::Pestana;
    if (!d.Pestanas[1].vazia() || soltas == 1) return Cobertura::Notas;
    if (dialogs && dialogs->pergunta(0) != Resposta::Sim) return Cobertura::Notas;
    return Cobertura::Pestana;
}

Forma formaAbsoluta(const TDigitacao& d, const std::vector<int>& soltas, Cobertura c) {
    Forma f;
    for (const NotaDedo& n : d.Notas)
        if (!n.vazia()) f.notas.push_back({n.Corda, n.Corda, absoluto(d, n.Traste)});
    for (const Pestana& p : d.Pestanas)
        if (!p.vazia())
            f.pestanas.push_back({std::min(p.CordaInicial, p.CordaFinal),
                                  std::max(p.CordaInicial, p.CordaFinal), absoluto(d, p.Traste)});
    if (c == Cobertura::Notas)
        for (int corda : soltas) f.notas.push_back({corda, corda, 0});
    if (c == Cobertura::Pestana) f.pestanas.push_back({1, soltas.front(), 0});
    return f;
}

std::uint8_t byte(int n) {
    return static_cast<std::uint8_t>(n);
}

// Marks shifted by s frets; those reaching the nut go, their strings ring open.
std::vector<Marca> deslocar(const std::vector<Marca>& marcas, int s, int& maior) {
    std::vector<Marca> r;
    for (Marca m : marcas) {
        m.traste += s;
        if (m.traste <= 0) continue;
        maior = std::max(maior, m.traste);
        r.push_back(m);
    }
    return r;
}

// The shape s frets away, drawn from fret 1 when it fits the rows, else with its highest
// fret on the last row.
TDigitacao versao(const TDigitacao& d, const Forma& f, int s, int rows) {
    int maior = 0;
    const std::vector<Marca> notas = deslocar(f.notas, s, maior);
    const std::vector<Marca> pestanas = deslocar(f.pestanas, s, maior);
    const int descida = std::max(0, maior - rows);
    TDigitacao v;
    v.Tipo = d.Tipo;
    v.Estado = d.Estado;
    v.Casa = descida + 1;
    for (std::size_t i = 0; i < notas.size() && i < v.Notas.size(); ++i)
        v.Notas[i] = {byte(notas[i].de), byte(notas[i].traste - descida)};
    for (std::size_t i = 0; i < pestanas.size() && i < v.Pestanas.size(); ++i)
        v.Pestanas[i] = {byte(pestanas[i].de), byte(pestanas[i].ate),
                         byte(pestanas[i].traste - descida)};
    return v;
}

int maiorTrasteDasMarcas(const TDigitacao& d) {
    int maior = 0;
    for (const NotaDedo& n : d.Notas)
        if (!n.vazia()) maior = std::max<int>(maior, n.Traste);
    for (const Pestana& p : d.Pestanas)
        if (!p.vazia()) maior = std::max<int>(maior, p.Traste);
    return maior;
}

// The fingering itself, refitted only when the diagrams could not show it as it is.
TDigitacao original(const TDigitacao& d, int rows) {
    if (maiorTrasteDasMarcas(d) <= rows) return d;
    return versao(d, formaAbsoluta(d, {}, Cobertura::Nenhuma), 0, rows);
}

std::vector<TDigitacao> recusar(Dialogs* dialogs, const char* motivo) {
    if (dialogs) dialogs->aviso(std::string(kVedada) + motivo);
    return {};
}

}  // namespace

std::vector<TDigitacao> transposeFingering(const TDigitacao& digitacao, int root,
                                           std::string_view rootName, int rows, Dialogs* dialogs) {
    const Extensao e = medir(digitacao);
    if (e.semCordas || root < 1 || root > kNotasPorOitava) return {};
    rows = std::clamp(rows, 1, kMaxTrasteRelativo);
    if (e.maiorAbsoluto - e.menorAbsoluto > rows - 1) return recusar(dialogs, kOcuparia);
    const int soltas = static_cast<int>(e.soltas.size());
    const int elementos = elementCount(digitacao);
    if (soltas > 0 && elementos >= kMaxElementosDigitacao) return recusar(dialogs, kExcederia);
    if (elementos + soltas > kMaxElementosDigitacao && !digitacao.Pestanas[1].vazia())
        return recusar(dialogs, kExcederia);

    const Cobertura c = cobertura(digitacao, soltas, dialogs);
    const bool limitada = c == Cobertura::Pestana || pestanaAbaixoDe(digitacao, e.maiorRelativo);
    const int limite = limitada ? kLimiteComPestana : kLimite;
    const Forma forma = formaAbsoluta(digitacao, e.soltas, c);
    const bool bemol = rootName != GrafiaNota(root, false);

    std::vector<TDigitacao> versoes;
    for (int posicao = 0; posicao <= std::max(limite, e.menorAbsoluto); ++posicao) {
        if (posicao == e.menorAbsoluto) {
            versoes.push_back(original(digitacao, rows));
            versoes.back().Nota = root;
            versoes.back().NomeNota = std::string(rootName);
        } else if (posicao <= limite) {
            const int s = posicao - e.menorAbsoluto;
            versoes.push_back(versao(digitacao, forma, s, rows));
            versoes.back().Nota = reduzirNota(root + s);
            versoes.back().NomeNota = GrafiaNota(versoes.back().Nota, bemol);
        }
    }
    return versoes;
}

}  // namespace trovale
