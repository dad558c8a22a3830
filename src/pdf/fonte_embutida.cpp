#include "pdf/fonte_embutida.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <string_view>

#include "pdf/subconjunto_fonte.h"

namespace trovale::pdf {

namespace {

// A TrueType collection of several scripts runs to tens of megabytes; nothing a song uses
// comes near this.
constexpr std::size_t kLimiteFonte = std::size_t{64} << 20;

constexpr std::uint16_t kRestrita = 0x0002, kPrevia = 0x0004, kEditavel = 0x0008,
                        kSemSubconjunto = 0x0100, kSoBitmaps = 0x0200;

// Restricted-licence fonts may not leave the machine; when several bits are set (older
// fonts), the least restrictive one rules.
bool embutivel(std::uint16_t fsType) {
    if (fsType & kSoBitmaps) return false;
    return !(fsType & kRestrita) || (fsType & (kPrevia | kEditavel));
}

std::string nomePdf(const char* postscript) {
    std::string nome;
    for (const char* c = postscript; c && *c; ++c)
        if (*c > ' ' && *c <= '~' &&
            std::string_view("()<>[]{}/%#").find(*c) == std::string_view::npos)
            nome.push_back(*c);
    return nome.empty() ? std::string("Fonte") : nome;
}

}  // namespace

std::unique_ptr<FonteEmbutida> FonteEmbutida::abrir(FT_LibraryRec_* biblioteca,
                                                    const std::filesystem::path& arquivo,
                                                    int face) {
    auto mapeado = ArquivoMapeado::abrir(arquivo, kLimiteFonte);
    if (!mapeado) return nullptr;
    std::unique_ptr<FonteEmbutida> fonte(new FonteEmbutida);
    fonte->arquivo_ = std::move(mapeado);
    fonte->bytes_ = fonte->arquivo_->bytes();
    if (!fonte->preparar(biblioteca, face)) return nullptr;
    return fonte;
}

FonteEmbutida::~FonteEmbutida() {
    if (face_) FT_Done_Face(face_);
}

bool FonteEmbutida::preparar(FT_LibraryRec_* biblioteca, int face) {
    auto sfnt = lerFaceSfnt(bytes_, face);
    // Bitmap-only fonts have neither kind of outlines; CFF2 (variable) fonts are not taken.
    if (!sfnt) return false;
    if (!sfnt->tabela(etiqueta("glyf")).empty())
        contornos_ = ContornosFonte::TrueType;
    else if (!sfnt->tabela(etiqueta("CFF ")).empty())
        contornos_ = ContornosFonte::Cff;
    else
        return false;
    sfnt_ = std::move(*sfnt);
    indiceFace_ = face;
    const std::string_view maxp = sfnt_.tabela(etiqueta("maxp")),
                           hhea = sfnt_.tabela(etiqueta("hhea"));
    hmtx_ = sfnt_.tabela(etiqueta("hmtx"));
    if (maxp.size() < 6 || hhea.size() < 36) return false;
    glifos_ = lerU16(maxp, 4);
    metricasHorizontais_ = lerU16(hhea, 34);
    if (glifos_ == 0 || metricasHorizontais_ == 0 || hmtx_.size() < metricasHorizontais_ * 4)
        return false;
    // A font HarfBuzz cannot subset is refused now rather than when the file is made.
    if (!subconjuntoFonte(bytes_, face, contornos_, {}, true)) return false;

    if (FT_New_Memory_Face(biblioteca, reinterpret_cast<const FT_Byte*>(bytes_.data()),
                           static_cast<FT_Long>(bytes_.size()), face, &face_) != 0)
        return false;
    if (!FT_IS_SCALABLE(face_) || face_->units_per_EM == 0) return false;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    if (os2 && !embutivel(os2->fsType)) return false;
    permiteSubconjunto_ = !os2 || !(os2->fsType & kSemSubconjunto);

    porMil_ = 1000.0 / face_->units_per_EM;
    for (char32_t c = 0; c < latinos_.size(); ++c) {
        const FT_UInt g = FT_Get_Char_Index(face_, c);
        latinos_[c] = g < glifos_ ? static_cast<std::uint16_t>(g) : 0;
    }
    textos_.assign(glifos_, 0);
    nome_ = nomePdf(FT_Get_Postscript_Name(face_));
    return true;
}

std::uint16_t FonteEmbutida::glifoPeloCmap(char32_t caractere) const {
    const FT_UInt g = FT_Get_Char_Index(face_, caractere);
    return g < glifos_ ? static_cast<std::uint16_t>(g) : 0;
}

double FonteEmbutida::larguraPorMil(std::uint16_t glifo) const {
    // Glyphs past numberOfHMetrics share the last advance.
    const std::size_t registro = glifo < metricasHorizontais_ ? glifo : metricasHorizontais_ - 1;
    return lerU16(hmtx_, registro * 4) * porMil_;
}

MetricasFonte FonteEmbutida::metricas() const {
    constexpr int kFixa = 1, kSerifada = 2, kSimbolica = 4, kItalica = 64;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face_, FT_SFNT_POST));
    MetricasFonte m;
    m.caixa = {face_->bbox.xMin * porMil_, face_->bbox.yMin * porMil_, face_->bbox.xMax * porMil_,
               face_->bbox.yMax * porMil_};
    m.ascendente = face_->ascender * porMil_;
    m.descendente = face_->descender * porMil_;
    m.alturaMaiusculas = os2 && os2->version >= 2 ? os2->sCapHeight * porMil_ : m.ascendente;
    m.anguloItalico = post ? post->italicAngle / 65536.0 : 0;
    // No font says its stem width; this is the usual estimate from the weight class.
    const double peso = os2 ? os2->usWeightClass : 400;
    m.haste = 50 + (peso / 65) * (peso / 65);
    // Glyphs are reached by id, not by a standard encoding: symbolic, as for any CIDFont.
    m.bandeiras = kSimbolica;
    if (FT_IS_FIXED_WIDTH(face_)) m.bandeiras |= kFixa;
    // PANOSE Latin text, serif styles 2..10 (11 and up are the sans ones).
    if (os2 && os2->panose[0] == 2 && os2->panose[1] >= 2 && os2->panose[1] <= 10)
        m.bandeiras |= kSerifada;
    if ((face_->style_flags & FT_STYLE_FLAG_ITALIC) || m.anguloItalico != 0)
        m.bandeiras |= kItalica;
    return m;
}

std::optional<std::string> FonteEmbutida::programa() const {
    std::vector<bool> usados(glifos_, false);
    for (std::size_t g = 0; g < glifos_; ++g)
        if (textos_[g]) usados[g] = true;
    return subconjuntoFonte(bytes_, indiceFace_, contornos_, usados, permiteSubconjunto_);
}

}  // namespace trovale::pdf
