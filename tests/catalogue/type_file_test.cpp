#include "catalogue/type_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace trovale {
namespace {

// Two types between separators, one with both symbols, written exactly as the program writes.
const std::string kArquivo =
    "4\r\n"
    " 0  0  0  0  0  0  0  0 -------- Tr\xED" "ades --------\r\n"
    " 3  6  0  0  0  0  0  1 Maior\r\n"
    " 2  6 10  0  0  2  1 11 Menor com 7\xAA\r\n"
    "1 1 m\r\n"
    "2 1 <7\r\n"
    "2 1 <7\r\n"
    " 0  0  0  0  0  0  0  0 -------- Acordes personalizados --------\r\n";

TEST(TypeFile, LoadsTypesSeparatorsAndDerivedTables) {
    CatalogoTipos tipos;
    const LeituraTipos leitura = lerTipos(kArquivo, tipos);
    ASSERT_FALSE(leitura.danificado);
    EXPECT_EQ(tipos.NumEntradas(), 4);
    EXPECT_EQ(tipos.NumTipos, 2);
    EXPECT_EQ(tipos.OrdemTipos, (std::vector<int>{0, 1, 11, 0}));
    EXPECT_EQ(tipos.Legendas[0], "-------- Tr\xED" "ades --------");
    EXPECT_EQ(tipos.Legendas[2], "Menor com 7\xAA");
    const TTipoAcorde& m7 = tipos.tipo(11);
    EXPECT_EQ(m7.Intervalos, (IntervalosTipo{2, 6, 10, 0, 0}));
    EXPECT_EQ(m7.CifraPadrao[0][0], "m");
    EXPECT_EQ(m7.CifraPadrao[1][0], "<7");
    EXPECT_EQ(m7.CifraOpcional[1][0], "<7");
    EXPECT_EQ(tipos.AssinaturaIntervalos[1], "C");
    EXPECT_EQ(tipos.AssinaturaIntervalos[11], "BJ");
    EXPECT_EQ(tipos.AssinaturaIntervalos[2], "*");
    EXPECT_EQ(tipos.SomaIntervalos[1], 9);
    EXPECT_EQ(tipos.SomaIntervalos[11], 18);
    EXPECT_EQ(tipos.SomaIntervalos[5], kSomaForaDaOrdem);
}

TEST(TypeFile, WritesBackByteForByte) {
    CatalogoTipos tipos;
    ASSERT_FALSE(lerTipos(kArquivo, tipos).danificado);
    EXPECT_EQ(escreverTipos(tipos), kArquivo);
}

TEST(TypeFile, NameStartsAtColumn25AndType100ShiftsIt) {
    CatalogoTipos tipos;
    const std::string arquivo =
        "2\r\n"
        " 3  6  0  0  0  0  0  9 Nove\r\n"
        " 3  7  0  0  0  0  0 100 Cem\r\n";
    ASSERT_FALSE(lerTipos(arquivo, tipos).danificado);
    const std::string escrito = escreverTipos(tipos);
    EXPECT_EQ(escrito, arquivo);
    const std::size_t linha2 = escrito.find("\r\n") + 2;
    EXPECT_EQ(escrito.substr(linha2 + 24, 4), "Nove");
    const std::size_t linha3 = escrito.find("\r\n", linha2) + 2;
    EXPECT_EQ(escrito.substr(linha3 + 25, 3), "Cem");
}

TEST(TypeFile, TrimsAndCutsTexts) {
    CatalogoTipos tipos;
    const std::string nomeLongo(60, 'N');
    const std::string arquivo = "2\n 3 6 0 0 0 1 0 1       Com brancos\n1 1   >123456\n"
                                " 3 7 0 0 0 0 0 2 " + nomeLongo + "\n";
    ASSERT_FALSE(lerTipos(arquivo, tipos).danificado);
    EXPECT_EQ(tipos.tipo(1).Nome, "Com brancos");
    EXPECT_EQ(tipos.tipo(1).CifraPadrao[0][0], ">1234");
    EXPECT_EQ(tipos.tipo(2).Nome, std::string(50, 'N'));
}

TEST(TypeFile, DuplicateIsReportedAndLaterBlockWins) {
    CatalogoTipos tipos;
    const LeituraTipos leitura = lerTipos("2\n 3 6 0 0 0 0 0 7 Antes\n 2 6 0 0 0 0 0 7 Depois\n", tipos);
    ASSERT_FALSE(leitura.danificado);
    EXPECT_EQ(leitura.duplicatas, std::vector<int>{7});
    EXPECT_EQ(tipos.NumTipos, 2);
    EXPECT_EQ(tipos.tipo(7).Nome, "Depois");
    EXPECT_EQ(mensagemDuplicata(7),
              "ATENÇÃO: Erro no arquivo de tipos de acordes. Duplicata: 7");
}

TEST(TypeFile, DamagedFilesLeaveNoTypes) {
    const struct {
        const char* caso;
        std::string bytes;
    } casos[] = {
        {"empty", ""},
        {"zero entries", "0\r\n"},
        {"cut short", "2\r\n 3  6  0  0  0  0  0  1 Maior\r\n"},
        {"missing element line", "1\r\n 3  6  0  0  0  1  0  1 Maior\r\n"},
        {"type above 100", "1\r\n 3  6  0  0  0  0  0 101 X\r\n"},
        {"negative type", "1\r\n 3  6  0  0  0  0  0 -1 X\r\n"},
        {"interval code 19", "1\r\n19  6  0  0  0  0  0  1 X\r\n"},
        {"element position 5", "1\r\n 3  6  0  0  0  1  0  1 X\r\n5 1 m\r\n"},
        {"element slot 3", "1\r\n 3  6  0  0  0  1  0  1 X\r\n1 3 m\r\n"},
        {"more than 120 entries", "121\r\n"},
        {"not a number", "abc\r\n"},
        {"letters in header", "1\r\n 3  x  0  0  0  0  0  1 X\r\n"},
    };
    for (const auto& c : casos) {
        CatalogoTipos tipos;
        const LeituraTipos leitura = lerTipos(c.bytes, tipos);
        EXPECT_EQ(tipos.NumTipos, 0) << c.caso;
        EXPECT_EQ(tipos.NumEntradas(), 0) << c.caso;
        EXPECT_EQ(leitura.danificado, std::string(c.caso) != "zero entries") << c.caso;
        EXPECT_EQ(tipos.SomaIntervalos[1], kSomaForaDaOrdem) << c.caso;
    }
}

TEST(TypeFile, SeparatorCaptionSurvivesAndDoesNotCount) {
    CatalogoTipos tipos;
    ASSERT_FALSE(lerTipos("1\r\n 0  0  0  0  0  0  0  0 == Grupo ==\r\n", tipos).danificado);
    EXPECT_EQ(tipos.NumTipos, 0);
    EXPECT_EQ(tipos.Legendas, std::vector<std::string>{"== Grupo =="});
    tipos.Legendas[0] = "Outro";
    EXPECT_EQ(escreverTipos(tipos), "1\r\n 0  0  0  0  0  0  0  0 Outro\r\n");
}

// Every prefix of a good file, and random bytes, load whole or not at all: never past a table.
TEST(TypeFile, TruncatedAndRandomFilesLoadWholeOrNotAtAll) {
    for (std::size_t n = 0; n < kArquivo.size(); ++n) {
        CatalogoTipos tipos;
        const LeituraTipos leitura = lerTipos(kArquivo.substr(0, n), tipos);
        EXPECT_EQ(leitura.danificado, tipos.NumEntradas() == 0) << n;
    }
    std::mt19937 gerador(1252);
    const std::string alfabeto = " 0123456789-\r\n<>mb#\xAA";
    for (int rodada = 0; rodada < 2000; ++rodada) {
        std::string bytes = std::to_string(gerador() % 130) + "\r\n";
        const std::size_t tamanho = gerador() % 400;
        for (std::size_t i = 0; i < tamanho; ++i)
            bytes += rodada % 2 ? static_cast<char>(gerador())
                                : alfabeto[gerador() % alfabeto.size()];
        CatalogoTipos tipos;
        lerTipos(bytes, tipos);
        EXPECT_LE(tipos.NumEntradas(), kMaxEntradas);
        for (int t : tipos.OrdemTipos) EXPECT_TRUE(t >= 0 && t <= kMaxTipos);
    }
}

}  // namespace
}  // namespace trovale
