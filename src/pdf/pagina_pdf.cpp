#include "pdf/pagina_pdf.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "pdf/colecao_fontes.h"
#include "pdf/compressao.h"
#include "pdf/numeros_pdf.h"

namespace trovale::pdf {

namespace {

// Control points at this fraction of the radius make a Bézier quarter close to a circle.
constexpr double kArco = 0.5522847498;

// A byte inside a literal string: the delimiters and the backslash escaped, and a carriage
// return too, which readers would otherwise take for a line feed.
char* byteLiteral(char* p, unsigned char byte) {
    if (byte == '(' || byte == ')' || byte == '\\') {
        *p++ = '\\';
    } else if (byte == '\r') {
        *p++ = '\\';
        byte = 'r';
    }
    *p++ = static_cast<char>(byte);
    return p;
}

// A coordinate in whole hundredths of a point, held to what readers accept.
long long centesimos(double pontos) {
    constexpr double kMaximo = 32767;
    if (!(pontos == pontos)) pontos = 0;
    pontos = std::clamp(pontos, -kMaximo, kMaximo);
    return std::llround(pontos * 100);
}

// A move between texts beyond this, in hundredths, starts a text object of its own, so that
// no relative move exceeds what readers accept.
constexpr long long kLonge = 3000000;

}  // namespace

PaginaPdf::PaginaPdf(ColecaoFontes& fontes, double largura, double altura, std::size_t reserva)
    : fontes_(&fontes), largura_(largura), altura_(altura) {
    conteudo_.reserve(reserva);
}

namespace {

// Saves left open are closed at the end of the page, so that its drawing stays balanced.
std::string fechamentos(int salvos) {
    std::string q(static_cast<std::size_t>(salvos) * 2, '\n');
    for (std::size_t k = 0; k < q.size(); k += 2) q[k] = 'Q';
    return q;
}

}  // namespace

void PaginaPdf::concluir(Compressor& compressor) {
    if (concluida_) return;
    comprimido_ = std::string(comprimido(compressor));
    concluida_ = true;
    std::string().swap(conteudo_);
}

std::string_view PaginaPdf::comprimido(Compressor& compressor) const {
    if (concluida_) return comprimido_;
    return compressor.comprimir(
        {conteudo_, textoAberto_ ? "ET\n" : "", fechamentos(salvosAbertos())});
}

void PaginaPdf::numero(double valor) {
    acrescentarNumero(conteudo_, valor);
    conteudo_.push_back(' ');
}

void PaginaPdf::ponto(double x, double y) {
    char buffer[2 * kMaiorNumero + 2];
    char* p = escreverNumero(buffer, x);
    *p++ = ' ';
    p = escreverNumero(p, altura_ - y);
    *p++ = ' ';
    conteudo_.append(buffer, p);
}

void PaginaPdf::salvar() {
    fecharTexto();
    pilha_.push_back(estado_);
    conteudo_ += "q\n";
}

void PaginaPdf::restaurar() {
    fecharTexto();
    if (pilha_.empty()) return;  // a Q without its q makes the file unreadable
    estado_ = pilha_.back();
    pilha_.pop_back();
    conteudo_ += "Q\n";
}

void PaginaPdf::recortar(double x, double y, double w, double h) {
    fecharTexto();
    const double r[4] = {x, y, w, h};
    if (estado_.recortado && std::equal(r, r + 4, estado_.recorte)) return;  // cuts nothing more
    estado_.recortado = true;
    std::copy(r, r + 4, estado_.recorte);
    ponto(x, y + h);
    numero(w);
    numero(h);
    conteudo_ += "re W n\n";
}

void PaginaPdf::cor(CorPdf cor, long& atual, const char* operador) {
    const long rgb = (long{cor.r} << 16) | (long{cor.g} << 8) | cor.b;
    if (rgb == atual) return;
    atual = rgb;
    acrescentarNumero(conteudo_, cor.r / 255.0, 3);
    conteudo_.push_back(' ');
    acrescentarNumero(conteudo_, cor.g / 255.0, 3);
    conteudo_.push_back(' ');
    acrescentarNumero(conteudo_, cor.b / 255.0, 3);
    conteudo_ += operador;
}

void PaginaPdf::corTraco(CorPdf c) {
    cor(c, estado_.corTraco, " RG\n");
}

void PaginaPdf::corPreenchimento(CorPdf c) {
    cor(c, estado_.corPreenchimento, " rg\n");
}

void PaginaPdf::espessura(double pt) {
    estado_.espessura = std::max(pt, 0.0);
    numero(estado_.espessura);
    conteudo_ += "w\n";
    if (estado_.pontilhado) padraoTracejado();
}

void PaginaPdf::tracejado(bool pontilhado) {
    estado_.pontilhado = pontilhado;
    if (pontilhado)
        padraoTracejado();
    else
        conteudo_ += "[] 0 d\n";
}

void PaginaPdf::padraoTracejado() {
    // The dots follow the width; the thinnest line still needs a pattern that is not all zero.
    const double unidade = estado_.espessura > 0 ? estado_.espessura : 1;
    conteudo_.push_back('[');
    numero(unidade);
    acrescentarNumero(conteudo_, 2 * unidade);
    conteudo_ += "] 0 d\n";
}

void PaginaPdf::pintar(bool preencher, bool contornar) {
    conteudo_ += preencher && contornar ? "B\n" : preencher ? "f\n" : contornar ? "S\n" : "n\n";
}

void PaginaPdf::linha(double x0, double y0, double x1, double y1) {
    fecharTexto();
    // The commonest call of a sheet, written in one piece.
    char buffer[4 * kMaiorNumero + 16];
    char* p = escreverNumero(buffer, x0);
    *p++ = ' ';
    p = escreverNumero(p, altura_ - y0);
    p = std::copy_n(" m ", 3, p);
    p = escreverNumero(p, x1);
    *p++ = ' ';
    p = escreverNumero(p, altura_ - y1);
    p = std::copy_n(" l S\n", 5, p);
    conteudo_.append(buffer, p);
}

void PaginaPdf::retangulo(double x, double y, double w, double h, bool preencher, bool contornar) {
    fecharTexto();
    if (!preencher && !contornar) return;
    ponto(x, y + h);
    numero(w);
    numero(h);
    conteudo_ += "re ";
    pintar(preencher, contornar);
}

void PaginaPdf::curva(double x1, double y1, double x2, double y2, double x3, double y3) {
    ponto(x1, y1);
    ponto(x2, y2);
    ponto(x3, y3);
    conteudo_ += "c ";
}

void PaginaPdf::retanguloArredondado(double x, double y, double w, double h, double raio,
                                     bool preencher, bool contornar) {
    fecharTexto();
    const double r = std::min({raio, w / 2, h / 2});
    if (!(r > 0)) return retangulo(x, y, w, h, preencher, contornar);
    if (!preencher && !contornar) return;
    const double k = r * (1 - kArco), d = x + w, b = y + h;
    ponto(x + r, y);
    conteudo_ += "m ";
    ponto(d - r, y);
    conteudo_ += "l ";
    curva(d - k, y, d, y + k, d, y + r);
    ponto(d, b - r);
    conteudo_ += "l ";
    curva(d, b - k, d - k, b, d - r, b);
    ponto(x + r, b);
    conteudo_ += "l ";
    curva(x + k, b, x, b - k, x, b - r);
    ponto(x, y + r);
    conteudo_ += "l ";
    curva(x, y + k, x + k, y, x + r, y);
    conteudo_ += "h ";
    pintar(preencher, contornar);
}

void PaginaPdf::elipse(double x, double y, double w, double h, bool preencher, bool contornar) {
    fecharTexto();
    if (!preencher && !contornar) return;
    const double rx = w / 2, ry = h / 2, cx = x + rx, cy = y + ry;
    const double kx = rx * kArco, ky = ry * kArco;
    ponto(cx + rx, cy);
    conteudo_ += "m ";
    curva(cx + rx, cy + ky, cx + kx, cy + ry, cx, cy + ry);
    curva(cx - kx, cy + ry, cx - rx, cy + ky, cx - rx, cy);
    curva(cx - rx, cy - ky, cx - kx, cy - ry, cx, cy - ry);
    curva(cx + kx, cy - ry, cx + rx, cy - ky, cx + rx, cy);
    conteudo_ += "h ";
    pintar(preencher, contornar);
}

void PaginaPdf::texto(int indice, double tamanhoPt, double x, double yBase,
                      std::u32string_view texto) {
    FonteEmbutida* fonte = fontes_->fonte(indice);
    if (!fonte || texto.empty()) return;
    // Texts in a row share one text object, each placed from the one before: positions are
    // kept in whole hundredths of a point, as written, so that nothing drifts.
    const long long cx = centesimos(x), cy = centesimos(altura_ - yBase);
    const bool perto =
        textoAberto_ && std::llabs(cx - textoX_) < kLonge && std::llabs(cy - textoY_) < kLonge;
    if (textoAberto_ && !perto) fecharTexto();
    if (!textoAberto_) conteudo_ += "BT ";
    // Font and size belong to the graphics state: they outlast the text object.
    if (indice != estado_.fonte || tamanhoPt != estado_.tamanhoFonte) {
        estado_.fonte = indice;
        estado_.tamanhoFonte = tamanhoPt;
        conteudo_ += "/F";
        acrescentarInteiro(conteudo_, indice + 1);
        conteudo_.push_back(' ');
        numero(tamanhoPt);
        conteudo_ += "Tf ";
    }
    const long long dx = textoAberto_ ? cx - textoX_ : cx, dy = textoAberto_ ? cy - textoY_ : cy;
    textoAberto_ = true;
    textoX_ = cx;
    textoY_ = cy;
    numero(static_cast<double>(dx) / 100);
    numero(static_cast<double>(dy) / 100);
    conteudo_ += "Td (";
    // Glyph ids as two raw bytes each, half the size of hexadecimal: written straight into
    // room made for the worst case, every byte escaped.
    const std::size_t inicio = conteudo_.size();
    conteudo_.resize(inicio + 4 * texto.size());
    char* p = conteudo_.data() + inicio;
    for (char32_t c : texto) {
        const std::uint16_t g = fonte->glifo(c);
        fonte->marcar(g, c);
        p = byteLiteral(p, static_cast<unsigned char>(g >> 8));
        p = byteLiteral(p, static_cast<unsigned char>(g & 0xFF));
    }
    conteudo_.resize(static_cast<std::size_t>(p - conteudo_.data()));
    conteudo_ += ") Tj\n";
}

void PaginaPdf::fecharTexto() {
    if (!textoAberto_) return;
    conteudo_ += "ET\n";
    textoAberto_ = false;
}

}  // namespace trovale::pdf
