#include "render/pdf_outline.h"

#include "pdf/numeros_pdf.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <regex>
#include <string_view>

#include "render/pdf_export.h"

namespace trovale {

namespace {

// What the last trailer says.
struct Trailer {
    long long tamanho = 0;
    long long raiz = 0;
    long long xref = 0;
    std::optional<long long> info;
};

// Digits too many for a number make the file unreadable, not the program fail.
std::optional<long long> numero(std::string_view digitos) {
    long long valor = 0;
    const auto [fim, erro] =
        std::from_chars(digitos.data(), digitos.data() + digitos.size(), valor);
    if (erro != std::errc() || fim != digitos.data() + digitos.size()) return std::nullopt;
    return valor;
}

std::optional<long long> ultimoNumero(const std::string& texto, const char* padrao) {
    const std::regex re(padrao);
    std::optional<long long> achado;
    for (auto it = std::sregex_iterator(texto.begin(), texto.end(), re);
         it != std::sregex_iterator(); ++it)
        achado = numero((*it)[1].str());
    return achado;
}

std::optional<Trailer> lerTrailer(const std::string& pdf) {
    // The trailer and the cross-reference position stand in the tail.
    const std::string cauda = pdf.substr(pdf.size() > 4096 ? pdf.size() - 4096 : 0);
    const auto tamanho = ultimoNumero(cauda, R"(/Size\s+(\d+))");
    const auto raiz = ultimoNumero(cauda, R"(/Root\s+(\d+)\s+0\s+R)");
    const auto xref = ultimoNumero(cauda, R"(startxref\s+(\d+))");
    if (!tamanho || !raiz || !xref) return std::nullopt;
    return Trailer{*tamanho, *raiz, *xref, ultimoNumero(cauda, R"(/Info\s+(\d+)\s+0\s+R)")};
}

using Posicoes = std::map<long long, long long>;

// Reads the subsections of one cross-reference section from `i`; returns where they end.
std::size_t lerSubsecoes(const std::string& pdf, std::size_t i, Posicoes& posicoes) {
    long long primeiro = 0, quantos = 0;
    int lidos = 0;
    while (i < pdf.size() &&
           std::sscanf(pdf.c_str() + i, " %lld %lld%n", &primeiro, &quantos, &lidos) == 2) {
        i = pdf.find('\n', i + static_cast<std::size_t>(lidos));
        if (i == std::string::npos) return pdf.size();
        // Entries of 20 bytes: offset, generation, "n" or "f", line end.
        for (long long k = 0; k < quantos && ++i + 18 <= pdf.size(); ++k, i += 19) {
            const auto posicao = numero(std::string_view(pdf).substr(i, 10));
            if (pdf[i + 17] == 'n' && posicao) posicoes.try_emplace(primeiro + k, *posicao);
        }
    }
    return std::min(i, pdf.size());
}

// Where each object stands, from the cross-reference section at `xref` and the ones before
// it; the newest position of an object wins.
Posicoes posicoesDosObjetos(const std::string& pdf, long long xref) {
    Posicoes posicoes;
    for (int secoes = 0; xref > 0 && secoes < 64; ++secoes) {
        const auto inicio = static_cast<std::size_t>(xref);
        if (inicio >= pdf.size() || pdf.compare(inicio, 4, "xref") != 0) break;
        const std::size_t fim = lerSubsecoes(pdf, inicio + 4, posicoes);
        const std::string trailer = pdf.substr(fim, pdf.find("startxref", fim) - fim);
        xref = ultimoNumero(trailer, R"(/Prev\s+(\d+))").value_or(0);
    }
    return posicoes;
}

// The text between "N 0 obj" and "endobj".
std::optional<std::string> corpoDoObjeto(const std::string& pdf, const Posicoes& posicoes,
                                         long long objeto) {
    const auto onde = posicoes.find(objeto);
    if (onde == posicoes.end()) return std::nullopt;
    const auto desde = static_cast<std::size_t>(onde->second);
    const std::size_t inicio = pdf.find("obj", desde);
    const std::size_t fim = pdf.find("endobj", desde);
    if (inicio == std::string::npos || fim == std::string::npos || fim < inicio)
        return std::nullopt;
    return pdf.substr(inicio + 3, fim - inicio - 3);
}

std::vector<long long> referencias(const std::string& texto) {
    static const std::regex re(R"((\d+)\s+0\s+R)");
    std::vector<long long> achadas;
    for (auto it = std::sregex_iterator(texto.begin(), texto.end(), re);
         it != std::sregex_iterator(); ++it)
        if (const auto n = numero((*it)[1].str())) achadas.push_back(*n);
    return achadas;
}

// The page objects in page order, the page tree walked depth first.
bool juntarPaginas(const std::string& pdf, const Posicoes& posicoes, long long no,
                   std::vector<long long>& paginas, int profundidade = 0) {
    const auto corpo = corpoDoObjeto(pdf, posicoes, no);
    if (!corpo || profundidade > 32) return false;
    static const std::regex filhos(R"(/Kids\s*\[([^\]]*)\])");
    std::smatch m;
    if (!std::regex_search(*corpo, m, filhos)) {
        paginas.push_back(no);
        return true;
    }
    for (long long filho : referencias(m[1].str()))
        if (!juntarPaginas(pdf, posicoes, filho, paginas, profundidade + 1)) return false;
    return true;
}

std::optional<std::vector<long long>> objetosDasPaginas(const std::string& pdf,
                                                        const Posicoes& posicoes,
                                                        const std::string& catalogo) {
    static const std::regex arvore(R"(/Pages\s+(\d+)\s+0\s+R)");
    std::smatch m;
    if (!std::regex_search(catalogo, m, arvore)) return std::nullopt;
    std::vector<long long> paginas;
    const auto raiz = numero(m[1].str());
    if (!raiz || !juntarPaginas(pdf, posicoes, *raiz, paginas)) return std::nullopt;
    return paginas;
}

std::string ref(long long objeto) {
    return std::to_string(objeto) + " 0 R";
}

// The outline's root at `raiz`, its entries right after it.
std::map<long long, std::string> objetosDoSumario(const std::vector<MarcadorPdf>& marcadores,
                                                  const std::vector<long long>& paginas,
                                                  long long raiz) {
    const long long n = static_cast<long long>(marcadores.size());
    std::map<long long, std::string> objetos;
    objetos[raiz] = "<< /Type /Outlines /First " + ref(raiz + 1) + " /Last " + ref(raiz + n) +
                    " /Count " + std::to_string(n) + " >>";
    for (long long i = 0; i < n; ++i) {
        const MarcadorPdf& m = marcadores[static_cast<std::size_t>(i)];
        std::string item = "<< /Title " + pdf::textoUtf16Hex(m.titulo) + " /Parent " + ref(raiz);
        if (i > 0) item += " /Prev " + ref(raiz + i);
        if (i + 1 < n) item += " /Next " + ref(raiz + i + 2);
        item += " /Dest [" + ref(paginas[static_cast<std::size_t>(m.pagina - 1)]) + " /Fit] >>";
        objetos[raiz + 1 + i] = item;
    }
    return objetos;
}

// Objects, a cross-reference section of one subsection per run of numbers, and the trailer.
void acrescentarAtualizacao(std::string& pdf, const std::map<long long, std::string>& objetos,
                            const Trailer& anterior, long long tamanho) {
    if (pdf.back() != '\n') pdf += '\n';
    std::map<long long, std::size_t> posicoes;
    for (const auto& [numero, corpo] : objetos) {
        posicoes[numero] = pdf.size();
        pdf += std::to_string(numero) + " 0 obj\n" + corpo + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n";
    for (auto it = posicoes.begin(); it != posicoes.end();) {
        auto fim = it;
        long long proximo = it->first;
        while (fim != posicoes.end() && fim->first == proximo) ++fim, ++proximo;
        pdf += std::to_string(it->first) + " " + std::to_string(proximo - it->first) + "\n";
        for (; it != fim; ++it) {
            char entrada[32];
            std::snprintf(entrada, sizeof entrada, "%010zu 00000 n \n", it->second);
            pdf += entrada;
        }
    }
    pdf += "trailer\n<< /Size " + std::to_string(tamanho) + " /Root " + ref(anterior.raiz);
    if (anterior.info) pdf += " /Info " + ref(*anterior.info);
    pdf += " /Prev " + std::to_string(anterior.xref) + " >>\nstartxref\n" + std::to_string(xref) +
           "\n%%EOF\n";
}

}  // namespace

std::string comMarcadores(std::string pdf, const std::vector<MarcadorPdf>& marcadores) {
    const auto trailer = lerTrailer(pdf);
    if (marcadores.empty() || !trailer) return pdf;
    const auto posicoes = posicoesDosObjetos(pdf, trailer->xref);
    const auto catalogo = corpoDoObjeto(pdf, posicoes, trailer->raiz);
    if (!catalogo) return pdf;
    const auto paginas = objetosDasPaginas(pdf, posicoes, *catalogo);
    const std::size_t fimDicionario = catalogo->rfind(">>");
    if (!paginas || fimDicionario == std::string::npos) return pdf;
    for (const MarcadorPdf& m : marcadores)
        if (m.pagina < 1 || m.pagina > static_cast<int>(paginas->size())) return pdf;

    const long long raiz = trailer->tamanho;
    std::map<long long, std::string> objetos = objetosDoSumario(marcadores, *paginas, raiz);
    // The catalogue is written again, now naming the outline.
    std::string novoCatalogo = *catalogo;
    novoCatalogo.insert(fimDicionario, "/Outlines " + ref(raiz) + " /PageMode /UseOutlines\n");
    objetos[trailer->raiz] = novoCatalogo;
    acrescentarAtualizacao(pdf, objetos, *trailer,
                           raiz + 1 + static_cast<long long>(marcadores.size()));
    return pdf;
}

}  // namespace trovale
