#pragma once
// PDF files drawn without Qt, with the fonts embedded as subsets made by HarfBuzz.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pdf/escritor_pdf.h"
#include "pdf/marcadores_pdf.h"
#include "pdf/pagina_pdf.h"

namespace trovale::pdf {

class DocumentoPdf {
  public:
    // A document held whole until gerar().
    DocumentoPdf();
    // A document written as it is drawn, so that its size does not bound the memory: each page
    // goes to `destino` once concluded (or when the next one is begun), and terminar() writes
    // the rest.
    explicit DocumentoPdf(DestinoPdf destino);
    ~DocumentoPdf();
    DocumentoPdf(DocumentoPdf&&) noexcept;
    DocumentoPdf& operator=(DocumentoPdf&&) noexcept;

    // A TrueType or OpenType font, with TrueType or CFF outlines (face index for a .ttc).
    // Nothing when the file cannot be read or embedded: bitmaps only, CFF2, or a licence that
    // restricts embedding.
    std::optional<int> adicionarFonte(const std::filesystem::path& arquivo, int face = 0);
    // The advance of a character in thousandths of the font size; 0 when the font lacks it.
    double larguraPorMil(int fonte, char32_t caractere) const;
    // Pages keep the order they were made in; sizes are held to what readers accept
    // (3 to 14400 points).
    PaginaPdf& novaPagina(double larguraPt, double alturaPt);
    // A page of this document is drawn: it is deflated now, so that a long document does not
    // hold every page's drawing until the end. What is drawn on it afterwards is not kept.
    void concluir(PaginaPdf& pagina);
    // UTF-8, any characters.
    void definirInformacoes(std::string titulo, std::string autor);
    // When the file was made, in seconds since 1970 (UTC); the moment the document was
    // begun unless set. Creator and producer are "Trovale" and "Trovale" with its version.
    void definirData(std::int64_t segundosDesde1970);
    // A bookmark to the top of page `pagina` (from 0, a page made already), nested under
    // bookmark `pai` (a number this returned) or at the top level. Its number, for children.
    int adicionarMarcador(std::string titulo, int pagina, int pai = -1);
    // The finished file of a document held whole; it can still grow and be made again.
    std::string gerar() const;
    // Ends a document written as it is drawn; nothing can be added afterwards.
    void terminar();

  private:
    void escreverPagina(EscritorPdf& escritor, const PaginaPdf& pagina, std::size_t indice) const;
    void escreverFim(EscritorPdf& escritor, int paginas) const;
    void entregarPendente();

    std::unique_ptr<ColecaoFontes> fontes_;
    std::unique_ptr<Compressor> compressor_;
    std::size_t maiorConteudo_ = 0;  // of the pages concluded, to size the next one
    std::vector<std::unique_ptr<PaginaPdf>> paginas_;
    std::string titulo_, autor_;
    std::int64_t criadoEm_;
    std::vector<MarcadorPdf> marcadores_;
    std::unique_ptr<EscritorPdf> fluxo_;  // for a document written as it is drawn
    std::size_t paginasEntregues_ = 0;    // handed to it already
};

}  // namespace trovale::pdf
