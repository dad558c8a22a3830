#include "fonts/font_library.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "fonts/font_face.h"
#include "fonts/font_memory.h"

namespace trovale::fontes {

struct BibliotecaFontes::Estado {
    FcConfig* config = nullptr;
    bool configTentada = false;
    FT_Library freetype = nullptr;

    // Reading the configuration is most of fontconfig's cost: done when first needed.
    FcConfig* configuracao() {
        if (!configTentada) {
            configTentada = true;
            config = FcInitLoadConfigAndFonts();  // a configuration of our own
        }
        return config;
    }
};

namespace {

namespace fs = std::filesystem;

std::string versaoFontconfig() {
    return std::to_string(FcGetVersion());
}

void juntar(std::vector<fs::path>& caminhos, FcStrList* lista) {
    if (!lista) return;
    while (const FcChar8* c = FcStrListNext(lista))
        caminhos.emplace_back(reinterpret_cast<const char*>(c));
    FcStrListDone(lista);
}

fs::path doAmbiente(const char* nome, const fs::path& casa, const char* padrao) {
    const char* valor = std::getenv(nome);
    if (valor && fs::path(valor).is_absolute()) return valor;
    return casa.empty() ? fs::path() : casa / padrao;
}

// Everything whose change could change an answer: the configuration's files and folders
// (a folder changes when a file is added to it), the font folders and fontconfig's caches,
// and the places of a user's own configuration and fonts, present or not.
OrigensDasRespostas origensDe(FcConfig* config) {
    OrigensDasRespostas o;
    o.versao = versaoFontconfig();
    std::vector<fs::path>& c = o.caminhos;
    juntar(c, FcConfigGetConfigFiles(config));
    for (std::size_t i = 0, n = c.size(); i < n; ++i) c.push_back(c[i].parent_path());
    juntar(c, FcConfigGetConfigDirs(config));
    juntar(c, FcConfigGetFontDirs(config));
    juntar(c, FcConfigGetCacheDirs(config));
    const char* casaAmbiente = std::getenv("HOME");
    const fs::path casa = casaAmbiente && fs::path(casaAmbiente).is_absolute() ? casaAmbiente : "";
    const fs::path configuracaoUsuario = doAmbiente("XDG_CONFIG_HOME", casa, ".config");
    const fs::path dadosUsuario = doAmbiente("XDG_DATA_HOME", casa, ".local/share");
    if (!casa.empty())
        for (const char* p : {".fonts.conf", ".fonts.conf.d", ".fonts"}) c.push_back(casa / p);
    if (!configuracaoUsuario.empty())
        for (const char* p : {"fontconfig", "fontconfig/fonts.conf", "fontconfig/conf.d"})
            c.push_back(configuracaoUsuario / p);
    if (!dadosUsuario.empty()) c.push_back(dadosUsuario / "fonts");
    std::sort(c.begin(), c.end());
    c.erase(std::unique(c.begin(), c.end()), c.end());
    std::erase_if(c, [](const fs::path& p) { return p.empty() || p.is_relative(); });
    return o;
}

}  // namespace

BibliotecaFontes::BibliotecaFontes() : estado_(std::make_unique<Estado>()) {
    if (FT_Init_FreeType(&estado_->freetype) != 0) estado_->freetype = nullptr;
}

BibliotecaFontes::BibliotecaFontes(const std::filesystem::path& memoria) : BibliotecaFontes() {
    arquivoDaMemoria_ = memoria;
    memoria_ = std::make_unique<MemoriaFontes>(MemoriaFontes::ler(memoria, versaoFontconfig()));
}

BibliotecaFontes::~BibliotecaFontes() {
    if (memoria_ && memoria_->mudou() && estado_->config)
        memoria_->gravar(*arquivoDaMemoria_, origensDe(estado_->config));
    abertas_.clear();  // faces before their library
    if (estado_->freetype) FT_Done_FreeType(estado_->freetype);
    if (estado_->config) FcConfigDestroy(estado_->config);
}

bool BibliotecaFontes::pronta() const {
    return estado_->freetype != nullptr;
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

std::optional<ArquivoFonte> escolherFace(FcConfig* config, const std::string& familia, bool negrito,
                                         bool italico) {
    FcPattern* padrao = pedido(config, familia, negrito, italico);
    FcResult resultado = FcResultNoMatch;
    FcPattern* achado = FcFontMatch(config, padrao, &resultado);
    FcPatternDestroy(padrao);
    if (!achado) return std::nullopt;
    std::optional<ArquivoFonte> arquivo = arquivoDe(achado);
    FcPatternDestroy(achado);
    return arquivo;
}

}  // namespace

std::optional<ArquivoFonte> BibliotecaFontes::escolher(const std::string& familia, bool negrito,
                                                       bool italico, char32_t caractere) {
    const MemoriaFontes::Pedido chave{familia, negrito, italico, caractere};
    if (memoria_) {
        if (const MemoriaFontes::Resposta* lembrada = memoria_->resposta(chave)) {
            // A remembered file that no longer holds its face (replaced since, or the memory
            // tampered with) discredits the whole memory: every answer is asked again.
            if (!*lembrada || abrir(**lembrada) || FaceFonte::existe(estado_->freetype, **lembrada))
                return *lembrada;
            memoria_ = std::make_unique<MemoriaFontes>();
        }
    }
    FcConfig* config = estado_->configuracao();
    if (!config) return std::nullopt;
    const std::optional<ArquivoFonte> arquivo =
        caractere == 0 ? escolherFace(config, familia, negrito, italico)
                       : escolherSubstituta(familia, negrito, italico, caractere);
    if (memoria_) memoria_->guardar(chave, arquivo);
    return arquivo;
}

const FaceFonte* BibliotecaFontes::abrir(const ArquivoFonte& arquivo) {
    auto& aberta = abertas_[arquivo];
    if (!aberta) aberta = FaceFonte::abrir(estado_->freetype, arquivo);
    return aberta.get();
}

const FaceFonte* BibliotecaFontes::substituta(const std::string& familia, bool negrito,
                                              bool italico, char32_t caractere) {
    if (!pronta() || caractere == 0) return nullptr;
    const std::optional<ArquivoFonte> arquivo = escolher(familia, negrito, italico, caractere);
    return arquivo ? abrir(*arquivo) : nullptr;
}

// The first of fontconfig's fallbacks for the request that has the character and opens.
std::optional<ArquivoFonte> BibliotecaFontes::escolherSubstituta(const std::string& familia,
                                                                 bool negrito, bool italico,
                                                                 char32_t caractere) {
    FcConfig* config = estado_->configuracao();
    FcPattern* padrao = pedido(config, familia, negrito, italico);
    FcResult resultado = FcResultNoMatch;
    FcFontSet* lista = FcFontSort(config, padrao, FcTrue, nullptr, &resultado);
    FcPatternDestroy(padrao);
    std::optional<ArquivoFonte> escolhido;
    for (int i = 0; lista && i < lista->nfont && !escolhido; ++i) {
        FcCharSet* caracteres = nullptr;
        if (FcPatternGetCharSet(lista->fonts[i], FC_CHARSET, 0, &caracteres) != FcResultMatch ||
            !FcCharSetHasChar(caracteres, caractere))
            continue;
        const std::optional<ArquivoFonte> arquivo = arquivoDe(lista->fonts[i]);
        if (arquivo && abrir(*arquivo)) escolhido = arquivo;
    }
    if (lista) FcFontSetDestroy(lista);
    return escolhido;
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
