#include "document/interpretation_catalogue.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "catalogue/fingering_file.h"
#include "catalogue/fingering_from_frets.h"
#include "catalogue/frets_notation.h"
#include "support/type_fixture.h"

namespace trovale::testing {

namespace {

struct Registro {
    int nota;
    int tipo;
    const char* trastes;
};

Catalogo montar() {
    Catalogo c;
    c.tipos = catalogoComum();
    constexpr int kA = 1, kC = 4, kG = 11;
    const Registro registros[] = {
        {kC, kMaior, "x 3 2 0 1 0"}, {kC, kMaior, "x 3 5 5 5 3"}, {kG, kMaior, "3 2 0 0 0 3"},
        {kG, kMaior, "x 2 0 0 0 3"}, {kG, kMaior, "3 5 5 4 3 3"}, {kA, kMenor, "x 0 2 2 1 0"},
    };
    BancoDigitacoes lista;
    for (const Registro& r : registros) {
        TDigitacao d = *digitacaoDeTrastes(*lerTrastes(r.trastes));
        d.Nota = r.nota;
        d.Tipo = r.tipo;
        lista.Digitacoes.push_back(Codificar(d));
    }
    lerDigitacoes(escreverDigitacoes(lista), c.tipos, c.digitacoes);
    return c;
}

}  // namespace

const Catalogo& catalogoDeInterpretacao() {
    static const Catalogo catalogo = montar();
    return catalogo;
}

std::string trastesDaDigitacao(const std::string& texto) {
    TDigitacaoGravada g;
    std::istringstream palavras(texto);
    if (!(palavras >> g.W[0] >> g.W[1] >> g.W[2])) return "-";
    return escreverTrastes(trastesDe(Decodificar(g)));
}

std::filesystem::path pastaGoldenTexto() {
    return std::filesystem::path(__FILE__).parent_path() / "golden_text";
}

std::string lerArquivo(const std::filesystem::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

}  // namespace trovale::testing
