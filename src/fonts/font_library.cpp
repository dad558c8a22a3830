#include "fonts/font_library.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "fonts/font_face.h"

namespace trovale::fontes {

struct BibliotecaFontes::Estado {
    FcConfig* config = nullptr;
    FT_Library freetype = nullptr;
};

BibliotecaFontes::BibliotecaFontes() : estado_(std::make_unique<Estado>()) {
    // A configuration of our own: nothing global is touched.
    estado_->config = FcInitLoadConfigAndFonts();
    if (FT_Init_FreeType(&estado_->freetype) != 0) estado_->freetype = nullptr;
}

BibliotecaFontes::~BibliotecaFontes() {
    abertas_.clear();  // faces before their library
    if (estado_->freetype) FT_Done_FreeType(estado_->freetype);
    if (estado_->config) FcConfigDestroy(estado_->config);
}

bool BibliotecaFontes::pronta() const {
    return estado_->config != nullptr && estado_->freetype != nullptr;
}

namespace {

FcPattern* pedido(FcConfig* config, const std::string& familia, bool negrito, bool italico) {
    FcPattern* padrao = FcPatternCreate();
    FcPatternAddString(padrao, FC_FAMILY, reinterpret_cast<const FcChar8*>(familia.c_str()));
    FcPatternAddInteger(padrao, FC_WEIGHT, negrito ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(padrao, FC_SLANT, italico ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config, padrao, FcMatchPattern);
    FcDefaultSubstitute(padrao);
    return padrao;
}

std::optional<ArquivoFonte> arquivoDe(FcPattern* achado) {
    FcChar8* caminho = nullptr;
    int indice = 0;
    if (FcPatternGetString(achado, FC_FILE, 0, &caminho) != FcResultMatch) return std::nullopt;
    FcPatternGetInteger(achado, FC_INDEX, 0, &indice);
    return ArquivoFonte{reinterpret_cast<const char*>(caminho), indice};
}

}  // namespace

std::optional<ArquivoFonte> BibliotecaFontes::escolher(const std::string& familia, bool negrito,
                                                       bool italico) const {
    FcPattern* padrao = pedido(estado_->config, familia, negrito, italico);
    FcResult resultado = FcResultNoMatch;
    FcPattern* achado = FcFontMatch(estado_->config, padrao, &resultado);
    FcPatternDestroy(padrao);
    if (achado == nullptr) return std::nullopt;
    std::optional<ArquivoFonte> arquivo = arquivoDe(achado);
    FcPatternDestroy(achado);
    return arquivo;
}

const FaceFonte* BibliotecaFontes::abrir(const ArquivoFonte& arquivo) {
    auto& aberta = abertas_[arquivo];
    if (!aberta) aberta = FaceFonte::abrir(estado_->freetype, arquivo);
    return aberta.get();
}

const FaceFonte* BibliotecaFontes::substituta(const std::string& familia, bool negrito,
                                              bool italico, char32_t caractere) {
    if (!pronta()) return nullptr;
    FcPattern* padrao = pedido(estado_->config, familia, negrito, italico);
    FcResult resultado = FcResultNoMatch;
    FcFontSet* lista = FcFontSort(estado_->config, padrao, FcTrue, nullptr, &resultado);
    FcPatternDestroy(padrao);
    if (lista == nullptr) return nullptr;
    const FaceFonte* escolhida = nullptr;
    for (int i = 0; i < lista->nfont && !escolhida; ++i) {
        FcCharSet* caracteres = nullptr;
        if (FcPatternGetCharSet(lista->fonts[i], FC_CHARSET, 0, &caracteres) != FcResultMatch ||
            !FcCharSetHasChar(caracteres, caractere))
            continue;
        if (const auto arquivo = arquivoDe(lista->fonts[i])) escolhida = abrir(*arquivo);
    }
    FcFontSetDestroy(lista);
    return escolhida;
}

const FaceFonte* BibliotecaFontes::face(const std::string& familia, bool negrito, bool italico) {
    const auto chave = std::tuple(familia, negrito, italico);
    if (const auto it = escolhidas_.find(chave); it != escolhidas_.end()) return it->second;
    const FaceFonte* escolhida = nullptr;
    if (pronta()) {
        if (const auto arquivo = escolher(familia, negrito, italico)) {
            const FaceFonte* f = abrir(*arquivo);
            const bool sintetica =
                f && ((negrito && f->qtEngrossaria()) || (italico && !f->italico()));
            if (f && !sintetica) escolhida = f;
        }
    }
    escolhidas_[chave] = escolhida;
    return escolhida;
}

}  // namespace trovale::fontes
