// MODELO.INI: exact bytes, reading back, partial files, damaged files and saving.

#include <gtest/gtest.h>

#include "base/file_system.h"
#include "catalogue/catalogue_files_fixture.h"
#include "settings/settings_file_modelo.h"
#include "support/crashing_file_system.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using testing::RecordingDialogs;
using testing::TempFolder;

const std::string kFabrica =
    "1 2\r\n"
    "12 0 1 0 Arial\r\n"
    "8 0 0 0 Arial\r\n"
    "11 0 0 0 Arial\r\n"
    "9 32768 0 0 Arial\r\n"
    "20 0 0 0 Arial\r\n"
    "8 0 1 0 Arial\r\n"
    "11 0 1 0 Arial\r\n"
    "11 0 1 0 Arial\r\n"
    "9 8421504 0 0 Arial\r\n";

std::string mensagemDefeito(const TempFolder& pasta) {
    return "Arquivo " + (pasta.path() / "MODELO.INI").string() +
           " defeituoso. Remova-o, se não conseguir restaurá-lo.";
}

// A template that differs from the factory one everywhere the file can tell.
Modelo modeloDoUsuario() {
    Modelo m = modeloDeFabrica();
    m.Presentation = 2;
    m.DiagramListOrder = 0;
    m.Fonts[0] = {"Times New Roman", -14, corRgb(200, 10, 20), true, true};  // capitals only
    m.Fonts[2] = {
        "Fonte \xC7"
        "edilha",
        10, 0, false, true};  // Windows-1252
    m.Fonts[4].tamanho = 35;
    m.Fonts[8] = {"Courier New", 7, corRgb(1, 2, 3), false, false};
    return m;
}

TEST(ModeloFile, FactoryTemplateWrittenByteForByte) {
    TempFolder pasta;
    DiskFileSystem fs(false);
    RecordingDialogs dialogs;
    ASSERT_TRUE(gravarModelo(fs, pasta.path(), modeloDeFabrica(), dialogs));
    EXPECT_EQ(pasta.read("MODELO.INI"), kFabrica);
    EXPECT_EQ(pasta.files().size(), 1u);  // no temporary file left behind
    EXPECT_TRUE(dialogs.avisos.empty());
}

TEST(ModeloFile, UserTemplateRoundTrips) {
    TempFolder pasta;
    DiskFileSystem fs(false);
    RecordingDialogs dialogs;
    const Modelo escrito = modeloDoUsuario();
    ASSERT_TRUE(gravarModelo(fs, pasta.path(), escrito, dialogs));
    const std::string bytes = *pasta.read("MODELO.INI");
    EXPECT_EQ(bytes.substr(0, 38), "2 0\r\n-14 1313480 1 1 Times New Roman\r\n");
    EXPECT_NE(bytes.find("\r\n10 0 0 1 Fonte \xC7"
                         "edilha\r\n"),
              std::string::npos);

    const Modelo lido = carregarModelo(fs, pasta.path(), dialogs);
    EXPECT_EQ(lido, escrito);
    EXPECT_TRUE(lido.Fonts[0].soMaiusculas());
    EXPECT_EQ(lido.Fonts[0].tamanhoAbsoluto(), 14);
    EXPECT_TRUE(dialogs.avisos.empty());
}

TEST(ModeloFile, ReadingVariants) {
    const Modelo fabrica = modeloDeFabrica();
    const struct {
        const char* nome;
        std::string bytes;
        Modelo esperado;
    } casos[] = {
        {"ends after element 5",
         "0 0\r\n14 255 0 1 Verdana\r\n9 0 0 0 Arial\r\n10 0 0 0 Arial\r\n8 0 1 0 Arial\r\n"
         "25 0 0 0 Arial\r\n7 0 0 0 Arial\r\n",
         [] {
             Modelo m = modeloDeFabrica();
             m.Presentation = 0;
             m.DiagramListOrder = 0;
             m.Fonts[0] = {"Verdana", 14, 255, false, true};
             m.Fonts[1].tamanho = 9;
             m.Fonts[2].tamanho = 10;
             m.Fonts[3] = {"Arial", 8, 0, true, false};
             m.Fonts[4].tamanho = 25;
             m.Fonts[5] = {"Arial", 7, 0, false, false};
             return m;
         }()},
        {"first line only", "2 1\r\n",
         [] {
             Modelo m = modeloDeFabrica();
             m.Presentation = 2;
             m.DiagramListOrder = 1;
             return m;
         }()},
        {"bare LF line ends and a trailing blank line", "1 2\n12 0 1 0 Arial\n\n", fabrica},
        {"no line end after the last line", kFabrica.substr(0, kFabrica.size() - 2), fabrica},
        {"only one blank of the name is dropped", "1 2\r\n12 0 1 0  Arial\r\n",
         [] {
             Modelo m = modeloDeFabrica();
             m.Fonts[0].nome = " Arial";
             return m;
         }()},
        {"lines after element 8 are ignored", kFabrica + "nonsense\r\n", fabrica},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const std::optional<Modelo> lido = interpretarModelo(caso.bytes);
        ASSERT_TRUE(lido.has_value());
        EXPECT_EQ(*lido, caso.esperado);
    }
}

