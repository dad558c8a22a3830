#include "pdf/subconjunto_truetype.h"

namespace trovale::pdf {

namespace {

// Where each glyph's outline lies in glyf, as loca tells it.
class Loca {
  public:
    Loca(std::string_view loca, std::string_view glyf, bool longo, std::size_t glifos)
        : loca_(loca), glyf_(glyf), longo_(longo), glifos_(glifos) {}

    bool valida() const { return loca_.size() >= (glifos_ + 1) * (longo_ ? 4 : 2); }

    // The glyph's bytes; empty for a glyph without outline or one pointing outside glyf.
    std::string_view glifo(std::size_t id) const {
        if (id >= glifos_) return {};
        const std::size_t inicio = deslocamento(id), fim = deslocamento(id + 1);
        if (inicio >= fim || fim > glyf_.size()) return {};
        return glyf_.substr(inicio, fim - inicio);
    }

  private:
    std::size_t deslocamento(std::size_t id) const {
        return longo_ ? lerU32(loca_, id * 4) : std::size_t{lerU16(loca_, id * 2)} * 2;
    }

    std::string_view loca_, glyf_;
    bool longo_;
    std::size_t glifos_;
};

// The glyph ids a composite glyph is made of.
template <typename Funcao>
void paraCadaComponente(std::string_view glifo, Funcao&& funcao) {
    constexpr std::uint16_t kPalavras = 0x0001, kEscala = 0x0008, kMais = 0x0020,
                            kEscalaXY = 0x0040, kMatriz = 0x0080;
    if (glifo.size() < 10 || static_cast<std::int16_t>(lerU16(glifo, 0)) >= 0) return;
    std::size_t pos = 10;
    std::uint16_t bandeiras = kMais;
    while ((bandeiras & kMais) && pos + 4 <= glifo.size()) {
        bandeiras = lerU16(glifo, pos);
        funcao(lerU16(glifo, pos + 2));
        pos += 4 + ((bandeiras & kPalavras) ? 4 : 2);
        pos += (bandeiras & kEscala)     ? 2
               : (bandeiras & kEscalaXY) ? 4
               : (bandeiras & kMatriz)   ? 8
                                         : 0;
    }
}

// Glyph 0 and every component, however deep, join the glyphs drawn.
void completar(std::vector<bool>& usados, const Loca& loca) {
    usados[0] = true;
    std::vector<std::uint16_t> pendentes;
    for (std::size_t id = 0; id < usados.size(); ++id)
        if (usados[id]) pendentes.push_back(static_cast<std::uint16_t>(id));
    while (!pendentes.empty()) {
        const std::uint16_t id = pendentes.back();
        pendentes.pop_back();
        paraCadaComponente(loca.glifo(id), [&](std::uint16_t componente) {
            if (componente < usados.size() && !usados[componente]) {
                usados[componente] = true;
                pendentes.push_back(componente);
            }
        });
    }
}

struct GlyfLoca {
    std::string glyf, loca;
    bool longo = false;
};

GlyfLoca reconstruir(const std::vector<bool>& usados, const Loca& antiga) {
    GlyfLoca novo;
    std::vector<std::uint32_t> deslocamentos;
    deslocamentos.reserve(usados.size() + 1);
    for (std::size_t id = 0; id < usados.size(); ++id) {
        deslocamentos.push_back(static_cast<std::uint32_t>(novo.glyf.size()));
        if (!usados[id]) continue;
        novo.glyf.append(antiga.glifo(id));
        novo.glyf.append((4 - novo.glyf.size() % 4) % 4, '\0');
    }
    deslocamentos.push_back(static_cast<std::uint32_t>(novo.glyf.size()));
    // The short form halves loca whenever the offsets fit in it.
    novo.longo = novo.glyf.size() > 0x1FFFE;
    novo.loca.reserve(deslocamentos.size() * (novo.longo ? 4 : 2));
    for (std::uint32_t d : deslocamentos) {
        if (novo.longo)
            acrescentarU32(novo.loca, d);
        else
            acrescentarU16(novo.loca, static_cast<std::uint16_t>(d / 2));
    }
    return novo;
}

}  // namespace

std::optional<std::string> subconjuntoTrueType(const FaceSfnt& face, std::vector<bool> usados) {
    const std::string_view head = face.tabela(etiqueta("head")),
                           maxp = face.tabela(etiqueta("maxp"));
    const std::string_view glyf = face.tabela(etiqueta("glyf")),
                           loca = face.tabela(etiqueta("loca"));
    if (head.size() < 54 || maxp.size() < 6 || glyf.empty() || loca.empty() ||
        face.tabela(etiqueta("hhea")).empty() || face.tabela(etiqueta("hmtx")).empty())
        return std::nullopt;
    const std::size_t glifos = lerU16(maxp, 4);
    const Loca antiga(loca, glyf, lerU16(head, 50) != 0, glifos);
    if (glifos == 0 || !antiga.valida()) return std::nullopt;
    usados.resize(glifos);
    completar(usados, antiga);
    const GlyfLoca novo = reconstruir(usados, antiga);

    std::string novoHead(head);
    escreverU32(novoHead, 8, 0);  // checkSumAdjustment, set once the file is whole
    escreverU16(novoHead, 50, novo.longo ? 1 : 0);

    std::vector<TabelaSfnt> tabelas = {
        {etiqueta("head"), novoHead}, {etiqueta("glyf"), novo.glyf}, {etiqueta("loca"), novo.loca}};
    for (std::uint32_t e : {etiqueta("hhea"), etiqueta("hmtx"), etiqueta("maxp"), etiqueta("cvt "),
                            etiqueta("fpgm"), etiqueta("prep")}) {
        if (const std::string_view dados = face.tabela(e); !dados.empty())
            tabelas.push_back({e, dados});
    }
    return montarSfnt(0x00010000, std::move(tabelas));
}

}  // namespace trovale::pdf
