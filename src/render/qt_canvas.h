#pragma once
// The program's drawing surface: every call handed to a QPainter as the drawing code made it
// before it was written for any surface, so that screen and paper come out as they were.

#include <QFont>
#include <QPainter>

#include "drawing/canvas.h"

namespace trovale {

QColor qcor(Cor cor);
Cor corDe(const QColor& cor);
QRect qrect(const Retangulo& r);
Retangulo retanguloDe(const QRect& r);
// The QFont of a drawing font; point sizes come out at the painter's device resolution.
QFont qfonte(const FonteTela& f);
// A QFont as a drawing font: face, size, weight, slant, kerning.
FonteTela fonteDe(const QFont& f);

class TelaQt : public Tela {
  public:
    // The painter must outlive the surface; its font is the surface's first one.
    explicit TelaQt(QPainter& p) : p_(p) {}

    int dpi() const override;
    // Qt's PDF engine, which prints too, draws outlines.
    bool formasExatas() const override;
    void salvar() override { p_.save(); }
    void restaurar() override { p_.restore(); }
    void recortar(const Retangulo& r) override { p_.setClipRect(qrect(r)); }
    Retangulo areaVisivel() const override;

    void preencher(const Retangulo& r, Cor cor) override { p_.fillRect(qrect(r), qcor(cor)); }
    void linha(int x0, int y0, int x1, int y1, Cor cor) override;
    void contornoPontilhado(const Retangulo& r, Cor cor) override;
    void elipse(const Retangulo& r, Cor cor) override;
    void retanguloArredondado(const Retangulo& r, double raio, Cor cor) override;

    void fonte(const FonteTela& f) override { p_.setFont(qfonte(f)); }
    MetricasTela metricas() const override;
    int largura(std::string_view texto) const override;
    void texto(int x, int yBase, std::string_view texto, Cor cor) override;
    void textoNaCaixa(const Retangulo& r, int alinhamento, std::string_view texto,
                      Cor cor) override;

    QPainter& painter() { return p_; }

  private:
    QPainter& p_;
};

}  // namespace trovale
