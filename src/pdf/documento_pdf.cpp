#include "pdf/documento_pdf.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

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

std::int64_t agora() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// "D:20261210153000Z": a PDF date, in UTC.
std::string dataPdf(std::int64_t segundos) {
    using namespace std::chrono;
    const sys_seconds instante{seconds(segundos)};
    const sys_days dia = floor<days>(instante);
    const year_month_day data(dia);
    const hh_mm_ss hora(instante - dia);
    char texto[32];
    std::snprintf(texto, sizeof texto, "D:%04d%02u%02u%02d%02d%02dZ", int(data.year()),
                  unsigned(data.month()), unsigned(data.day()), int(hora.hours().count()),
                  int(hora.minutes().count()), int(hora.seconds().count()));
    return texto;
}

double lado(double pt) {
    return pt >= kMenorLado ? std::min(pt, kMaiorLado) : kMenorLado;  // NaN too
}

// The fixed objects come first; each page and its content follow in drawing order, then each
// font's objects, numbered once the pages are known.
constexpr int kCatalogo = 1, kPaginas = 2, kInformacoes = 3, kRecursos = 4, kPrimeiraPagina = 5;

int numeroDaPagina(std::size_t indice) { return kPrimeiraPagina + 2 * static_cast<int>(indice); }

void referencia(std::string& saida, int numero) {
    acrescentarInteiro(saida, numero);
    saida += " 0 R";
}

}  // namespace

DocumentoPdf::DocumentoPdf()
    : fontes_(std::make_unique<ColecaoFontes>()),
      compressor_(std::make_unique<Compressor>()),
      criadoEm_(agora()) {}
DocumentoPdf::DocumentoPdf(DestinoPdf destino) : DocumentoPdf() {
    fluxo_ = std::make_unique<EscritorPdf>(kReservaPagina, *compressor_, std::move(destino));
}
DocumentoPdf::~DocumentoPdf() = default;
DocumentoPdf::DocumentoPdf(DocumentoPdf&&) noexcept = default;
DocumentoPdf& DocumentoPdf::operator=(DocumentoPdf&&) noexcept = default;

std::optional<int> DocumentoPdf::adicionarFonte(const std::filesystem::path& arquivo, int face) {
    return fontes_->adicionar(arquivo, face);
}

double DocumentoPdf::larguraPorMil(int indice, char32_t caractere) const {
    const FonteEmbutida* fonte = fontes_->fonte(indice);
    if (!fonte) return 0;
    const std::uint16_t glifo = fonte->glifo(caractere);
    return glifo ? fonte->larguraPorMil(glifo) : 0;
}

PaginaPdf& DocumentoPdf::novaPagina(double larguraPt, double alturaPt) {
    if (fluxo_ && !paginas_.empty()) concluir(*paginas_.back());
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
    entregarPendente();
}

// A document written as it is drawn hands over its concluded pages, in order, and forgets them.
void DocumentoPdf::entregarPendente() {
    if (!fluxo_) return;
    for (; paginasEntregues_ < paginas_.size(); ++paginasEntregues_) {
        PaginaPdf& pagina = *paginas_[paginasEntregues_];
        if (!pagina.concluida()) return;  // still being drawn
        escreverPagina(*fluxo_, pagina, paginasEntregues_);
        std::string().swap(pagina.comprimido_);
    }
}

void DocumentoPdf::definirInformacoes(std::string titulo, std::string autor) {
    titulo_ = std::move(titulo);
    autor_ = std::move(autor);
}

void DocumentoPdf::definirData(std::int64_t segundosDesde1970) {
    criadoEm_ = segundosDesde1970;
}

int DocumentoPdf::adicionarMarcador(std::string titulo, int pagina, int pai) {
    const int ultima = std::max(0, static_cast<int>(paginas_.size()) - 1);
    const int quantos = static_cast<int>(marcadores_.size());
    marcadores_.push_back({std::move(titulo), std::clamp(pagina, 0, ultima),
                           pai >= 0 && pai < quantos ? pai : -1});
    return quantos;
}

std::string DocumentoPdf::gerar() const {
    if (fluxo_) return {};
    std::size_t reserva = 4096;
    for (const auto& p : paginas_)
        reserva +=
            (p->concluida() ? p->comprimido(*compressor_).size() : p->conteudo().size() / 3) + 256;
    EscritorPdf escritor(reserva, *compressor_);
    for (std::size_t i = 0; i < paginas_.size(); ++i) escreverPagina(escritor, *paginas_[i], i);
    escreverFim(escritor, static_cast<int>(paginas_.size()));
    return escritor.terminar(kCatalogo, kInformacoes);
}

