#include <gtest/gtest.h>

#include <random>

#include "catalogue/catalogue.h"
#include "catalogue/fingering_file.h"

namespace trovale {
namespace {

// Types 1 (major: 3 5), 2 (#5 triad: 3 #5), 3 (3 b13, sounds like 2), 4 (3 5 b13).
CatalogoTipos tiposDeTeste() {
    CatalogoTipos tipos;
    const std::pair<int, IntervalosTipo> linhas[] = {
        {1, {3, 6, 0, 0, 0}}, {4, {3, 6, 17, 0, 0}}, {2, {3, 7, 0, 0, 0}}, {3, {3, 17, 0, 0, 0}}};
    for (const auto& [numero, intervalos] : linhas) {
        tipos.TiposAcorde[numero].Nome = "tipo " + std::to_string(numero);
        tipos.TiposAcorde[numero].Intervalos = intervalos;
        tipos.OrdemTipos.push_back(numero);
        tipos.Legendas.push_back(tipos.TiposAcorde[numero].Nome);
        ++tipos.NumTipos;
    }
    tipos.CalcularEquivalentes();
    tipos.CalcularSomas();
    return tipos;
}

// C major x 3 2 0 1 0 filed under a given root and type.
TDigitacaoGravada cMaior(int tipo = 1, int nota = 4) {
    TDigitacao c;
    c.Tipo = tipo;
    c.Nota = nota;
    c.Casa = 1;
    c.Notas = {NotaDedo{5, 3}, NotaDedo{4, 2}, NotaDedo{2, 1}, NotaDedo{}};
    c.Estado = {1, 1, 1, 1, 0, 2};
    return Codificar(c);
}

// G major 3 2 0 0 0 3.
TDigitacaoGravada gMaior() {
    TDigitacao g;
    g.Tipo = 1;
    g.Nota = 11;
    g.Casa = 1;
    g.Notas = {NotaDedo{6, 3}, NotaDedo{5, 2}, NotaDedo{1, 3}, NotaDedo{}};
    g.Estado = {1, 1, 1, 1, 1, 0};
    return Codificar(g);
}

std::string arquivo(std::initializer_list<TDigitacaoGravada> registros) {
    BancoDigitacoes banco;
    banco.Digitacoes.assign(registros);
    return escreverDigitacoes(banco);
}

TEST(FingeringFile, EquivalentTypesLinkInPresentationOrder) {
    const CatalogoTipos tipos = tiposDeTeste();
    EXPECT_EQ(tipos.EquivalenteSeguinte[2], 3);
    EXPECT_EQ(tipos.EquivalenteAnterior[3], 2);
    EXPECT_EQ(tipos.EquivalenteSeguinte[4], 0);  // three intervals: never links with two
    EXPECT_EQ(tipos.EquivalenteAnterior[2], 0);
    EXPECT_EQ(tipos.ProximoNumeroLivre(), 5);
}

TEST(FingeringFile, IndexPointsAtTheLaterOfTwoRuns) {
    const CatalogoTipos tipos = tiposDeTeste();
    BancoDigitacoes banco;
    lerDigitacoes(arquivo({cMaior(), gMaior(), cMaior(), cMaior()}), tipos, banco);
    EXPECT_EQ(banco.NumDigitacoes(), 4);
    EXPECT_EQ(banco.PrimeiraDigitacao(4, 1), 3);
    EXPECT_EQ(banco.PrimeiraDigitacao(11, 1), 2);
    EXPECT_EQ(banco.DigitacoesRejeitadas, 0);
}

TEST(FingeringFile, RejectsInconsistentAndOutOfRangeRecords) {
    const CatalogoTipos tipos = tiposDeTeste();
    TDigitacaoGravada foraDoTipo = cMaior(99);    // no such type
    TDigitacaoGravada tipoErrado = cMaior(2);     // C E G is not C E G#
    TDigitacaoGravada raizErrada = cMaior(1, 6);  // not a D chord
    TDigitacaoGravada semRaiz = cMaior(1, 0);
    TDigitacaoGravada casaTreze = cMaior();
    casaTreze.W[0] = static_cast<std::uint16_t>(600 + 4 * 40 + 13 * 3);
    BancoDigitacoes banco;
    std::string bytes = arquivo({foraDoTipo, cMaior(), tipoErrado, raizErrada, semRaiz, casaTreze});
    bytes += "\x01\x02\x03";  // a partial record at the end is ignored
    lerDigitacoes(bytes, tipos, banco);
    EXPECT_EQ(banco.NumDigitacoes(), 1);
    EXPECT_EQ(banco.DigitacoesRejeitadas, 5);
    EXPECT_EQ(banco.PrimeiraDigitacao(4, 1), 1);
}

TEST(FingeringFile, StopsStoringAtTenThousand) {
    const CatalogoTipos tipos = tiposDeTeste();
    BancoDigitacoes cheio;
    cheio.Digitacoes.assign(kMaxDigitacoes + 7, cMaior());
    BancoDigitacoes banco;
    lerDigitacoes(escreverDigitacoes(cheio), tipos, banco);
    EXPECT_EQ(banco.NumDigitacoes(), kMaxDigitacoes);
    EXPECT_EQ(banco.DigitacoesRejeitadas, 7);
}

TEST(FingeringFile, WritesRecordsBackByteForByte) {
    const CatalogoTipos tipos = tiposDeTeste();
    const std::string bytes = arquivo({cMaior(), cMaior(), gMaior()});
    BancoDigitacoes banco;
    lerDigitacoes(bytes, tipos, banco);
    EXPECT_EQ(escreverDigitacoes(banco), bytes);
}

TEST(FingeringFile, RandomBytesNeverBreakTheBank) {
    const CatalogoTipos tipos = tiposDeTeste();
    std::mt19937 gerador(20261208);
    for (int rodada = 0; rodada < 200; ++rodada) {
        std::string bytes(gerador() % 3000, '\0');
        for (char& b : bytes) b = static_cast<char>(gerador());
        BancoDigitacoes banco;
        lerDigitacoes(bytes, tipos, banco);
        EXPECT_EQ(banco.NumDigitacoes() + banco.DigitacoesRejeitadas,
                  static_cast<int>(bytes.size() / 6));
        for (const TDigitacaoGravada& g : banco.Digitacoes)
            EXPECT_TRUE(registroConsistente(g, tipos));
    }
}

TEST(FingeringBank, DeletingATypeShiftsTheIndex) {
    const CatalogoTipos tipos = tiposDeTeste();
    Catalogo catalogo;
    catalogo.tipos = tipos;
    lerDigitacoes(arquivo({gMaior(), cMaior(), cMaior(), gMaior()}), tipos, catalogo.digitacoes);
    // Runs: G(1) at 1, C(1) at 2..3, G(1) again at 4 (the index keeps the later run).
    ASSERT_EQ(catalogo.digitacoes.PrimeiraDigitacao(11, 1), 4);
    catalogo.digitacoes.ExcluirDigitacoesDoTipo(1);
    EXPECT_EQ(catalogo.digitacoes.PrimeiraDigitacao(4, 1), 0);
    EXPECT_EQ(catalogo.digitacoes.PrimeiraDigitacao(11, 1), 0);
    EXPECT_FALSE(catalogo.digitacoes.TemDigitacoes(1));
    // The unindexed first G run stays, now alone at position 1.
    EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), 1);
    EXPECT_EQ(catalogo.digitacoes.Digitacoes[0], gMaior());
}

