#include "support/type_fixture.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "catalogue/intervals.h"
#include "catalogue/symbol_elements.h"

namespace trovale::testing {

namespace {

int codigoDoIntervalo(std::string_view nome) {
    for (int codigo = 1; codigo <= kMaxCodigoIntervalo; ++codigo)
        if (TabelaIntervalos[codigo].nome == nome) return codigo;
    throw std::invalid_argument("unknown interval name: " + std::string(nome));
}

// "b3 5 b7" -> {2, 6, 10, 0, 0}
IntervalosTipo intervalosDe(std::string_view nomes) {
    IntervalosTipo intervalos{};
    int n = 0;
    while (!nomes.empty()) {
        const std::size_t inicio = nomes.find_first_not_of(' ');
        if (inicio == std::string_view::npos) break;
        nomes.remove_prefix(inicio);
        const std::size_t fim = std::min(nomes.find(' '), nomes.size());
        if (n == kMaxIntervalosTipo) throw std::invalid_argument("more than five intervals");
        intervalos[n++] = static_cast<std::uint8_t>(codigoDoIntervalo(nomes.substr(0, fim)));
        nomes.remove_prefix(fim);
    }
    return intervalos;
}

}  // namespace

CatalogoTipos montarCatalogo(std::initializer_list<LinhaTipo> linhas) {
    CatalogoTipos tipos;
    for (const LinhaTipo& linha : linhas) {
        tipos.OrdemTipos.push_back(linha.numero);
        tipos.Legendas.emplace_back(linha.nome);
        if (linha.numero == 0) continue;
        if (!CatalogoTipos::numeroValido(linha.numero))
            throw std::invalid_argument("type number outside 1..100");
        TTipoAcorde& tipo = tipos.TiposAcorde[linha.numero];
        tipo.Nome = linha.nome;
        tipo.Intervalos = intervalosDe(linha.intervalos);
        tipo.CifraPadrao = ElementosDaCifra(linha.padrao);
        tipo.CifraOpcional = ElementosDaCifra(linha.opcional);
        ++tipos.NumTipos;
        tipos.calcularDerivados(linha.numero);
    }
    tipos.CalcularEquivalentes();
    tipos.CalcularSomas();
    return tipos;
}

const CatalogoTipos& catalogoComum() {
    static const CatalogoTipos tipos = montarCatalogo({
        {kMaior, "Maior", "3 5", ""},
        {kMenor, "Menor", "b3 5", "m"},
        {0, "-- T\xE9trades --", "", ""},
        {kSetima, "S\xE9tima", "3 5 b7", "7"},
        {kMenorSetima, "Menor com s\xE9tima", "b3 5 b7", "m7"},
        {kSetimaMaior, "S\xE9tima maior", "3 5 7M", "7M"},
        {kMenorSetimaMaior, "Menor com s\xE9tima maior", "b3 5 7M", "m(7M)"},
        {kSexta, "Sexta", "3 5 6", "6"},
        {kMenorSexta, "Menor com sexta", "b3 5 6", "m6"},
        {kDiminuto, "Diminuto", "b3 b5 bb7", "\xBA", "dim"},
        {kMeioDiminuto, "Meio diminuto", "b3 b5 b7", "m7(b5)"},
        {kAumentado, "Aumentado", "3 #5", "5+", "+"},
        {kSus4, "Quarta suspensa", "4 5", "sus4", "4"},
        {kSus2, "Segunda suspensa", "2 5", "sus2", "2"},
        {kSetimaSus4, "S\xE9tima com quarta", "4 5 b7", "7/4"},
        {0,
         "-- Tens\xF5"
         "es --",
         "", ""},
        {kAdd9, "Nona adicionada", "3 5 9", "add9", "(9)"},
        {kMenorAdd9, "Menor com nona adicionada", "b3 5 9", "m(add9)"},
        {kSetimaNona, "S\xE9tima com nona", "3 5 b7 9", "7(9)", "7/9"},
        {kMenorSetimaNona, "Menor com s\xE9tima e nona", "b3 5 b7 9", "m7(9)"},
        {kSetimaMaiorNona, "S\xE9tima maior com nona", "3 5 7M 9", "7M(9)"},
        {kSextaNona, "Sexta com nona", "3 5 6 9", "6/9"},
        {kSetimaNonaMenor, "S\xE9tima com nona menor", "3 5 b7 b9", "7(b9)"},
        {kSetimaNonaAumentada, "S\xE9tima com nona aumentada", "3 5 b7 #9", "7(#9)"},
        {kSetimaDecimaPrimeiraAumentada,
         "S\xE9tima com d\xE9"
         "cima primeira aumentada",
         "3 5 b7 #11", "7(#11)"},
        {kSetimaDecimaTerceira,
         "S\xE9tima com d\xE9"
         "cima terceira",
         "3 5 b7 13", "7(13)"},
        {kSetimaDecimaTerceiraMenor,
         "S\xE9tima com d\xE9"
         "cima terceira menor",
         "3 5 b7 b13", "7(b13)"},
        {kMenorSetimaDecimaPrimeira,
         "Menor com s\xE9tima e d\xE9"
         "cima primeira",
         "b3 5 b7 11", "m7(11)"},
        {kSetimaQuintaAumentada, "S\xE9tima com quinta aumentada", "3 #5 b7", "7(#5)"},
        {kSetimaQuintaDiminuta, "S\xE9tima com quinta diminuta", "3 b5 b7", "7(b5)"},
        {kMenorSextaNona, "Menor com sexta e nona", "b3 5 6 9", "m6/9"},
        {kSetimaMaiorDecimaPrimeiraAumentada,
         "S\xE9tima maior com d\xE9"
         "cima primeira aumentada",
         "3 5 7M #11", "7M(#11)"},
        {kSetimaNonaDecimaTerceira,
         "S\xE9tima com nona e d\xE9"
         "cima terceira",
         "3 b7 9 13", "7(9/13)"},
        {kQuintaDiminuta, "Maior com quinta diminuta", "3 b5", "(b5)"},
        {kMaiorDecimaTerceira,
         "Maior com d\xE9"
         "cima terceira",
         "3 5 13", "(13)"},
    });
    return tipos;
}

}  // namespace trovale::testing
