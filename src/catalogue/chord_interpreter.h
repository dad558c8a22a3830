#pragma once
// Interpreting one written word as a chord.

#include <string>
#include <string_view>

#include "catalogue/chord_type.h"
#include "catalogue/type_catalogue.h"

namespace trovale {

struct TAcordeInterpretado {
    std::string Raiz;   // as written
    std::string Baixo;  // as written plus the variant mark; the root when no bass
    int Tipo = 0;
    int TipoComBaixo = 0;
    int IndiceAcorde = -1;
    ElementosCifra Elementos;
};

struct InterpretacaoAcorde {
    bool ehAcorde = false;
    TAcordeInterpretado acorde;
    std::string chave;      // sorting key: "f" after a natural root, "s" for "#"
    std::string canonica;   // canonical token string of the symbol
    int variante = 1;
};

InterpretacaoAcorde InterpretarAcorde(const CatalogoTipos& tipos, std::string_view palavra);

// Sorting key of a chord word, and its display form back.
std::string chaveDeOrdenacao(std::string_view palavra);
std::string chaveParaExibicao(std::string_view chave);

}  // namespace trovale
