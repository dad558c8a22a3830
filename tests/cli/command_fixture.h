#pragma once
// trovale-cli run against a temporary folder holding the example catalogue.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue_folder.h"
#include "cli_process.h"

namespace trovale::testing {

inline std::string lerBytes(const std::filesystem::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

class ComandoComCatalogo : public ::testing::Test {
  protected:
    void SetUp() override {
        pasta.gravar("ACORDES.TIP", tiposExemplo());
        pasta.gravar("POSICOES.DIG", digitacoesExemplo());
    }
    ResultadoCli executar(std::vector<std::string> argumentos) {
        argumentos.insert(argumentos.begin(), {"--dir", pasta.texto()});
        return executarCli(argumentos);
    }
    PastaTemporaria pasta;
};

}  // namespace trovale::testing