TEST(FingeringBank, DeletingOneTypeKeepsOthersReachable) {
    CatalogoTipos tipos = tiposDeTeste();
    TDigitacao aumentado;  // C+ x 3 2 1 1 x
    aumentado.Tipo = 2;
    aumentado.Nota = 4;
    aumentado.Casa = 1;
    aumentado.Notas = {NotaDedo{5, 3}, NotaDedo{4, 2}, NotaDedo{3, 1}, NotaDedo{2, 1}};
    aumentado.Estado = {2, 1, 1, 1, 0, 2};
    const TDigitacaoGravada aum = Codificar(aumentado);
    BancoDigitacoes banco;
    lerDigitacoes(arquivo({cMaior(), cMaior(), aum, gMaior()}), tipos, banco);
    banco.ExcluirDigitacoesDoTipo(1);
    // Both runs of type 1 go; the C+ run moves to the front.
    EXPECT_EQ(banco.PrimeiraDigitacao(4, 2), 1);
    EXPECT_EQ(banco.PrimeiraDigitacao(11, 1), 0);
    EXPECT_EQ(banco.NumDigitacoes(), 1);
    EXPECT_TRUE(banco.TemDigitacoes(2));
}

TEST(Catalogue, FingeringLookupFollowsEquivalentTypes) {
    Catalogo catalogo;
    catalogo.tipos = tiposDeTeste();
    TDigitacao aumentado;
    aumentado.Tipo = 2;
    aumentado.Nota = 4;
    aumentado.Casa = 1;
    aumentado.Notas = {NotaDedo{5, 3}, NotaDedo{4, 2}, NotaDedo{3, 1}, NotaDedo{2, 1}};
    aumentado.Estado = {2, 1, 1, 1, 0, 2};
    lerDigitacoes(arquivo({Codificar(aumentado)}), catalogo.tipos, catalogo.digitacoes);
    EXPECT_EQ(catalogo.TipoComDigitacoes(4, 3), 2);  // 3 b13 finds the fingerings of 3 #5
    EXPECT_EQ(catalogo.TipoComDigitacoes(4, 2), 2);
    EXPECT_EQ(catalogo.TipoComDigitacoes(6, 3), 3);  // no D fingerings anywhere: itself
    EXPECT_EQ(catalogo.TipoComDigitacoes(4, 0), 0);
    aumentado.Tipo = 3;
    EXPECT_EQ(tipoGravado(catalogo.codificarParaCatalogo(aumentado)), 2);
}

}  // namespace
}  // namespace trovale
