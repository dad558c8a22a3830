#include "catalogue_folder.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "catalogue/fingering.h"

namespace trovale::testing {

namespace fs = std::filesystem;

PastaTemporaria::PastaTemporaria() {
    std::string modelo = (fs::temp_directory_path() / "trovale-cli-XXXXXX").string();
    if (mkdtemp(modelo.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    caminho_ = modelo;
}

PastaTemporaria::~PastaTemporaria() {
    std::error_code erro;
    fs::remove_all(caminho_, erro);
}

fs::path PastaTemporaria::gravar(const fs::path& nome, std::string_view bytes) const {
    const fs::path destino = caminho_ / nome;
    fs::create_directories(destino.parent_path());
    std::ofstream arquivo(destino, std::ios::binary);
    arquivo.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return destino;
}

std::vector<std::string> PastaTemporaria::nomes() const {
    std::vector<std::string> lista;
    for (const auto& entrada : fs::directory_iterator(caminho_))
        lista.push_back(entrada.path().filename().string());
    std::sort(lista.begin(), lista.end());
    return lista;
}

std::string linhasCrLf(std::initializer_list<std::string_view> linhas) {
    std::string texto;
    for (std::string_view linha : linhas) (texto += linha) += "\r\n";
    return texto;
}

std::string tiposExemplo() {
    // Header: five intervals, standard and optional element counts, type number, name.
    return linhasCrLf({
        "9",
        " 3  6  0  0  0  0  0  1 Maior",
        " 2  6  0  0  0  1  0  2 Menor",
        "1 1 m",
        " 0  0  0  0  0  0  0  0 -- T\xE9trades --",
        " 3  6 10  0  0  1  0  7 Maior com 7\xAA",
        "1 1 7",
        " 3  6 10 13  0  2  0 18 Maior com 7\xAA e 9\xAA",
        "1 1 7",
        "4 1 9",
        " 2  5  9  0  0  1  0 40 Diminuta",
        "1 1 \xB0",
        " 3  7  0  0  0  1  0 25 Aumentada",
        "1 1 +",
        " 3 17  0  0  0  1  0 26 Maior com 13\xAA menor",
        "4 1 b13",
        " 2  6  8 13  0  3  3 60 Menor com 6\xAA e 9\xAA",
        "1 1 m",
        "2 1 <9",
        "2 2 >6",
        "1 1 m",
        "2 1 6",
        "4 1 9",
    });
}

std::string tiposSo(std::string_view nome) {
    return linhasCrLf({"1", std::string(" 3  6  0  0  0  0  0  1 ") + std::string(nome)});
}

namespace {

struct Forma {
    int nota, tipo, casa;
    std::vector<NotaDedo> notas;
    std::vector<Pestana> pestanas;
    std::vector<int> mudas;
};

std::string gravadas(const std::vector<Forma>& formas) {
    std::string bytes;
    for (const Forma& f : formas) {
        TDigitacao d;
        d.Nota = f.nota;
        d.Tipo = f.tipo;
        d.Casa = f.casa;
        std::copy(f.notas.begin(), f.notas.end(), d.Notas.begin());
        std::copy(f.pestanas.begin(), f.pestanas.end(), d.Pestanas.begin());
        for (int corda : f.mudas) d.Estado[corda - 1] = kCordaMuda;
        const auto registro = paraBytes(Codificar(d));
        bytes.append(reinterpret_cast<const char*>(registro.data()), registro.size());
    }
    return bytes;
}

// Roots: A = 1, C = 4, G = 11. Notes are (string, relative fret).
const Forma kLaMenor{1, 2, 1, {{4, 2}, {3, 2}, {2, 1}}, {}, {6}};
const Forma kDoMaior{4, 1, 1, {{5, 3}, {4, 2}, {2, 1}}, {}, {6}};
const Forma kDoMaiorCasa3{4, 1, 3, {{4, 3}, {3, 3}, {2, 3}}, {{1, 5, 1}}, {6}};
const Forma kDoMaiorComoMenor{4, 2, 1, {{5, 3}, {4, 2}, {2, 1}}, {}, {6}};
const Forma kSolMaior{11, 1, 1, {{6, 3}, {5, 2}, {1, 3}}, {}, {}};
const Forma kDoAumentado{4, 25, 1, {{5, 3}, {4, 2}, {3, 1}, {2, 1}}, {}, {1, 6}};

}  // namespace

std::string digitacoesExemplo(bool comInconsistente) {
    if (comInconsistente)
        return gravadas(
            {kLaMenor, kDoMaior, kDoMaiorCasa3, kDoMaiorComoMenor, kSolMaior, kDoAumentado});
    return gravadas({kLaMenor, kDoMaior, kDoMaiorCasa3, kSolMaior, kDoAumentado});
}

std::string digitacoesSoDoMaior() {
    return gravadas({kDoMaior});
}

}  // namespace trovale::testing
