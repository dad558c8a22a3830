#include "document/repertoire.h"

#include <charconv>
#include <cstdlib>

#include "base/blanks.h"

namespace trovale {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxSemitons = 11;
constexpr int kMaxCasa = 11;
constexpr std::string_view kCabecalho =
    "# Repert\xC3\xB3rio do Trovale: uma m\xC3\xBAsica por linha, com os campos separados por "
    "tabula\xC3\xA7\xC3\xA3o:\n"
    "# arquivo da m\xC3\xBAsica, semitons (+2, -1, 0), casa do capotraste (- para a da "
    "m\xC3\xBAsica), observa\xC3\xA7\xC3\xA3o,\n"
    "# segundos de cada p\xC3\xA1gina no palco antes de virar sozinha (0 ou nada: vira com o "
    "pedal).\n";

std::vector<std::string_view> campos(std::string_view linha) {
    std::vector<std::string_view> saida;
    std::size_t inicio = 0;
    while (true) {
        const std::size_t tab = linha.find('\t', inicio);
        saida.push_back(linha.substr(inicio, tab - inicio));
        if (tab == std::string_view::npos) return saida;
        inicio = tab + 1;
    }
}

std::optional<int> inteiro(std::string_view texto) {
    texto = aparar(texto);
    if (!texto.empty() && texto.front() == '+') texto.remove_prefix(1);
    int valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (texto.empty() || erro != std::errc() || fim != texto.data() + texto.size())
        return std::nullopt;
    return valor;
}

// The entry a line holds, or the reason it holds none.
struct LeituraDaLinha {
    std::optional<EntradaRepertorio> entrada;
    std::string problema;
};

LeituraDaLinha lerLinha(std::string_view linha, const fs::path& pasta) {
    const std::vector<std::string_view> c = campos(linha);
    EntradaRepertorio e;
    const std::string_view arquivo = aparar(c[0]);
    if (arquivo.empty()) return {std::nullopt, "falta o arquivo da m\xC3\xBAsica."};
    const fs::path caminho = fs::path(std::u8string(arquivo.begin(), arquivo.end()));
    e.musica = caminho.is_absolute() ? caminho : (pasta / caminho).lexically_normal();
    if (c.size() > 1 && !aparar(c[1]).empty()) {
        const auto semitons = inteiro(c[1]);
        if (!semitons || *semitons < -kMaxSemitons || *semitons > kMaxSemitons)
            return {std::nullopt, "\"" + std::string(c[1]) + "\" n\xC3\xA3o s\xC3\xA3o semitons de -11 a 11."};
        e.semitons = *semitons;
    }
    if (c.size() > 2 && !aparar(c[2]).empty() && aparar(c[2]) != "-") {
        const auto casa = inteiro(c[2]);
        if (!casa || *casa < 0 || *casa > kMaxCasa)
            return {std::nullopt, "\"" + std::string(c[2]) + "\" n\xC3\xA3o \xC3\xA9 casa de capotraste de 0 a 11."};
        e.capotraste = *casa;
    }
    if (c.size() > 3) e.nota = std::string(aparar(c[3]));
    if (c.size() > 4 && !aparar(c[4]).empty()) {
        const auto segundos = inteiro(c[4]);
        if (!segundos || *segundos < 0 || *segundos > kMaxSegundosPorPagina)
            return {std::nullopt, "\"" + std::string(c[4]) +
                                      "\" n\xC3\xA3o s\xC3\xA3o segundos por p\xC3\xA1gina de 0 a 600."};
        e.segundosPorPagina = *segundos;
    }
    if (c.size() > 5) return {std::nullopt, "campos demais."};
    return {e, {}};
}

// The song's path as the file keeps it: from the repertoire's folder, unless the two only meet
// at the root (another disc), where the whole path says more.
std::string caminhoGravado(const fs::path& musica, const fs::path& pasta) {
    const fs::path relativo = musica.lexically_relative(pasta);
    std::size_t subidas = 0, profundidade = 0;
    for (const fs::path& parte : relativo) subidas += parte == "..";
    for (const fs::path& parte : pasta.relative_path()) profundidade += !parte.empty();
    const bool perto = !relativo.empty() && (subidas < profundidade || !musica.is_absolute());
    const std::u8string texto = (perto ? relativo : musica).generic_u8string();
    return std::string(texto.begin(), texto.end());
}

std::string semSeparadores(std::string texto) {
    for (char& c : texto)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return texto;
}

}  // namespace

RepertorioLido lerRepertorio(std::string_view texto, const fs::path& pasta) {
    RepertorioLido lido;
    int numero = 0;
    while (!texto.empty()) {
        const std::size_t fim = texto.find('\n');
        std::string_view linha = texto.substr(0, fim);
        texto.remove_prefix(fim == std::string_view::npos ? texto.size() : fim + 1);
        ++numero;
        if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
        if (numero == 1 && linha.starts_with("\xEF\xBB\xBF")) linha.remove_prefix(3);
        if (aparar(linha).empty() || aparar(linha).front() == '#') continue;
        LeituraDaLinha l = lerLinha(linha, pasta);
        if (l.entrada) {
            lido.repertorio.entradas.push_back(std::move(*l.entrada));
            continue;
        }
        lido.problemas.push_back("Linha " + std::to_string(numero) + ": " + l.problema);
        EntradaRepertorio danificada;
        danificada.danificada = std::string(linha);
        lido.repertorio.entradas.push_back(std::move(danificada));
    }
    return lido;
}

std::string textoDoRepertorio(const Repertorio& repertorio, const fs::path& pasta) {
    std::string texto(kCabecalho);
    for (const EntradaRepertorio& e : repertorio.entradas) {
        if (!e.valida()) {
            texto += e.danificada + '\n';
            continue;
        }
        texto += semSeparadores(caminhoGravado(e.musica, pasta)) + '\t';
        texto += (e.semitons > 0 ? "+" : "") + std::to_string(e.semitons) + '\t';
        texto += e.capotraste ? std::to_string(*e.capotraste) : "-";
        if (!e.nota.empty() || e.segundosPorPagina > 0) texto += '\t' + semSeparadores(e.nota);
        if (e.segundosPorPagina > 0) texto += '\t' + std::to_string(e.segundosPorPagina);
        texto += '\n';
    }
    return texto;
}

std::string resumoDaEntrada(const EntradaRepertorio& e) {
    std::string resumo;
    if (e.semitons != 0)
        resumo = (e.semitons > 0 ? "+" : "") + std::to_string(e.semitons) +
                 (std::abs(e.semitons) == 1 ? " semitom" : " semitons");
    if (e.capotraste) {
        if (!resumo.empty()) resumo += ", ";
        resumo += *e.capotraste == 0 ? "sem capotraste"
                                     : "capotraste na " + std::to_string(*e.capotraste) +
                                           "\xC2\xAA casa";
    }
    if (resumo.empty()) resumo = "tom original";
    if (e.segundosPorPagina > 0)
        resumo += ", vira a cada " + std::to_string(e.segundosPorPagina) + " s";
    return resumo;
}

}  // namespace trovale
