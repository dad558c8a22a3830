// The repertoire file: entries read and written back, damaged lines reported and kept, song
// paths that follow the folder when it moves.
#include "document/repertoire.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trovale {
namespace {

const std::filesystem::path kPasta = "/shows/sabado";

TEST(Repertoire, EntriesComeBackAsTheyWereWritten) {
    const std::string arquivo =
        "# Repert\xC3\xB3rio do Trovale: uma m\xC3\xBAsica por linha, com os campos separados por "
        "tabula\xC3\xA7\xC3\xA3o:\n"
        "# arquivo da m\xC3\xBAsica, semitons (+2, -1, 0), casa do capotraste (- para a da "
        "m\xC3\xBAsica), observa\xC3\xA7\xC3\xA3o,\n"
        "# segundos de cada p\xC3\xA1gina no palco antes de virar sozinha (0 ou nada: vira com o "
        "pedal).\n"
        "asa branca.dec\t+2\t3\tvers\xC3\xA3o ac\xC3\xBAstica\t25\n"
        "cifras/peixe vivo.dec\t0\t-\t\t40\n"
        "../ensaio/luar.dec\t-1\t0\n"
        "/outro disco/bis.dec\t0\t-\n";
    const RepertorioLido lido = lerRepertorio(arquivo, kPasta);
    EXPECT_TRUE(lido.problemas.empty());
    const auto& e = lido.repertorio.entradas;
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].musica, kPasta / "asa branca.dec");
    EXPECT_EQ(e[0].semitons, 2);
    EXPECT_EQ(e[0].capotraste, 3);
    EXPECT_EQ(e[0].nota, "vers\xC3\xA3o ac\xC3\xBAstica");
    EXPECT_EQ(e[0].segundosPorPagina, 25);
    EXPECT_EQ(e[1].capotraste, std::nullopt);
    EXPECT_EQ(e[1].nota, "");
    EXPECT_EQ(e[1].segundosPorPagina, 40);
    EXPECT_EQ(e[2].segundosPorPagina, 0);
    EXPECT_EQ(e[2].musica, std::filesystem::path("/shows/ensaio/luar.dec"));
    EXPECT_EQ(textoDoRepertorio(lido.repertorio, kPasta), arquivo);
}

TEST(Repertoire, ADamagedLineIsToldByItsNumberAndKept) {
    const std::string arquivo =
        "\xEF\xBB\xBF# feito \xC3\xA0 m\xC3\xA3o\r\n"
        "um.dec\r\n"
        "dois.dec\tsobe\r\n"
        "\r\n"
        "tres.dec\t+2\t12\r\n"
        "\t+1\r\n"
        "quatro.dec\t+1\t-\tnota\tdevagar\r\n"
        "cinco.dec\t-11\r\n"
        "seis.dec\t0\t-\tnota\t601\r\n"
        "sete.dec\t0\t-\tnota\t10\textra\r\n";
    const RepertorioLido lido = lerRepertorio(arquivo, kPasta);
    EXPECT_EQ(lido.problemas,
              (std::vector<std::string>{
                  "Linha 3: \"sobe\" n\xC3\xA3o s\xC3\xA3o semitons de -11 a 11.",
                  "Linha 5: \"12\" n\xC3\xA3o \xC3\xA9 casa de capotraste de 0 a 11.",
                  "Linha 6: falta o arquivo da m\xC3\xBAsica.",
                  "Linha 7: \"devagar\" n\xC3\xA3o s\xC3\xA3o segundos por p\xC3\xA1gina de 0 a 600.",
                  "Linha 9: \"601\" n\xC3\xA3o s\xC3\xA3o segundos por p\xC3\xA1gina de 0 a 600.",
                  "Linha 10: campos demais."}));
    const std::string gravado = textoDoRepertorio(lido.repertorio, kPasta);
    const std::string depoisDoCabecalho = gravado.substr(gravado.find("um.dec"));
    EXPECT_EQ(depoisDoCabecalho,
              "um.dec\t0\t-\ndois.dec\tsobe\ntres.dec\t+2\t12\n\t+1\n"
              "quatro.dec\t+1\t-\tnota\tdevagar\ncinco.dec\t-11\t-\n"
              "seis.dec\t0\t-\tnota\t601\nsete.dec\t0\t-\tnota\t10\textra\n");
}

TEST(Repertoire, AMovedFolderKeepsItsSongs) {
    const RepertorioLido lido =
        lerRepertorio("cifras/luar.dec\t+1\t2\n", "/home/ana/show");
    const std::string gravado = textoDoRepertorio(lido.repertorio, "/home/ana/show");
    const RepertorioLido movido = lerRepertorio(gravado, "/media/pendrive/show");
    ASSERT_EQ(movido.repertorio.entradas.size(), 1u);
    EXPECT_EQ(movido.repertorio.entradas[0].musica,
              std::filesystem::path("/media/pendrive/show/cifras/luar.dec"));
}

TEST(Repertoire, AnEntrySaysHowItIsPlayed) {
    const struct {
        int semitons;
        std::optional<int> capo;
        int segundos;
        std::string resumo;
    } casos[] = {
        {0, std::nullopt, 0, "tom original"},
        {2, std::nullopt, 0, "+2 semitons"},
        {-1, 3, 0, "-1 semitom, capotraste na 3\xC2\xAA casa"},
        {0, 0, 0, "sem capotraste"},
        {0, std::nullopt, 20, "tom original, vira a cada 20 s"},
        {1, 2, 45, "+1 semitom, capotraste na 2\xC2\xAA casa, vira a cada 45 s"},
    };
    for (const auto& c : casos) {
        EntradaRepertorio e;
        e.semitons = c.semitons;
        e.capotraste = c.capo;
        e.segundosPorPagina = c.segundos;
        EXPECT_EQ(resumoDaEntrada(e), c.resumo);
    }
}

}  // namespace
}  // namespace trovale
