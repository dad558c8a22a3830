#pragma once
// Chord type catalogues for tests, written as compact tables.
//
// Each row gives a type number, its name, its intervals by name ("b3 5 b7", the names of the
// interval table) and its standard and optional symbols in one-line form ("m7(9)", "m/6/9"),
// which are turned into elements with ElementosDaCifra. Type number 0 makes a separator whose
// caption is the name. The rows' order is the presentation order. Texts are Windows-1252
// bytes ("\xBA" for the degree sign "º").
//
//     const CatalogoTipos tipos = montarCatalogo({
//         {1, "Maior", "3 5", ""},
//         {2, "Menor", "b3 5", "m"},
//     });

#include <initializer_list>
#include <string_view>

#include "catalogue/type_catalogue.h"

namespace trovale::testing {

struct LinhaTipo {
    int numero;
    std::string_view nome;
    std::string_view intervalos;
    std::string_view padrao;
    std::string_view opcional = {};
};

// A complete catalogue: slots, OrdemTipos, Legendas, NumTipos, CifraLinear,
// AssinaturaIntervalos, equivalents and sums. Throws std::invalid_argument on an unknown
// interval name, more than five intervals or a type number outside 1..100.
CatalogoTipos montarCatalogo(std::initializer_list<LinhaTipo> linhas);

// Type numbers of the common catalogue below.
enum TipoComum : int {
    kMaior = 1,
    kMenor = 2,
    kSetima = 3,
    kMenorSetima = 4,
    kSetimaMaior = 5,
    kMenorSetimaMaior = 6,
    kSexta = 7,
    kMenorSexta = 8,
    kDiminuto = 9,
    kMeioDiminuto = 10,
    kAumentado = 11,
    kSus4 = 12,
    kSus2 = 13,
    kSetimaSus4 = 14,
    kAdd9 = 15,
    kMenorAdd9 = 16,
    kSetimaNona = 17,
    kMenorSetimaNona = 18,
    kSetimaMaiorNona = 19,
    kSextaNona = 20,
    kSetimaNonaMenor = 21,
    kSetimaNonaAumentada = 22,
    kSetimaDecimaPrimeiraAumentada = 23,
    kSetimaDecimaTerceira = 24,
    kSetimaDecimaTerceiraMenor = 25,
    kMenorSetimaDecimaPrimeira = 26,
    kSetimaQuintaAumentada = 27,
    kSetimaQuintaDiminuta = 28,
    kMenorSextaNona = 29,
    kSetimaMaiorDecimaPrimeiraAumentada = 30,
    kSetimaNonaDecimaTerceira = 31,
    kQuintaDiminuta = 32,
    kMaiorDecimaTerceira = 33,  // sounds like kSexta: the two are linked as equivalents
};

// About thirty everyday types (major, minor, sevenths, sixths, diminished, augmented, sus,
// added ninths and the usual tensions), numbered as above, with a separator after the
// triads. Built once; tests copy it when they need to change it.
const CatalogoTipos& catalogoComum();

}  // namespace trovale::testing
