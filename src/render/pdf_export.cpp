#include "render/pdf_export.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <regex>

#include "fonts/font_memory.h"
#include "pdf/numeros_pdf.h"
#include "render/print_pages.h"
#include "sheet_pdf/song_pdf.h"

namespace trovale {

namespace {

constexpr double kMmPorPolegada = 25.4;

std::optional<long long> ultimoNumero(const std::string& pdf, const std::regex& padrao) {
    std::optional<long long> achado;
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), padrao);
         it != std::sregex_iterator(); ++it)
        achado = std::stoll((*it)[1].str());
    return achado;
}

}  // namespace

QPageLayout layoutDaPaginaPdf(const PaginaPdf& pagina) {
    const bool deitado = pagina.larguraMm > pagina.alturaMm;
    const QPageSize papel(QSizeF(std::min(pagina.larguraMm, pagina.alturaMm),
                                 std::max(pagina.larguraMm, pagina.alturaMm)),
                          QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(papel, deitado ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

PageMetrics metricasDaPaginaPdf(const QPageLayout& layout, int resolucao) {
    const QRect pagina = layout.fullRectPixels(resolucao);
    PageMetrics m;
    m.pixelsPorMmX = m.pixelsPorMmY = resolucao / kMmPorPolegada;
    m.larguraFisica = m.larguraImprimivel = pagina.width();
    m.alturaFisica = m.alturaImprimivel = pagina.height();
    return m;
}

std::string comInformacoes(std::string pdf, const MetadadosPdf& meta) {
    // Only the tail is searched: the trailer and the cross-reference position are there.
    const std::size_t inicioCauda = pdf.size() > 4096 ? pdf.size() - 4096 : 0;
    const std::string cauda = pdf.substr(inicioCauda);
    const auto tamanho = ultimoNumero(cauda, std::regex(R"(/Size\s+(\d+))"));
    const auto raiz = ultimoNumero(cauda, std::regex(R"(/Root\s+(\d+)\s+0\s+R)"));
    const auto xref = ultimoNumero(cauda, std::regex(R"(startxref\s+(\d+))"));
    if (!tamanho || !raiz || !xref) return pdf;
    if (pdf.back() != '\n') pdf += '\n';
    const long long objeto = *tamanho;
    const std::size_t posicao = pdf.size();
    pdf += std::to_string(objeto) + " 0 obj\n<< /Title " + pdf::textoUtf16Hex(meta.titulo) +
           " /Author " + pdf::textoUtf16Hex(meta.autor) +
           " /Creator (Trovale) /Producer (Trovale) >>\nendobj\n";
    const std::size_t novaXref = pdf.size();
    char entrada[32];
    std::snprintf(entrada, sizeof entrada, "%010zu 00000 n \n", posicao);
    pdf += "xref\n" + std::to_string(objeto) + " 1\n" + entrada;
    pdf += "trailer\n<< /Size " + std::to_string(objeto + 1) + " /Root " + std::to_string(*raiz) +
           " 0 R /Info " + std::to_string(objeto) + " 0 R /Prev " + std::to_string(*xref) +
           " >>\nstartxref\n" + std::to_string(novaXref) + "\n%%EOF\n";
    return pdf;
}

std::optional<std::string> pdfDaFolha(const SheetPaint& folha, const PaginaPdf& pagina,
                                      const std::vector<int>& paginas, const MetadadosPdf& meta) {
    if (std::optional<std::string> doEscritor = pdfPeloEscritor(folha, pagina, paginas))
        return doEscritor;
    return pdfPeloQt(folha, pagina, paginas, meta);
}

std::optional<std::string> pdfPeloEscritor(const SheetPaint& folha, const PaginaPdf& pagina,
                                           const std::vector<int>& paginas) {
    const auto biblioteca = fontes::bibliotecaDoUsuario();
    const FolhaParaPdf paraPdf{folha.doc,         folha.sheet,     folha.measure.tipos(),
                               folha.aparencia,   pagina.larguraMm, pagina.alturaMm,
                               pagina.dpiTela};
    std::string bytes;
    const auto destino = [&bytes](std::string_view parte) { bytes += parte; };
    if (!escreverPdfDaFolha(paraPdf, paginas, *biblioteca, destino)) return std::nullopt;
    return bytes;
}

std::optional<std::string> pdfPeloQt(const SheetPaint& folha, const PaginaPdf& pagina,
                                     const std::vector<int>& paginas, const MetadadosPdf& meta) {
    QTemporaryDir pasta;
    if (!pasta.isValid()) return std::nullopt;
    const QString arquivo = pasta.filePath(QStringLiteral("folha.pdf"));
    {
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(arquivo);
        impressora.setResolution(kDpiPdf);
        impressora.setFullPage(true);
        impressora.setPageLayout(layoutDaPaginaPdf(pagina));
        impressora.setDocName(QString::fromUtf8(meta.titulo.c_str()));
        impressora.setCreator(QStringLiteral("Trovale"));
        const DestinoImpressao destino{
            impressora, metricasDaPaginaPdf(impressora.pageLayout(), impressora.resolution()),
            pagina.dpiTela};
        if (PrintPages(folha, paginas, destino, {}) != FimImpressao::Concluida) return std::nullopt;
    }
    QFile feito(arquivo);
    if (!feito.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = feito.readAll();
    return comInformacoes(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                          meta);
}

}  // namespace trovale
