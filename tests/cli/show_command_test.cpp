// trovale-cli show and convert on song files, as a script meets them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "catalogue_folder.h"
#include "cli_process.h"

namespace trovale::testing {
namespace {

std::filesystem::path golden(const char* name) {
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "document" / "golden" /
           name;
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A default template whose refrain, chorus and notes fonts differ from the factory ones.
const char* const kModelo =
    "1 2\r\n12 0 1 0 Arial\r\n8 0 0 0 Arial\r\n11 0 0 0 Arial\r\n9 32768 0 0 Arial\r\n"
    "20 0 0 0 Arial\r\n8 0 1 0 Arial\r\n-13 255 0 1 Verdana\r\n10 0 1 1 Tahoma\r\n"
    "7 65280 0 0 Georgia\r\n";

class SongCommands : public ::testing::Test {
  protected:
    void SetUp() override { pasta.gravar("MODELO.INI", kModelo); }
    ResultadoCli executar(std::vector<std::string> argumentos) {
        argumentos.insert(argumentos.begin(), {"--dir", pasta.texto()});
        return executarCli(argumentos);
    }
    PastaTemporaria pasta;
};

TEST_F(SongCommands, ShowJsonOfBothVersions) {
    const struct {
        const char* file;
        const char* json;
    } casos[] = {
        {"asa_branca_v1.dec",
         R"j({"version":"01.00","presentation":1,"listOrder":2,"pageLayout":[30,20,30,25,0,1,160,0,0,0],"fonts":[{"face":"Arial","size":12,"color":0,"bold":true,"italic":false,"capitals":false},{"face":"Arial","size":8,"color":0,"bold":false,"italic":true,"capitals":false},{"face":"Courier New","size":11,"color":0,"bold":false,"italic":false,"capitals":false},{"face":"Arial","size":9,"color":32768,"bold":true,"italic":false,"capitals":false},{"face":"Arial","size":20,"color":0,"bold":false,"italic":false,"capitals":false},{"face":"Arial","size":8,"color":0,"bold":true,"italic":false,"capitals":false},{"face":"Verdana","size":13,"color":255,"bold":false,"italic":true,"capitals":false},{"face":"Tahoma","size":10,"color":0,"bold":true,"italic":true,"capitals":false},{"face":"Georgia","size":7,"color":65280,"bold":false,"italic":false,"capitals":false}],"lines":[{"kind":0,"text":"Asa Branca"},{"kind":1,"text":"Luiz Gonzaga e Humberto Teixeira"},{"kind":3,"chords":[{"column":1,"chord":0},{"column":9,"chord":2}]},{"kind":2,"text":"Quando olhei a terra ardendo"},{"kind":3,"chords":[{"column":1,"chord":3},{"column":14,"chord":0},{"column":20,"chord":2}]},{"kind":2,"text":"   Eu perguntei"},{"kind":2,"text":"Qual fogueira de São João"}],"chordTable":[{"symbol":"Gf","typeCode":"1","fingering":"763 5118 3001"},{"symbol":" ","typeCode":"1","fingering":"0"},{"symbol":"Cf","typeCode":"1","fingering":"0"},{"symbol":"Gf*","typeCode":"1","fingering":"1027 5118 3001"}],"capo":0})j"},
        {"coracao_de_estudante_v2.dec",
         R"j({"version":"02.00","presentation":2,"listOrder":0,"pageLayout":[25,25,20,20,15,2,75,75,0,1],"fonts":[{"face":"Times New Roman","size":14,"color":0,"bold":true,"italic":false,"capitals":true},{"face":"Arial","size":8,"color":255,"bold":false,"italic":true,"capitals":false},{"face":"Arial","size":11,"color":0,"bold":false,"italic":false,"capitals":false},{"face":"Arial","size":9,"color":32768,"bold":false,"italic":false,"capitals":false},{"face":"Arial","size":25,"color":0,"bold":false,"italic":false,"capitals":false},{"face":"Arial","size":8,"color":0,"bold":true,"italic":false,"capitals":false},{"face":"Arial","size":11,"color":0,"bold":true,"italic":false,"capitals":true},{"face":"Arial","size":11,"color":16711680,"bold":true,"italic":true,"capitals":false},{"face":"Arial","size":9,"color":8421504,"bold":false,"italic":false,"capitals":false}],"lines":[{"kind":0,"text":"Coração de Estudante"},{"kind":1,"text":"Milton Nascimento"},{"kind":4,"chords":[{"column":1,"chord":0},{"column":7,"chord":1}]},{"kind":2,"text":"Quero falar de uma coisa"},{"kind":4,"chords":[{"column":3,"chord":3},{"column":12,"chord":4}]},{"kind":6,"text":"  Coração de estudante"},{"kind":4,"chords":[{"column":2,"chord":1},{"column":30,"chord":4}]},{"kind":7,"text":"Há que se cuidar"},{"kind":2,"text":""},{"kind":8,"text":"Refrão duas vezes – e fim"}],"chordTable":[{"symbol":"Dfm7","typeCode":"14","fingering":"1550 4375 3001"},{"symbol":"Gf7","typeCode":"10","fingering":"0"},{"symbol":" ","typeCode":"5","fingering":"0"},{"symbol":"Csm*","typeCode":"12","fingering":"519 1283 3002"},{"symbol":"Bb7/F","typeCode":"22","fingering":"0"}],"capo":0})j"},
    };
    for (const auto& c : casos) {
        const ResultadoCli r = executar({"show", "--json", golden(c.file).string()});
        EXPECT_EQ(r.status, 0) << c.file << r.erros;
        EXPECT_EQ(r.saida, std::string(c.json) + "\n") << c.file;
    }
}

TEST_F(SongCommands, ShowPlain) {
    const ResultadoCli r = executar({"show", golden("asa_branca_v1.dec").string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida,
              "Versão 01.00, apresentação 1, ordem da lista 2\n"
              "Página (mm): margens 30 20 30 25, entre colunas 0, 1 coluna(s) 160 0 0, "
              "retrato\n\n"
              "Tipo  Fonte        Tamanho    Cor  Estilo\n"
              "   0  Arial             12      0  negrito\n"
              "   1  Arial              8      0  itálico\n"
              "   2  Courier New       11      0\n"
              "   3  Arial              9  32768  negrito\n"
              "   4  Arial             20      0\n"
              "   5  Arial              8      0  negrito\n"
              "   6  Verdana           13    255  itálico\n"
              "   7  Tahoma            10      0  negrito, itálico\n"
              "   8  Georgia            7  65280\n\n"
              "Título      | Asa Branca\n"
              "Autor       | Luiz Gonzaga e Humberto Teixeira\n"
              "Cifras      | G       C\n"
              "Letra       | Quando olhei a terra ardendo\n"
              "Cifras      | G*           G     C\n"
              "Letra       |    Eu perguntei\n"
              "Letra       | Qual fogueira de São João\n\n"
              "Acorde  Cifra    Tipo  Digitação\n"
              "     0  G           1  763 5118 3001\n"
              "     1  (livre)     1  0\n"
              "     2  C           1  0\n"
              "     3  G*          1  1027 5118 3001\n");
}

TEST_F(SongCommands, ShowRefusesWhatItCannotRead) {
    const std::filesystem::path defeituoso =
        pasta.gravar("d.dec", "Trovale 01.00\r\n\r\n1 2 0 9\r\n");
    const struct {
        std::string file;
        const char* message;
    } casos[] = {
        {(pasta.caminho() / "nenhum.dec").string(),
         "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso.\n"},
        {defeituoso.string(), "Arquivo incompatível ou defeituoso\n"},
    };
    for (const auto& c : casos) {
        for (const char* json : {"--json", ""}) {
            std::vector<std::string> argumentos = {"show", c.file};
            if (*json) argumentos.push_back(json);
            const ResultadoCli r = executar(argumentos);
            EXPECT_EQ(r.status, 1) << c.file;
            EXPECT_EQ(r.saida, "") << c.file;
            EXPECT_EQ(r.erros, c.file + ": " + c.message) << c.file;
        }
    }
}

TEST_F(SongCommands, ConvertSongToSongKeepsEveryByte) {
    for (const char* file : {"asa_branca_v1.dec", "coracao_de_estudante_v2.dec"}) {
        const std::filesystem::path saida = pasta.caminho() / "copia.DEC";
        const ResultadoCli r = executar({"convert", golden(file).string(), saida.string()});
        EXPECT_EQ(r.status, 0) << file << r.erros;
        EXPECT_EQ(r.erros, "") << file;
        EXPECT_EQ(bytesOf(saida), bytesOf(golden(file))) << file;
    }
}

TEST_F(SongCommands, ConvertFailures) {
    std::string semLinhas = bytesOf(golden("asa_branca_v1.dec"));
    semLinhas.replace(semLinhas.find("\r\n1 2 4 7\r\n"), 11, "\r\n1 2 0 0\r\n");
    const std::filesystem::path vazia = pasta.gravar("vazia.dec", semLinhas);
    const std::string saida = (pasta.caminho() / "saida.dec").string();
    const struct {
        std::vector<std::string> argumentos;
        int status;
        std::string erros;
    } casos[] = {
        {{vazia.string(), saida}, 1, saida + ": Documento vazio. Gravação cancelada.\n"},
        {{(pasta.caminho() / "nenhum.dec").string(), saida},
         1,
         (pasta.caminho() / "nenhum.dec").string() +
             ": Arquivo/caminho impróprio ou dispositivo inválido/defeituoso.\n"},
        {{golden("asa_branca_v1.dec").string(), (pasta.caminho() / "x" / "s.dec").string()},
         1,
         (pasta.caminho() / "x" / "s.dec").string() +
             ": Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido "
             "contra gravação).\n"},
        {{"a.pdf", (pasta.caminho() / "s.dec").string()},
         2,
         "Conversão não suportada: de \".pdf\" para \".dec\" (use .dec e .txt, .dec e ChordPro "
         "(.cho, .crd, .chopro, .chordpro, .pro), ou .dec, .txt ou ChordPro para .pdf).\n"},
        {{"a.txt", "b.txt"},
         2,
         "Conversão não suportada: de \".txt\" para \".txt\" (use .dec e .txt, .dec e ChordPro "
         "(.cho, .crd, .chopro, .chordpro, .pro), ou .dec, .txt ou ChordPro para .pdf).\n"},
    };
    for (const auto& c : casos) {
        std::vector<std::string> argumentos = c.argumentos;
        argumentos.insert(argumentos.begin(), "convert");
        const ResultadoCli r = executar(argumentos);
        EXPECT_EQ(r.status, c.status) << c.argumentos[0];
        EXPECT_EQ(r.erros, c.erros) << c.argumentos[0];
        EXPECT_FALSE(std::filesystem::exists(saida)) << c.argumentos[0];
    }
}

}  // namespace
}  // namespace trovale::testing
