// A power failure at any step of any save, even half-way through a write, must leave the old
// pair of catalogue files or the new pair once the next start has recovered: never a mix,
// never a work file.

#include <gtest/gtest.h>

#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_files_fixture.h"
#include "catalogue/catalogue_save.h"
#include "support/crashing_file_system.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using testing::CrashingFileSystem;
using Failure = testing::CrashingFileSystem::Failure;
using Arquivos = std::map<std::string, std::string>;
using Gravacao = bool (*)(const ArquivosCatalogo&, Catalogo&, Dialogs&);

struct Cenario {
    const char* nome;
    Gravacao gravar;
    bool juntos;
    std::string tipos, digitacoes;  // in memory, and on the disk once saved
};

std::vector<Cenario> cenarios() {
    return {
        {"types alone", GravarTipos, false, testing::kTiposNovos, testing::digitacoesAntigas()},
        {"fingerings alone", GravarDigitacoes, false, testing::kTiposAntigos,
         testing::digitacoesNovas()},
        {"combined", GravarTiposEDigitacoes, false, testing::kTiposNovos,
         testing::digitacoesComSetima()},
        {"combined, GravarJuntos set", GravarTiposEDigitacoes, true, testing::kTiposNovos,
         testing::digitacoesComSetima()},
    };
}

Arquivos parAntigo() {
    return {{"ACORDES.TIP", testing::kTiposAntigos},
            {"POSICOES.DIG", testing::digitacoesAntigas()}};
}

Arquivos parNovo(const Cenario& cenario) {
    return {{"ACORDES.TIP", cenario.tipos}, {"POSICOES.DIG", cenario.digitacoes}};
}

// Runs the save on a folder holding the old pair, the power failing at `passo`.
// Returns true when the save finished before that step.
bool gravarComQueda(const testing::TempFolder& pasta, FileSystem& disco, const Cenario& cenario,
                    int passo, Failure modo) {
    pasta.write("ACORDES.TIP", testing::kTiposAntigos);
    pasta.write("POSICOES.DIG", testing::digitacoesAntigas());
    Catalogo catalogo = testing::catalogoCom(cenario.tipos, cenario.digitacoes);
    catalogo.TiposAlterados = catalogo.DigitacoesAlteradas = true;
    catalogo.GravarJuntos = cenario.juntos;
    CrashingFileSystem fs{disco};
    fs.failAtStep(passo, modo);
    testing::RecordingDialogs dialogs;
    try {
        EXPECT_TRUE(cenario.gravar({pasta.path(), fs}, catalogo, dialogs));
        EXPECT_TRUE(dialogs.avisos.empty());
        return true;
    } catch (const testing::SimulatedCrash&) {
        return false;
    }
}

// The next start: recovery and loading into a fresh catalogue. The folder must hold exactly
// one of the two pairs, and the catalogue must be what that pair gives.
bool abrirDepois(const testing::TempFolder& pasta, FileSystem& disco, const Cenario& cenario) {
    Catalogo aberto;
    testing::RecordingDialogs dialogs;
    AbrirCatalogo({pasta.path(), disco}, aberto, dialogs);
    EXPECT_TRUE(dialogs.avisos.empty());

    const Arquivos depois = pasta.files();
    const bool novo = depois == parNovo(cenario);
    EXPECT_TRUE(novo || depois == parAntigo()) << "files left: " << depois.size();
    const Catalogo esperado =
        novo ? testing::catalogoCom(cenario.tipos, cenario.digitacoes)
             : testing::catalogoCom(testing::kTiposAntigos, testing::digitacoesAntigas());
    EXPECT_EQ(aberto.tipos.NumTipos, esperado.tipos.NumTipos);
    EXPECT_EQ(aberto.digitacoes.Digitacoes, esperado.digitacoes.Digitacoes);
    EXPECT_EQ(aberto.digitacoes.DigitacoesRejeitadas, 0);
    return novo;
}

TEST(CatalogueCrash, EveryStepOfEverySaveLeavesTheOldPairOrTheNewPair) {
    DiskFileSystem disco{false};  // syncs are not what is replayed here
    for (const Cenario& cenario : cenarios()) {
        for (Failure modo : {Failure::Crash, Failure::CrashMidWrite}) {
            bool jaNovo = false, viuAntigo = false;
            for (int passo = 1;; ++passo) {
                SCOPED_TRACE(std::string(cenario.nome) + ", crash at step " +
                             std::to_string(passo) +
                             (modo == Failure::CrashMidWrite ? " (mid-write)" : ""));
                testing::TempFolder pasta;
                const bool concluida = gravarComQueda(pasta, disco, cenario, passo, modo);
                const bool novo = abrirDepois(pasta, disco, cenario);
                // Once the new pair is vouched for, no later crash may bring back the old one.
                EXPECT_FALSE(jaNovo && !novo);
                jaNovo = jaNovo || novo;
                viuAntigo = viuAntigo || !novo;
                if (concluida) {
                    EXPECT_TRUE(novo);
                    break;
                }
                ASSERT_LT(passo, 50);
            }
            EXPECT_TRUE(viuAntigo);
        }
    }
}

// The recovery itself may be cut by another power failure; the start after it must still
// find one whole pair.
TEST(CatalogueCrash, ACrashDuringRecoveryIsRecoveredByTheNextStart) {
    DiskFileSystem disco{false};  // syncs are not what is replayed here
    for (const Cenario& cenario : cenarios()) {
        for (int passo = 1;; ++passo) {
            bool concluida = false;
            for (int passoRecuperacao = 1;; ++passoRecuperacao) {
                SCOPED_TRACE(std::string(cenario.nome) + ", crash at step " +
                             std::to_string(passo) + ", then at recovery step " +
                             std::to_string(passoRecuperacao));
                testing::TempFolder pasta;
                concluida = gravarComQueda(pasta, disco, cenario, passo, Failure::CrashMidWrite);
                CrashingFileSystem fs{disco};
                fs.failAtStep(passoRecuperacao, Failure::CrashMidWrite);
                bool recuperou = true;
                try {
                    Catalogo aberto;
                    testing::RecordingDialogs dialogs;
                    AbrirCatalogo({pasta.path(), fs}, aberto, dialogs);
                } catch (const testing::SimulatedCrash&) {
                    recuperou = false;
                }
                abrirDepois(pasta, disco, cenario);
                if (recuperou) break;
            }
            if (concluida) break;
        }
    }
}

}  // namespace
}  // namespace trovale