TEST(ModeloFile, DamagedFileGivesFactoryTemplateAndOneMessage) {
    const char* const casos[] = {
        "",                                                // no first line
        "3 0\r\n",                                         // Presentation above 2
        "1 3\r\n",                                         // DiagramListOrder above 2
        "-1 0\r\n",                                        // negative Presentation
        "1\r\n",                                           // a number missing
        "1 x\r\n",                                         // not a number
        "1 2\r\n12 0 2 0 Arial\r\n",                       // bold above 1
        "1 2\r\n12 0 1 2 Arial\r\n",                       // italic above 1
        "1 2\r\n12 0 1 0 \r\n",                            // empty name
        "1 2\r\n12 0 1 0\r\n",                             // no name at all
        "1 2\r\n12 0 1\r\n",                               // a number missing
        "1 2\r\n12 zero 1 0 Arial\r\n",                    // colour not a number
        "1 2\r\n12 0 1 0 Arial\r\n\r\n8 0 0 0 Arial\r\n",  // blank element line
        "1 2\r\n12 0 1 0 A\r\n8 0 0 0 A\r\n11 0 0 0 A\r\n9 0 0 0 A\r\n0 0 0 0 A\r\n",
        "1 2\r\n12 0 1 0 A\r\n8 0 0 0 A\r\n11 0 0 0 A\r\n9 0 0 0 A\r\n101 0 0 0 A\r\n",
        "1 2\r\n0 0 1 0 Arial\r\n",  // a font of no size
    };
    for (const char* bytes : casos) {
        SCOPED_TRACE(bytes);
        TempFolder pasta;
        pasta.write("MODELO.INI", bytes);
        DiskFileSystem fs(false);
        RecordingDialogs dialogs;
        EXPECT_EQ(carregarModelo(fs, pasta.path(), dialogs), modeloDeFabrica());
        EXPECT_EQ(dialogs.avisos, std::vector<std::string>{mensagemDefeito(pasta)});
        EXPECT_EQ(pasta.read("MODELO.INI"), bytes);  // never rewritten
    }
}

TEST(ModeloFile, MissingFileGivesFactoryTemplateSilently) {
    TempFolder pasta;
    DiskFileSystem fs(false);
    RecordingDialogs dialogs;
    EXPECT_EQ(carregarModelo(fs, pasta.path(), dialogs), modeloDeFabrica());
    EXPECT_TRUE(dialogs.avisos.empty());
}

TEST(ModeloFile, FailedSaveKeepsTheOldFile) {
    const struct {
        const char* nome;
        testing::CrashingFileSystem::Failure falha;
        const char* mensagem;
    } casos[] = {
        {"write fails half-way", testing::CrashingFileSystem::Failure::IoError,
         "Dispositivo defeituoso ou com espaço insuficiente."},
        {"file refused", testing::CrashingFileSystem::Failure::Refused,
         "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido contra "
         "gravação)."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        TempFolder pasta;
        pasta.write("MODELO.INI", kFabrica);
        DiskFileSystem disco(false);
        testing::CrashingFileSystem fs(disco);
        fs.failAtStep(1, caso.falha);
        RecordingDialogs dialogs;
        EXPECT_FALSE(gravarModelo(fs, pasta.path(), modeloDoUsuario(), dialogs));
        EXPECT_EQ(dialogs.avisos, std::vector<std::string>{caso.mensagem});
        EXPECT_EQ(pasta.files(), (std::map<std::string, std::string>{{"MODELO.INI", kFabrica}}));
    }
}

TEST(ModeloFile, TornarPadraoTakesPresentationOnlyWhenTheFileCouldBeCreated) {
    TempFolder pasta;
    DiskFileSystem fs(false);
    const Modelo daJanela = modeloDoUsuario();

    RecordingDialogs semPasta;
    Modelo padrao = modeloDeFabrica();
    EXPECT_FALSE(tornarModeloPadrao(fs, pasta.path() / "missing", daJanela, padrao, semPasta));
    EXPECT_EQ(padrao.Fonts, daJanela.Fonts);
    EXPECT_EQ(padrao.Presentation, 1);
    EXPECT_EQ(padrao.DiagramListOrder, 2);
    EXPECT_EQ(semPasta.avisos,
              std::vector<std::string>{"Arquivo/caminho impróprio ou dispositivo "
                                       "inválido/defeituoso (ou protegido contra gravação)."});

    RecordingDialogs dialogs;
    padrao = modeloDeFabrica();
    EXPECT_TRUE(tornarModeloPadrao(fs, pasta.path(), daJanela, padrao, dialogs));
    EXPECT_EQ(padrao, daJanela);
    EXPECT_EQ(carregarModelo(fs, pasta.path(), dialogs), daJanela);
    EXPECT_TRUE(dialogs.avisos.empty());
}

}  // namespace
}  // namespace trovale
