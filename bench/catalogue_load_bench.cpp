// Loading a full catalogue from disk: 100 types and 10000 fingerings.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/fingering_file.h"
#include "catalogue/type_file.h"

namespace trovale {
namespace {

struct FormaMovel {
    IntervalosTipo intervalos;
    const char* elementos;       // element lines of the standard symbol
    std::array<int, 6> trastes;  // relative frets, string 6 first; 0 = muted; root on string 5
};

// Ten movable A-string shapes; the root is the A string's relative fret 1.
const FormaMovel kFormas[] = {
    {{3, 6, 0, 0, 0}, "", {0, 1, 3, 3, 3, 1}},
    {{2, 6, 0, 0, 0}, "1 1 m\r\n", {0, 1, 3, 3, 2, 1}},
    {{3, 6, 10, 0, 0}, "1 1 <7\r\n", {0, 1, 3, 1, 3, 1}},
    {{2, 6, 10, 0, 0}, "1 1 m\r\n2 1 <7\r\n", {0, 1, 3, 1, 2, 1}},
    {{3, 6, 11, 0, 0}, "1 1 <7M\r\n", {0, 1, 3, 2, 3, 1}},
    {{4, 6, 0, 0, 0}, "1 1 <sus4\r\n", {0, 1, 3, 3, 4, 1}},
    {{1, 6, 0, 0, 0}, "1 1 <sus2\r\n", {0, 1, 3, 3, 1, 1}},
    {{4, 6, 10, 0, 0}, "1 1 <7\r\n4 1 4\r\n", {0, 1, 3, 1, 4, 1}},
    {{3, 7, 0, 0, 0}, "1 1 +\r\n", {0, 1, 4, 3, 3, 0}},
    {{2, 5, 10, 0, 0}, "1 1 m\r\n2 1 <7\r\n4 1 b5\r\n", {0, 1, 2, 1, 2, 0}},
};
constexpr int kTipos = 100;
constexpr int kDigitacoes = 10000;

int contarLinhas(const char* texto) {
    int n = 0;
    for (; *texto; ++texto) n += *texto == '\n';
    return n;
}

std::string arquivoDeTipos() {
    std::string texto = std::to_string(kTipos) + "\r\n";
    for (int t = 1; t <= kTipos; ++t) {
        const FormaMovel& forma = kFormas[(t - 1) % 10];
        char cabecalho[64];
        std::snprintf(cabecalho, sizeof cabecalho, "%2d %2d %2d %2d %2d %2d  0 %2d ",
                      forma.intervalos[0], forma.intervalos[1], forma.intervalos[2],
                      forma.intervalos[3], forma.intervalos[4], contarLinhas(forma.elementos), t);
        texto += cabecalho + ("Tipo de teste " + std::to_string(t)) + "\r\n" + forma.elementos;
    }
    return texto;
}

TDigitacaoGravada digitacao(int tipo, int nota) {
    const FormaMovel& forma = kFormas[(tipo - 1) % 10];
    TDigitacao d;
    d.Tipo = tipo;
    d.Nota = nota;
    d.Casa = nota == 1 ? 12 : nota - 1;  // the A string at relative fret 1 gives the root
    std::size_t livre = 0;
    for (int i = 0; i < 6; ++i) {
        const int corda = 6 - i;
        d.Estado[corda - 1] = forma.trastes[i] == 0 ? kCordaMuda : kCordaTocada;
        if (forma.trastes[i] == 1) continue;
        if (forma.trastes[i] > 1)
            d.Notas[livre++] = {static_cast<std::uint8_t>(corda),
                                static_cast<std::uint8_t>(forma.trastes[i])};
    }
    // The relative fret 1 is one barre over every string pressed there.
    int primeira = 0, ultima = 0;
    for (int corda = 1; corda <= 6; ++corda) {
        if (forma.trastes[6 - corda] != 1) continue;
        if (primeira == 0) primeira = corda;
        ultima = corda;
    }
    d.Pestanas[0] = {static_cast<std::uint8_t>(primeira), static_cast<std::uint8_t>(ultima), 1};
    d.marcarBaixo();
    return Codificar(d);
}

std::string arquivoDeDigitacoes() {
    BancoDigitacoes banco;
    const int porAcorde = kDigitacoes / (kTipos * 12) + 1;
    for (int t = 1; t <= kTipos; ++t)
        for (int nota = 1; nota <= 12; ++nota)
            for (int k = 0; k < porAcorde && banco.NumDigitacoes() < kDigitacoes; ++k)
                banco.Digitacoes.push_back(digitacao(t, nota));
    return escreverDigitacoes(banco);
}

std::string lerArquivo(const std::filesystem::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), {}};
}

void CarregarCatalogo(benchmark::State& state) {
    const auto pasta = std::filesystem::temp_directory_path() / "trovale-load-bench";
    std::filesystem::create_directories(pasta);
    std::ofstream(pasta / "ACORDES.TIP", std::ios::binary) << arquivoDeTipos();
    std::ofstream(pasta / "POSICOES.DIG", std::ios::binary) << arquivoDeDigitacoes();

    for (auto _ : state) {
        Catalogo catalogo;
        lerTipos(lerArquivo(pasta / "ACORDES.TIP"), catalogo.tipos);
        lerDigitacoes(lerArquivo(pasta / "POSICOES.DIG"), catalogo.tipos, catalogo.digitacoes);
        catalogo.tipos.CalcularEquivalentes();
        if (catalogo.digitacoes.NumDigitacoes() != kDigitacoes ||
            catalogo.digitacoes.DigitacoesRejeitadas != 0 || catalogo.tipos.NumTipos != kTipos)
            state.SkipWithError("the benchmark catalogue did not load whole");
        benchmark::DoNotOptimize(catalogo);
    }
    std::filesystem::remove_all(pasta);
}
BENCHMARK(CarregarCatalogo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trovale

BENCHMARK_MAIN();
