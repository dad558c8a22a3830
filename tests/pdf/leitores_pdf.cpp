#include "leitores_pdf.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace trovale::pdf::testing {

std::string saidaDe(const std::string& comando, bool comErros) {
    std::string saida;
    const std::string linha = comando + (comErros ? " 2>&1" : " 2>/dev/null");
    if (FILE* processo = popen(linha.c_str(), "r")) {
        char bloco[4096];
        while (std::size_t n = fread(bloco, 1, sizeof bloco, processo)) saida.append(bloco, n);
        pclose(processo);
    }
    return saida;
}

bool temFerramenta(const std::string& nome) {
    return !saidaDe("command -v " + nome).empty();
}

std::string aspas(const std::filesystem::path& caminho) {
    return "'" + caminho.string() + "'";
}

std::filesystem::path gravar(const std::string& bytes, const std::string& nome) {
    // A folder per test: CTest may run them side by side.
    const auto* teste = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto pasta = std::filesystem::path(::testing::TempDir()) / "trovale_pdf_tests" /
                       (std::string(teste->test_suite_name()) + "." + teste->name());
    std::filesystem::create_directories(pasta);
    const auto caminho = pasta / nome;
    std::ofstream(caminho, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return caminho;
}

std::string problemasQpdf(const std::filesystem::path& arquivo) {
    const std::string saida = saidaDe("qpdf --check " + aspas(arquivo) + "; echo status=$?", true);
    const bool limpo =
        saida.find("No syntax or stream encoding errors found") != std::string::npos &&
        saida.find("WARNING") == std::string::npos && saida.find("status=0") != std::string::npos;
    return limpo ? std::string() : saida;
}

ImagemCinza renderizar(const std::filesystem::path& arquivo, int pagina, std::string& queixas) {
    const auto base = arquivo.parent_path() / (arquivo.stem().string() + "_pagina");
    const std::string p = std::to_string(pagina);
    queixas = saidaDe("pdftoppm -gray -r 72 -singlefile -f " + p + " -l " + p + " " +
                          aspas(arquivo) + " " + aspas(base),
                      true);
    ImagemCinza imagem;
    std::ifstream pgm(base.string() + ".pgm", std::ios::binary);
    std::string magica;
    int maximo = 0;
    pgm >> magica >> imagem.largura >> imagem.altura >> maximo;
    pgm.get();
    if (magica != "P5" || maximo != 255 || imagem.largura <= 0 || imagem.altura <= 0) return {};
    imagem.pixels.resize(static_cast<std::size_t>(imagem.largura * imagem.altura));
    pgm.read(reinterpret_cast<char*>(imagem.pixels.data()),
             static_cast<std::streamsize>(imagem.pixels.size()));
    return imagem;
}

}  // namespace trovale::pdf::testing
