#include "cli/output_checks.h"

#include <algorithm>
#include <system_error>

namespace trovale::cli {

std::string extensaoMinuscula(const std::filesystem::path& arquivo) {
    std::string ext = arquivo.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

bool saidaEhEntrada(const std::filesystem::path& saida,
                    const std::vector<std::filesystem::path>& entradas, std::ostream& erros) {
    for (const std::filesystem::path& entrada : entradas) {
        std::error_code erro;  // a file that does not exist is no input
        if (std::filesystem::equivalent(saida, entrada, erro)) {
            erros << saida.string()
                  << ": é também um dos arquivos lidos por este comando; nada foi gravado.\n";
            return true;
        }
    }
    return false;
}

bool saidaAceita(const std::filesystem::path& saida, std::string_view extensao,
                 const std::vector<std::filesystem::path>& entradas, std::ostream& erros) {
    if (extensaoMinuscula(saida) != extensao) {
        erros << saida.string() << ": a saída deve ser um arquivo " << extensao
              << "; nada foi gravado.\n";
        return false;
    }
    return !saidaEhEntrada(saida, entradas, erros);
}

}  // namespace trovale::cli
