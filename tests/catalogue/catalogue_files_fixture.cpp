#include "catalogue/catalogue_files_fixture.h"

#include <fstream>
#include <iterator>
#include <random>

#include "catalogue/fingering_file.h"
#include "catalogue/type_file.h"

namespace trovale::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device aleatorio;
    for (;;) {
        path_ = fs::temp_directory_path() /
                ("trovale-catalogue-" + std::to_string(aleatorio()) + std::to_string(aleatorio()));
        if (fs::create_directory(path_)) return;
    }
}

TempFolder::~TempFolder() {
    std::error_code ignorado;
    fs::remove_all(path_, ignorado);
}

void TempFolder::write(std::string_view nome, std::string_view bytes) const {
    std::ofstream arquivo(path_ / nome, std::ios::binary);
    arquivo.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> TempFolder::read(std::string_view nome) const {
    std::ifstream arquivo(path_ / nome, std::ios::binary);
    if (!arquivo) return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(arquivo), {}};
}

std::map<std::string, std::string> TempFolder::files(std::string_view subpasta) const {
    std::map<std::string, std::string> arquivos;
    const fs::path pasta = path_ / subpasta;
    if (!fs::is_directory(pasta)) return arquivos;
    for (const fs::directory_entry& entrada : fs::directory_iterator(pasta)) {
        const std::string nome = entrada.path().filename().string();
        arquivos[nome] = entrada.is_regular_file()
                             ? read((fs::path(subpasta) / nome).string()).value_or("")
                             : "<folder>";
    }
    return arquivos;
}

const std::string kTiposAntigos =
    "2\r\n"
    " 3  6  0  0  0  0  0  1 Maior\r\n"
    " 2  6  0  0  0  1  0  2 Menor\r\n"
    "1 1 m\r\n";

const std::string kTiposNovos =
    "4\r\n"
    " 3  6  0  0  0  0  0  1 Maior\r\n"
    " 2  6  0  0  0  1  0  2 Menor\r\n"
    "1 1 m\r\n"
    " 0  0  0  0  0  0  0  0 ---- S\xE9timas ----\r\n"
    " 3  6 10  0  0  1  1  3 Maior com 7\xAA menor\r\n"
    "1 1 7\r\n"
    "1 1 <7\r\n";

TDigitacao digitacao(int nota, int tipo, std::vector<NotaDedo> notas, bool sextaMuda) {
    TDigitacao d;
    d.Casa = 1;
    d.Nota = nota;
    d.Tipo = tipo;
    for (std::size_t i = 0; i < notas.size(); ++i) d.Notas[i] = notas[i];
    if (sextaMuda) d.Estado[5] = kCordaMuda;
    d.marcarBaixo();
    return d;
}

std::string bytesDe(const std::vector<TDigitacao>& digitacoes) {
    std::string bytes;
    for (const TDigitacao& d : digitacoes) {
        const auto registro = paraBytes(Codificar(d));
        bytes.append(reinterpret_cast<const char*>(registro.data()), registro.size());
    }
    return bytes;
}

namespace {

const TDigitacao kDoMaior = digitacao(4, 1, {{5, 3}, {4, 2}, {2, 1}}, true);
const TDigitacao kLaMenor = digitacao(1, 2, {{4, 2}, {3, 2}, {2, 1}}, true);
const TDigitacao kSolMaior = digitacao(11, 1, {{6, 3}, {5, 2}, {1, 3}}, false);
const TDigitacao kDoSetima = digitacao(4, 3, {{5, 3}, {4, 2}, {3, 3}, {2, 1}}, true);

}  // namespace

std::string digitacoesAntigas() {
    return bytesDe({kDoMaior, kLaMenor});
}
std::string digitacoesNovas() {
    return bytesDe({kDoMaior, kLaMenor, kSolMaior});
}
std::string digitacoesComSetima() {
    return bytesDe({kDoMaior, kLaMenor, kSolMaior, kDoSetima});
}

Catalogo catalogoCom(std::string_view tipos, std::string_view digitacoes) {
    Catalogo catalogo;
    lerTipos(tipos, catalogo.tipos);
    lerDigitacoes(digitacoes, catalogo.tipos, catalogo.digitacoes);
    catalogo.tipos.CalcularEquivalentes();
    return catalogo;
}

}  // namespace trovale::testing
