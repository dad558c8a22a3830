#include "cli/catalogue_loading.h"

#include <optional>
#include <string>
#include <system_error>

#include "base/file_system.h"
#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_recovery.h"
#include "catalogue/fingering_file.h"
#include "catalogue/type_file.h"

namespace trovale::cli {

namespace {

namespace fs = std::filesystem;

const char* const kMensagemTipos =
    "Arquivo ACORDES.TIP não se encontra no diretório apropriado ou está danificado.";
const char* const kMensagemDigitacoes =
    "Arquivo POSICOES.DIG não se encontra no diretório apropriado ou está danificado.";

bool existe(const fs::path& caminho) {
    std::error_code erro;
    return fs::exists(caminho, erro);
}

std::optional<std::string> lerArquivo(const fs::path& caminho) {
    return lerArquivoRegular(caminho, kLimiteCatalogo);
}

// The file the program would hold after its start-up recovery. A ".NEW" file counts when it
// is a file of its kind and its own marker exists, or when the combined-save marker says both
// new files were complete and neither is damaged.
fs::path arquivoEfetivo(const fs::path& pasta, const ParArquivos& par) {
    DiskFileSystem disco;
    const ArquivosCatalogo arquivos{pasta, disco};
    const auto valido = [&](const ParArquivos& p) {
        return !existe(pasta / p.novo) || novoArquivoIntegro(arquivos, p);
    };
    const bool vale = existe(pasta / kMarcaConjunta) ? valido(kParTipos) && valido(kParDigitacoes)
                                                     : existe(pasta / par.marca) && valido(par);
    return vale && existe(pasta / par.novo) ? pasta / par.novo : pasta / par.atual;
}

bool carregarTipos(const fs::path& pasta, CatalogoTipos& tipos, std::ostream& erros) {
    const auto bytes = lerArquivo(arquivoEfetivo(pasta, kParTipos));
    if (bytes) {
        const LeituraTipos leitura = lerTipos(*bytes, tipos);
        for (int numero : leitura.duplicatas) erros << mensagemDuplicata(numero) << '\n';
    }
    if (tipos.NumTipos > 0) return true;
    erros << kMensagemTipos << '\n';
    return false;
}

bool carregarDigitacoes(const fs::path& pasta, const CatalogoTipos& tipos, BancoDigitacoes& banco,
                        std::ostream& erros) {
    const auto bytes = lerArquivo(arquivoEfetivo(pasta, kParDigitacoes));
    if (bytes) lerDigitacoes(*bytes, tipos, banco);
    if (banco.NumDigitacoes() == 0) erros << kMensagemDigitacoes << '\n';
    if (banco.DigitacoesRejeitadas > 0)
        erros << "O arquivo POSICOES.DIG está danificado ou apresenta inconsistência com os "
                 "tipos de acorde definidos em ACORDES.TIP ("
              << banco.DigitacoesRejeitadas << " ocorrências).\n";
    return banco.NumDigitacoes() > 0;
}

}  // namespace

CatalogoCarregado carregarCatalogo(const fs::path& pasta, std::ostream& erros) {
    CatalogoCarregado carga;
    carga.tiposOk = carregarTipos(pasta, carga.catalogo.tipos, erros);
    // Without types every fingering would be rejected; the program stops here too.
    if (!carga.tiposOk) return carga;
    carga.digitacoesOk =
        carregarDigitacoes(pasta, carga.catalogo.tipos, carga.catalogo.digitacoes, erros);
    carga.catalogo.tipos.CalcularEquivalentes();
    return carga;
}

CatalogoCarregado carregarTiposDoCatalogo(const fs::path& pasta, std::ostream& erros) {
    CatalogoCarregado carga;
    carga.tiposOk = carregarTipos(pasta, carga.catalogo.tipos, erros);
    if (carga.tiposOk) carga.catalogo.tipos.CalcularEquivalentes();
    return carga;
}

}  // namespace trovale::cli