void DocumentoPdf::terminar() {
    if (!fluxo_) return;
    if (!paginas_.empty()) concluir(*paginas_.back());
    entregarPendente();
    escreverFim(*fluxo_, static_cast<int>(paginas_.size()));
    fluxo_->terminar(kCatalogo, kInformacoes);
    fluxo_.reset();
}

void DocumentoPdf::escreverPagina(EscritorPdf& escritor, const PaginaPdf& pagina,
                                  std::size_t indice) const {
    const int numero = numeroDaPagina(indice);
    std::string& s = escritor.saida();
    escritor.abrirObjeto(numero);
    s += "<< /Type /Page /Parent ";
    referencia(s, kPaginas);
    s += " /MediaBox [0 0 ";
    acrescentarNumero(s, pagina.largura());
    s.push_back(' ');
    acrescentarNumero(s, pagina.altura());
    s += "] /Resources ";
    referencia(s, kRecursos);
    s += " /Contents ";
    referencia(s, numero + 1);
    s += " >>";
    escritor.fecharObjeto();
    escritor.fluxoComprimido(numero + 1, "", pagina.comprimido(*compressor_));
}

// Everything after the pages: catalogue, page tree, info, resources and the fonts.
void DocumentoPdf::escreverFim(EscritorPdf& escritor, int paginas) const {
    // Readers refuse a file without pages: a document never drawn on gets one blank A4 page.
    if (paginas == 0) {
        escreverPagina(escritor, PaginaPdf(*fontes_, kA4Largura, kA4Altura, 0), 0);
        paginas = 1;
    }
    // Each used font's objects come after the last page's, then the outline's.
    std::vector<int> primeiros;
    int proximo = numeroDaPagina(static_cast<std::size_t>(paginas));
    for (int i = 0; i < fontes_->quantas(); ++i) {
        const bool usada = fontes_->fonte(i)->usada();
        primeiros.push_back(usada ? proximo : 0);
        if (usada) proximo += kObjetosPorFonte;
    }
    const int contorno = marcadores_.empty() ? 0 : proximo;

    std::string& s = escritor.saida();
    escritor.abrirObjeto(kCatalogo);
    s += "<< /Type /Catalog /Pages ";
    referencia(s, kPaginas);
    if (contorno) {
        s += " /Outlines ";
        referencia(s, contorno);
        s += " /PageMode /UseOutlines";
    }
    s += " >>";
    escritor.fecharObjeto();

    escritor.abrirObjeto(kPaginas);
    s += "<< /Type /Pages /Kids [";
    for (int i = 0; i < paginas; ++i) {
        referencia(s, numeroDaPagina(static_cast<std::size_t>(i)));
        s.push_back(' ');
    }
    s += "] /Count ";
    acrescentarInteiro(s, paginas);
    s += " >>";
    escritor.fecharObjeto();

    escritor.abrirObjeto(kInformacoes);
    s += "<<";
    if (!titulo_.empty()) s += " /Title " + textoUtf16Hex(titulo_);
    if (!autor_.empty()) s += " /Author " + textoUtf16Hex(autor_);
    s += " /Creator (Trovale) /Producer (Trovale " TROVALE_VERSION ") /CreationDate (" +
         dataPdf(criadoEm_) + ")";
    s += " >>";
    escritor.fecharObjeto();

    escritor.abrirObjeto(kRecursos);
    s += "<< /Font <<";
    for (std::size_t i = 0; i < primeiros.size(); ++i) {
        if (!primeiros[i]) continue;
        s += " /F";
        acrescentarInteiro(s, static_cast<long long>(i) + 1);
        s.push_back(' ');
        referencia(s, primeiros[i]);
    }
    s += " >> >>";
    escritor.fecharObjeto();
    for (std::size_t i = 0; i < primeiros.size(); ++i)
        if (primeiros[i])
            escreverFonte(escritor, *fontes_->fonte(static_cast<int>(i)), static_cast<int>(i),
                          primeiros[i]);
    if (contorno)
        escreverMarcadores(escritor, marcadores_, contorno, [&](int pagina) {
            const auto indice = static_cast<std::size_t>(pagina);
            const double altura = indice < paginas_.size() ? paginas_[indice]->altura() : kA4Altura;
            return DestinoDaPagina{numeroDaPagina(indice), altura};
        });
}

}  // namespace trovale::pdf
