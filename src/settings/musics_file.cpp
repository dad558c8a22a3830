#include "settings/musics_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/dialogs.h"
#include "base/file_system.h"
#include "base/text_codec.h"
#include "settings/settings_file.h"

namespace trovale {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFimLinha = "\r\n";

std::optional<ColunaArquivo> colunaDaLetra(char letra) {
    switch (letra) {
        case 'A':
        case 'a':
            return ColunaArquivo::Autor;
        case 'N':
        case 'n':
            return ColunaArquivo::Nome;
        case 'T':
        case 't':
            return ColunaArquivo::Titulo;
        default:
            return std::nullopt;
    }
}

// "width name": the width may have blanks before it; only the name's first letter counts.
std::optional<ColunaMusicas> lerColuna(std::string_view linha) {
    while (!linha.empty() && linha.front() == ' ') linha.remove_prefix(1);
    double largura = 0;
    const auto [fim, erro] = std::from_chars(linha.data(), linha.data() + linha.size(), largura);
    if (erro != std::errc() || !std::isfinite(largura) || largura < 0 || largura > 1) {
        return std::nullopt;
    }
    std::string_view nome = linha.substr(static_cast<std::size_t>(fim - linha.data()));
    if (nome.empty() || nome.front() != ' ') return std::nullopt;
    nome.remove_prefix(1);
    if (nome.empty()) return std::nullopt;
    const auto coluna = colunaDaLetra(nome.front());
    if (!coluna) return std::nullopt;
    return ColunaMusicas{*coluna, largura};
}

// The folder was written in Windows-1252 unless that could not hold it.
std::string pastaDoArquivo(std::string_view bytes) {
    return pareceUtf8(bytes) ? std::string(bytes) : utf8DeWindows1252(bytes);
}

std::string pastaParaArquivo(const std::string& pasta) {
    const std::string cp1252 = windows1252DeUtf8(pasta);
    return utf8DeWindows1252(cp1252) == pasta ? cp1252 : pasta;
}

}  // namespace

const char* nomeColuna(ColunaArquivo coluna) {
    switch (coluna) {
        case ColunaArquivo::Nome:
            return "Nome";
        case ColunaArquivo::Titulo:
            return "Título";
        case ColunaArquivo::Autor:
            break;
    }
    return "Autor";
}

std::string larguraCientifica(double largura) {
    char mantissa[40];
    std::snprintf(mantissa, sizeof mantissa, "%.14E", std::fabs(largura));
    // "3.00000000000000E-01": the exponent is rewritten with its sign and four digits.
    const std::string texto = mantissa;
    const std::size_t e = texto.find('E');
    const int expoente = std::atoi(texto.c_str() + e + 1);
    char campo[40];
    std::snprintf(campo, sizeof campo, "%c%sE%c%04d", largura < 0 ? '-' : ' ',
                  texto.substr(0, e).c_str(), expoente < 0 ? '-' : '+', std::abs(expoente));
    return campo;
}

std::string formatarMusicas(const ConfiguracaoMusicas& configuracao) {
    std::string bytes = std::to_string(configuracao.fonteEditor) + ' ' +
                        pastaParaArquivo(configuracao.pasta) + kFimLinha;
    for (const ColunaMusicas& c : configuracao.colunas) {
        bytes += larguraCientifica(c.largura) + ' ' + windows1252DeUtf8(nomeColuna(c.coluna)) +
                 kFimLinha;
    }
    return bytes;
}

std::optional<ConfiguracaoMusicas> interpretarMusicas(std::string_view bytes) {
    const std::vector<std::string> linhas = linhasArquivo(bytes);
    if (linhas.size() < 4) return std::nullopt;
    std::string_view resto;
    const auto numeros = lerInteiros(linhas[0], 1, &resto);
    if (!numeros || (*numeros)[0] < 0 || resto.size() < 2 || resto.front() != ' ') {
        return std::nullopt;
    }
    ConfiguracaoMusicas configuracao;
    configuracao.fonteEditor = (*numeros)[0] < 2 ? 10 : (*numeros)[0];
    configuracao.pasta = pastaDoArquivo(resto.substr(1));
    bool vista[3] = {false, false, false};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto coluna = lerColuna(linhas[i + 1]);
        // A column twice would leave another one out of the list for good.
        if (!coluna || vista[static_cast<int>(coluna->coluna)]) return std::nullopt;
        vista[static_cast<int>(coluna->coluna)] = true;
        configuracao.colunas[i] = *coluna;
    }
    return configuracao;
}

ConfiguracaoMusicas carregarMusicas(FileSystem& fs, const fs::path& pastaPrograma,
                                    const std::string& pastaPadrao, Dialogs& dialogs) {
    ConfiguracaoMusicas padrao;
    padrao.pasta = pastaPadrao;
    const fs::path caminho = pastaPrograma / kArquivoMusicas;
    bool existe = false;
    try {
        existe = fs.exists(caminho);
    } catch (const FileSystemError&) {
        existe = true;  // there, but not even its presence can be read
    }
    if (!existe) return padrao;
    if (const auto bytes = fs.readFile(caminho, kLimiteConfiguracao)) {
        if (auto configuracao = interpretarMusicas(*bytes)) return *configuracao;
    }
    dialogs.aviso(mensagemArquivoDefeituoso(caminho));
    return padrao;
}

ResultadoGravacao gravarMusicas(FileSystem& fs, const fs::path& pastaPrograma,
                                const ConfiguracaoMusicas& configuracao, Dialogs& dialogs) {
    return gravarArquivo(fs, pastaPrograma / kArquivoMusicas, formatarMusicas(configuracao),
                         dialogs);
}

}  // namespace trovale
