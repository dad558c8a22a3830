#pragma once
// One page's drawing: coordinates in points, origin at the top left, y growing downward, as
// the song layout measures them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trovale::pdf {

class ColecaoFontes;
class Compressor;
class DocumentoPdf;

struct CorPdf {
    std::uint8_t r = 0, g = 0, b = 0;
};

class PaginaPdf {
  public:
    PaginaPdf(const PaginaPdf&) = delete;
    PaginaPdf& operator=(const PaginaPdf&) = delete;

    // Colours, width, dash and clip until the matching restaurar. A restaurar without its
    // salvar is ignored; salvar left open is closed when the file is made.
    void salvar();
    void restaurar();
    // Drawing outside the rectangle is cut off until restaurar.
    void recortar(double x, double y, double w, double h);
    void corTraco(CorPdf cor);
    // Shapes are filled and text is drawn in this colour.
    void corPreenchimento(CorPdf cor);
    // 0 is the thinnest line the device can show.
    void espessura(double pt);
    // Dots one line width long, two apart, as a dotted pen draws them.
    void tracejado(bool pontilhado);
    void linha(double x0, double y0, double x1, double y1);
    void retangulo(double x, double y, double w, double h, bool preencher, bool contornar);
    // The radius is limited to half the shorter side.
    void retanguloArredondado(double x, double y, double w, double h, double raio, bool preencher,
                              bool contornar);
    void elipse(double x, double y, double w, double h, bool preencher, bool contornar);
    // Text with its baseline at yBase, starting at x, each glyph advancing by the font's own
    // width; characters the font lacks show its .notdef glyph. Nothing for an unknown font.
    void texto(int fonte, double tamanhoPt, double x, double yBase, std::u32string_view texto);

    double largura() const { return largura_; }
    double altura() const { return altura_; }
    // The content stream so far, and the restaurar it still needs; once the page is
    // concluded, what was drawn after.
    const std::string& conteudo() const { return conteudo_; }
    int salvosAbertos() const { return static_cast<int>(pilha_.size()); }
    bool concluida() const { return concluida_; }

  private:
    friend class DocumentoPdf;
    PaginaPdf(ColecaoFontes& fontes, double largura, double altura, std::size_t reserva);

    // What the page's graphics state holds, so that nothing already set is written again: a
    // sheet sets the same colour, font and clip around most of its texts.
    struct Estado {
        double espessura = 1;
        bool pontilhado = false;
        long corTraco = -1, corPreenchimento = -1;  // 0xRRGGBB; -1 before any is set
        int fonte = -1;
        double tamanhoFonte = 0;
        bool recortado = false;
        double recorte[4] = {};  // the last clip rectangle, in effect until restaurar
    };

    // A Bézier segment from the current point, through two control points.
    void curva(double x1, double y1, double x2, double y2, double x3, double y3);
    void ponto(double x, double y);  // x and y turned upward, each followed by a space
    void numero(double valor);
    void padraoTracejado();
    void pintar(bool preencher, bool contornar);
    void cor(CorPdf cor, long& atual, const char* operador);
    // Ends the text object a text left open; every operator not allowed inside one calls it.
    void fecharTexto();

    // The drawing ended: deflated with its open saves closed, the text freed.
    void concluir(Compressor& compressor);
    // The page's stream deflated, concluded or not; valid until the compressor's next use.
    std::string_view comprimido(Compressor& compressor) const;

    ColecaoFontes* fontes_;
    double largura_, altura_;
    std::string conteudo_;
    bool textoAberto_ = false;
    long long textoX_ = 0, textoY_ = 0;  // where the open text object's last line starts
    bool concluida_ = false;
    std::string comprimido_;
    Estado estado_;
    std::vector<Estado> pilha_;
};

}  // namespace trovale::pdf
