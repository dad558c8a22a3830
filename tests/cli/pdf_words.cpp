#include "pdf_words.h"

#include <cmath>
#include <regex>
#include <sstream>

#include "cli_process.h"

namespace trovale::testing {

namespace {

std::vector<Palavra> palavrasDoHtml(const std::string& html) {
    static const std::regex padrao(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Palavra> palavras;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), padrao);
         it != std::sregex_iterator(); ++it)
        palavras.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                            std::stod((*it)[4]), (*it)[5]});
    return palavras;
}

// Upper case of the Latin letters the songs use, so that rows written in capitals match.
std::string maiusculas(std::string s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 'a' && c <= 'z') s[i] = static_cast<char>(c - 32);
        const bool latino = c == 0xC3 && i + 1 < s.size();
        if (latino && static_cast<unsigned char>(s[i + 1]) >= 0xA0 &&
            static_cast<unsigned char>(s[i + 1]) != 0xB7)
            s[i + 1] = static_cast<char>(static_cast<unsigned char>(s[i + 1]) - 0x20);
    }
    return s;
}

// poppler writes &amp; &lt; &gt; &quot; &apos; in the words it reads.
std::string semEntidades(std::string s) {
    static const std::pair<const char*, const char*> entidades[] = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}};
    for (const auto& [entidade, caractere] : entidades)
        for (std::size_t p = s.find(entidade); p != std::string::npos; p = s.find(entidade, p))
            s.replace(p, std::string_view(entidade).size(), caractere), ++p;
    return s;
}

}  // namespace

std::vector<std::vector<Palavra>> palavrasDasPaginas(const std::filesystem::path& pdf) {
    const std::string html = saidaDoComando("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
    std::vector<std::vector<Palavra>> paginas;
    for (std::size_t inicio = html.find("<page "); inicio != std::string::npos;) {
        const std::size_t fim = html.find("</page>", inicio);
        paginas.push_back(palavrasDoHtml(html.substr(inicio, fim - inicio)));
        inicio = fim == std::string::npos ? fim : html.find("<page ", fim);
    }
    for (auto& pagina : paginas)
        for (Palavra& p : pagina) p.texto = semEntidades(std::move(p.texto));
    return paginas;
}

std::vector<Palavra> palavrasDaPagina(const std::filesystem::path& pdf, int pagina) {
    const std::string p = std::to_string(pagina);
    std::vector<Palavra> palavras = palavrasDoHtml(saidaDoComando(
        "pdftotext -bbox -f " + p + " -l " + p + " '" + pdf.string() + "' - 2>/dev/null"));
    for (Palavra& w : palavras) w.texto = semEntidades(std::move(w.texto));
    return palavras;
}

std::vector<std::string> palavrasDoTexto(const std::string& texto) {
    std::istringstream entrada(texto);
    std::vector<std::string> palavras;
    for (std::string p; entrada >> p;) palavras.push_back(p);
    return palavras;
}

std::optional<std::vector<Palavra>> acharLinha(const std::vector<Palavra>& pagina,
                                               const std::vector<std::string>& procuradas,
                                               bool semCaixa) {
    const auto igual = [semCaixa](const std::string& a, const std::string& b) {
        return semCaixa ? maiusculas(a) == maiusculas(b) : a == b;
    };
    for (std::size_t i = 0; i + procuradas.size() <= pagina.size(); ++i) {
        bool achou = true;
        for (std::size_t k = 0; k < procuradas.size() && achou; ++k)
            achou = igual(pagina[i + k].texto, procuradas[k]) &&
                    std::abs(pagina[i + k].y1 - pagina[i].y1) < 0.5;
        if (achou)
            return std::vector<Palavra>(pagina.begin() + i, pagina.begin() + i + procuradas.size());
    }
    return std::nullopt;
}

}  // namespace trovale::testing
