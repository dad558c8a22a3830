#pragma once
// TelaPdf: the drawing surface on a PDF page, in device pixels at the surface's dpi (one pixel
// is 72/dpi points), drawing what the program's QPainter surface draws.

#include <vector>

#include "pdf/pagina_pdf.h"
#include "sheet_pdf/font_canvas.h"
#include "sheet_pdf/pdf_fonts.h"

namespace trovale {

class TelaPdf : public TelaDeFontes {
  public:
    // Page, registry and library must outlive the surface; the registry is the page's
    // document's. The visible area starts as the whole page.
    TelaPdf(pdf::PaginaPdf& pagina, FontesDoDocumento& registro, fontes::BibliotecaFontes& fontes,
            int dpi);

    bool formasExatas() const override { return true; }
    void salvar() override;
    void restaurar() override;
    // PDF can only narrow a clip, never replace it: the new one is cut from the current one.
    // The drawing code only ever narrows the clip inside salvar/restaurar, so this is what
    // the QPainter surface's replacing clip gives there too.
    void recortar(const Retangulo& r) override;

    void preencher(const Retangulo& r, Cor cor) override;
    void linha(int x0, int y0, int x1, int y1, Cor cor) override;
    void contornoPontilhado(const Retangulo& r, Cor cor) override;
    void elipse(const Retangulo& r, Cor cor) override;
    void retanguloArredondado(const Retangulo& r, double raio, Cor cor) override;

    void texto(int x, int yBase, std::string_view texto, Cor cor) override;
    void textoNaCaixa(const Retangulo& r, int alinhamento, std::string_view texto,
                      Cor cor) override;

  private:
    double pt(double pixels) const { return pixels * escala_; }
    void escrever(double x, double yBase, std::u32string_view texto, Cor cor);
    void trecho(const fontes::FaceFonte& face, double x, double yBase, std::u32string_view texto);

    pdf::PaginaPdf& pagina_;
    FontesDoDocumento& registro_;
    double escala_;                         // points per pixel
    std::u32string decodificado_, trecho_;  // reused by every text drawn
};

}  // namespace trovale
