#include "fonts/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H

#include <cmath>
#include <utility>

namespace trovale::fontes {

namespace {

// A collection of several scripts runs to tens of megabytes; nothing a song uses comes near
// this.
constexpr std::size_t kLimiteFonte = std::size_t{64} << 20;

FT_Face ft(void* face) {
    return static_cast<FT_Face>(face);
}

// The face at `indice` of the file's bytes; nothing when there is none. A negative index
// would only count the file's faces.
FT_Face abrirFace(void* biblioteca, const ArquivoMapeado& bytes, int indice) {
    FT_Face face = nullptr;
    if (indice < 0 ||
        FT_New_Memory_Face(static_cast<FT_Library>(biblioteca),
                           reinterpret_cast<const FT_Byte*>(bytes.bytes().data()),
                           static_cast<FT_Long>(bytes.bytes().size()), indice, &face) != 0)
        return nullptr;
    return face;
}

}  // namespace

std::unique_ptr<FaceFonte> FaceFonte::abrir(void* biblioteca, const ArquivoFonte& arquivo) {
    std::optional<ArquivoMapeado> bytes = ArquivoMapeado::abrir(arquivo.caminho, kLimiteFonte);
    if (!bytes) return nullptr;
    const FT_Face face = abrirFace(biblioteca, *bytes, arquivo.indice);
    if (!face) return nullptr;
    // Only outline faces measure the same at every size.
    if (!FT_IS_SCALABLE(face) || FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    return std::unique_ptr<FaceFonte>(new FaceFonte(face, arquivo, std::move(*bytes)));
}

bool FaceFonte::existe(void* biblioteca, const ArquivoFonte& arquivo) {
    const std::optional<ArquivoMapeado> bytes =
        ArquivoMapeado::abrir(arquivo.caminho, kLimiteFonte);
    const FT_Face face = bytes ? abrirFace(biblioteca, *bytes, arquivo.indice) : nullptr;
    if (face) FT_Done_Face(face);
    return face != nullptr;
}

FaceFonte::FaceFonte(void* face, ArquivoFonte arquivo, ArquivoMapeado bytes)
    : bytes_(std::move(bytes)), face_(face), arquivo_(std::move(arquivo)) {}

FaceFonte::~FaceFonte() {
    FT_Done_Face(ft(face_));
}

bool FaceFonte::negrito() const {
    return (ft(face_)->style_flags & FT_STYLE_FLAG_BOLD) != 0;
}

bool FaceFonte::italico() const {
    return (ft(face_)->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
}

bool FaceFonte::qtEngrossaria() const {
    if (negrito() || FT_IS_FIXED_WIDTH(ft(face_))) return false;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft(face_), FT_SFNT_OS2));
    return os2 != nullptr && os2->usWeightClass < 700;
}

void FaceFonte::tamanho(int pixels) const {
    if (pixels == pixels_) return;
    FT_Set_Char_Size(ft(face_), 0, static_cast<FT_F26Dot6>(pixels) * 64, 0, 0);
    pixels_ = pixels;
}

namespace {

// Ascent and descent in font units as Qt takes them: from OS/2 (its typographic values when
// the font asks for them, else the Windows ones), else from hhea.
std::pair<long, long> alturasDeProjeto(FT_Face f) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    constexpr FT_UShort kUsarMetricasTipograficas = 0x80;
    if (os2 != nullptr && os2->version != 0xFFFF) {
        if ((os2->fsSelection & kUsarMetricasTipograficas) != 0) {
            if (os2->sTypoAscender != 0 || os2->sTypoDescender != 0)
                return {os2->sTypoAscender, -os2->sTypoDescender};
        } else if (os2->usWinAscent != 0 || os2->usWinDescent != 0) {
            return {os2->usWinAscent, os2->usWinDescent};
        }
    }
    return {f->ascender, -f->descender};
}

// Font units at a pixel size, to the nearest 1/64 pixel first, then to whole pixels.
int pixelsDeProjeto(long unidades, int pixels, int unidadesPorEm) {
    return arredondar26d6(std::lround(unidades * 64.0 * pixels / unidadesPorEm));
}

}  // namespace

MetricasVerticais FaceFonte::verticais(int pixels) const {
    for (const auto& [tamanhoMedido, medidas] : verticais_)
        if (tamanhoMedido == pixels) return medidas;
    tamanho(pixels);
    const FT_Face f = ft(face_);
    const auto [ascendente, descendente] = alturasDeProjeto(f);
    MetricasVerticais m;
    m.ascendente = pixelsDeProjeto(ascendente, pixels, f->units_per_EM);
    m.descendente = pixelsDeProjeto(descendente, pixels, f->units_per_EM);
    m.altura = m.ascendente + m.descendente;
    m.entrelinha =
        arredondar26d6(FT_MulFix(f->height - f->ascender + f->descender, f->size->metrics.y_scale));
    verticais_.emplace_back(pixels, m);
    return m;
}

namespace {

constexpr long kNaoMedido = -2, kAusente = -1;

}  // namespace

FaceFonte::AvancosLatinos& FaceFonte::latinos(int pixels) const {
    if (ultimosLatinos_ && ultimosLatinos_->pixels == pixels) return *ultimosLatinos_;
    for (const auto& tabela : latinos_)
        if (tabela->pixels == pixels) return *(ultimosLatinos_ = tabela.get());
    auto tabela = std::make_unique<AvancosLatinos>();
    tabela->pixels = pixels;
    tabela->avancos.fill(kNaoMedido);
    latinos_.push_back(std::move(tabela));
    return *(ultimosLatinos_ = latinos_.back().get());
}

std::optional<long> FaceFonte::avancoMedido(int pixels, char32_t caractere) const {
    if (caractere < 256) {
        long& avanco = latinos(pixels).avancos[caractere];
        if (avanco == kNaoMedido) avanco = medirAvanco(pixels, caractere).value_or(kAusente);
        if (avanco == kAusente) return std::nullopt;
        return avanco;
    }
    const std::uint64_t chave = (static_cast<std::uint64_t>(pixels) << 32) | caractere;
    if (const auto it = avancos_.find(chave); it != avancos_.end()) return it->second;
    const std::optional<long> avanco = medirAvanco(pixels, caractere);
    avancos_.emplace(chave, avanco);
    return avanco;
}

std::optional<long> FaceFonte::medirAvanco(int pixels, char32_t caractere) const {
    tamanho(pixels);
    const FT_Face f = ft(face_);
    FT_UInt glifo = FT_Get_Char_Index(f, caractere);
    // Qt draws a missing no-break space or tab as a space.
    if (glifo == 0 && (caractere == 0xA0 || caractere == 0x09)) glifo = FT_Get_Char_Index(f, 0x20);
    std::optional<long> avanco;
    FT_Fixed linear = 0;  // the unhinted advance in 16.16, as the glyph's linear advance
    if (glifo != 0 &&
        FT_Get_Advance(f, glifo, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP, &linear) == 0)
        avanco = linear >> 10;  // cut to 26.6, as Qt keeps it
    return avanco;
}

int pixelsDePontos(double pontos, int dpi) {
    return static_cast<int>(std::lround(pontos * dpi / 72.0));
}

}  // namespace trovale::fontes
