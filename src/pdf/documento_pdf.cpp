#include "pdf/documento_pdf.h"

#include <algorithm>

#include "pdf/colecao_fontes.h"
#include "pdf/compressao.h"
#include "pdf/escritor_pdf.h"
#include "pdf/numeros_pdf.h"
#include "pdf/objetos_fonte.h"

namespace trovale::pdf {

namespace {

// What readers accept for a page side (PDF 1.4 limits, in points).
constexpr double kMenorLado = 3, kMaiorLado = 14400;
constexpr double kA4Largura = 595.28, kA4Altura = 841.89;
constexpr std::size_t kReservaPagina = 16 * 1024;

double lado(double pt) {
    return pt >= kMenorLado ? std::min(pt, kMaiorLado) : kMenorLado;  // NaN too
}

// Objects in file order: catalogue, page tree, info, the shared resources, then each font's
// objects, then each page and its content.
struct Numeracao {
    static constexpr int kCatalogo = 1, kPaginas = 2, kInformacoes = 3, kRecursos = 4;
    std::vector<int> fontes;  // first object of each font, 0 when unused
    int primeiraPagina = 0, total = 0;
};

Numeracao numerar(const ColecaoFontes& fontes, std::size_t paginas) {
    Numeracao n;
    int proximo = Numeracao::kRecursos + 1;
    for (int i = 0; i < fontes.quantas(); ++i) {
        n.fontes.push_back(fontes.fonte(i)->usada() ? proximo : 0);
        if (fontes.fonte(i)->usada()) proximo += kObjetosPorFonte;
    }
    n.primeiraPagina = proximo;
    n.total = proximo + 2 * static_cast<int>(paginas) - 1;
    return n;
}

void referencia(std::string& saida, int numero) {
    acrescentarInteiro(saida, numero);
    saida += " 0 R";
}

}  // namespace

DocumentoPdf::DocumentoPdf()
    : fontes_(std::make_unique<ColecaoFontes>()), compressor_(std::make_unique<Compressor>()) {}
DocumentoPdf::~DocumentoPdf() = default;
DocumentoPdf::DocumentoPdf(DocumentoPdf&&) noexcept = default;
DocumentoPdf& DocumentoPdf::operator=(DocumentoPdf&&) noexcept = default;

std::optional<int> DocumentoPdf::adicionarFonte(const std::filesystem::path& arquivo, int face) {
    return fontes_->adicionar(arquivo, face);
}

double DocumentoPdf::larguraPorMil(int indice, char32_t caractere) const {
    const FonteTrueType* fonte = fontes_->fonte(indice);
    if (!fonte) return 0;
    const std::uint16_t glifo = fonte->glifo(caractere);
    return glifo ? fonte->larguraPorMil(glifo) : 0;
}

PaginaPdf& DocumentoPdf::novaPagina(double larguraPt, double alturaPt) {
    // A songbook's pages are alike: room for what the last one took spares copying as it grows.
    const std::size_t anterior = paginas_.empty() ? 0 : paginas_.back()->conteudo().size();
    const std::size_t reserva =
        std::max(kReservaPagina, std::max(anterior, maiorConteudo_) * 5 / 4);
    paginas_.emplace_back(new PaginaPdf(*fontes_, lado(larguraPt), lado(alturaPt), reserva));
    return *paginas_.back();
}

void DocumentoPdf::concluir(PaginaPdf& pagina) {
    if (pagina.fontes_ != fontes_.get()) return;  // another document's
    maiorConteudo_ = std::max(maiorConteudo_, pagina.conteudo().size());
    pagina.concluir(*compressor_);
}

void DocumentoPdf::definirInformacoes(std::string titulo, std::string autor) {
    titulo_ = std::move(titulo);
    autor_ = std::move(autor);
}

std::string DocumentoPdf::gerar() const {
    // Readers refuse a file without pages: a document never drawn on gets one blank A4 page.
    const PaginaPdf vazia(*fontes_, kA4Largura, kA4Altura, 0);
    std::vector<const PaginaPdf*> paginas;
    for (const auto& p : paginas_) paginas.push_back(p.get());
    if (paginas.empty()) paginas.push_back(&vazia);

    const Numeracao n = numerar(*fontes_, paginas.size());
    std::size_t reserva = 4096;
    for (const PaginaPdf* p : paginas)
        reserva +=
            (p->concluida() ? p->comprimido(*compressor_).size() : p->conteudo().size() / 3) + 256;
    EscritorPdf escritor(n.total, reserva, *compressor_);
    std::string& s = escritor.saida();

    escritor.abrirObjeto(Numeracao::kCatalogo);
    s += "<< /Type /Catalog /Pages ";
    referencia(s, Numeracao::kPaginas);
    s += " >>";
    escritor.fecharObjeto();

    escritor.abrirObjeto(Numeracao::kPaginas);
    s += "<< /Type /Pages /Kids [";
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        referencia(s, n.primeiraPagina + 2 * static_cast<int>(i));
        s.push_back(' ');
    }
    s += "] /Count ";
    acrescentarInteiro(s, static_cast<long long>(paginas.size()));
    s += " >>";
    escritor.fecharObjeto();

    escritor.abrirObjeto(Numeracao::kInformacoes);
    s += "<<";
    if (!titulo_.empty()) s += " /Title " + textoUtf16Hex(titulo_);
    if (!autor_.empty()) s += " /Author " + textoUtf16Hex(autor_);
    s += " >>";
    escritor.fecharObjeto();

    escritor.abrirObjeto(Numeracao::kRecursos);
    s += "<< /Font <<";
    for (std::size_t i = 0; i < n.fontes.size(); ++i) {
        if (!n.fontes[i]) continue;
        s += " /F";
        acrescentarInteiro(s, static_cast<long long>(i) + 1);
        s.push_back(' ');
        referencia(s, n.fontes[i]);
    }
    s += " >> >>";
    escritor.fecharObjeto();

    for (std::size_t i = 0; i < n.fontes.size(); ++i)
        if (n.fontes[i])
            escreverFonte(escritor, *fontes_->fonte(static_cast<int>(i)), static_cast<int>(i),
                          n.fontes[i]);

    for (std::size_t i = 0; i < paginas.size(); ++i) {
        const PaginaPdf& pagina = *paginas[i];
        const int numero = n.primeiraPagina + 2 * static_cast<int>(i);
        escritor.abrirObjeto(numero);
        s += "<< /Type /Page /Parent ";
        referencia(s, Numeracao::kPaginas);
        s += " /MediaBox [0 0 ";
        acrescentarNumero(s, pagina.largura());
        s.push_back(' ');
        acrescentarNumero(s, pagina.altura());
        s += "] /Resources ";
        referencia(s, Numeracao::kRecursos);
        s += " /Contents ";
        referencia(s, numero + 1);
        s += " >>";
        escritor.fecharObjeto();
        escritor.fluxoComprimido(numero + 1, "", pagina.comprimido(*compressor_));
    }
    return escritor.terminar(Numeracao::kCatalogo, Numeracao::kInformacoes);
}

}  // namespace trovale::pdf
