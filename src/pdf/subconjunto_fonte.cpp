#include "pdf/subconjunto_fonte.h"

#include <hb-subset.h>

#include <algorithm>
#include <array>
#include <memory>

namespace trovale::pdf {

namespace {

// What a PDF reader takes from each kind of font program; hinting goes unless the whole
// font must.
constexpr std::array<const char*, 9> kTabelasTrueType = {"head", "hhea", "hmtx", "maxp", "loca",
                                                        "glyf", "cvt ", "fpgm", "prep"};
constexpr std::array<const char*, 9> kTabelasCff = {"CFF ", "head", "hhea", "hmtx", "maxp",
                                                   "OS/2", "cmap", "post", "name"};

template <typename T, void (*liberar)(T*)>
struct Liberador {
    void operator()(T* p) const { liberar(p); }
};
using Blob = std::unique_ptr<hb_blob_t, Liberador<hb_blob_t, hb_blob_destroy>>;
using Face = std::unique_ptr<hb_face_t, Liberador<hb_face_t, hb_face_destroy>>;
using Entrada = std::unique_ptr<hb_subset_input_t, Liberador<hb_subset_input_t, hb_subset_input_destroy>>;

bool mantida(hb_tag_t etiqueta, ContornosFonte contornos) {
    const auto mantidas = [&](const auto& lista) {
        return std::any_of(lista.begin(), lista.end(), [&](const char* nome) {
            return hb_tag_from_string(nome, 4) == etiqueta;
        });
    };
    return contornos == ContornosFonte::Cff ? mantidas(kTabelasCff) : mantidas(kTabelasTrueType);
}

// Every table of the face that the PDF does not need is dropped.
void largarTabelas(hb_face_t* face, hb_subset_input_t* entrada, ContornosFonte contornos) {
    hb_set_t* largadas = hb_subset_input_set(entrada, HB_SUBSET_SETS_DROP_TABLE_TAG);
    std::array<hb_tag_t, 64> etiquetas{};
    for (unsigned inicio = 0;; inicio += etiquetas.size()) {
        unsigned quantas = etiquetas.size();
        hb_face_get_table_tags(face, inicio, &quantas, etiquetas.data());
        for (unsigned i = 0; i < quantas; ++i)
            if (!mantida(etiquetas[i], contornos)) hb_set_add(largadas, etiquetas[i]);
        if (quantas < etiquetas.size()) break;
    }
}

}  // namespace

std::optional<std::string> subconjuntoFonte(std::string_view arquivo, int face,
                                            ContornosFonte contornos,
                                            const std::vector<bool>& usados, bool podeCortar) {
    // The bytes are the caller's and outlive the blob.
    const Blob bytes(hb_blob_create(arquivo.data(), static_cast<unsigned>(arquivo.size()),
                                    HB_MEMORY_MODE_READONLY, nullptr, nullptr));
    const Face original(hb_face_create(bytes.get(), static_cast<unsigned>(face)));
    if (hb_face_get_glyph_count(original.get()) == 0) return std::nullopt;
    const Entrada entrada(hb_subset_input_create_or_fail());
    if (!entrada) return std::nullopt;
    hb_set_t* glifos = hb_subset_input_glyph_set(entrada.get());
    hb_set_add(glifos, 0);
    if (podeCortar) {
        for (std::size_t g = 0; g < usados.size(); ++g)
            if (usados[g]) hb_set_add(glifos, static_cast<hb_codepoint_t>(g));
    } else {
        hb_set_add_range(glifos, 0, hb_face_get_glyph_count(original.get()) - 1);
    }
    hb_subset_input_set_flags(entrada.get(),
                              HB_SUBSET_FLAGS_RETAIN_GIDS |
                                  (podeCortar ? HB_SUBSET_FLAGS_NO_HINTING : 0u));
    largarTabelas(original.get(), entrada.get(), contornos);
    const Face subconjunto(hb_subset_or_fail(original.get(), entrada.get()));
    if (!subconjunto) return std::nullopt;
    const Blob feito(hb_face_reference_blob(subconjunto.get()));
    unsigned tamanho = 0;
    const char* dados = hb_blob_get_data(feito.get(), &tamanho);
    if (!dados || tamanho == 0) return std::nullopt;
    return std::string(dados, tamanho);
}

}  // namespace trovale::pdf
