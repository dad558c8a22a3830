// A power failure at any step of any save, even half-way through a write, must leave the old
// pair of catalogue files or the new pair once the next start has recovered: never a mix,
// never a work file.

#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_files_fixture.h"
#include "catalogue/catalogue_save.h"
#include "catalogue/fingering_file.h"
#include "catalogue/symbol_elements.h"
#include "catalogue/type_editing.h"
#include "catalogue/type_file.h"
#include "catalogue/type_order.h"
#include "support/crashing_file_system.h"
#include "support/recording_dialogs.h"
#include "support/unprivileged.h"

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

// What the type editor and the order window leave: a type deleted with its fingering, its
// number taken by a new type, and the list turned upside down.
Catalogo depoisDosEditoresDeTipos() {
    Catalogo c = testing::catalogoCom(testing::kTiposNovos, testing::digitacoesComSetima());
    testing::RecordingDialogs dialogs;
    dialogs.respostas = {Resposta::Sim};
    confirmarExclusao(c, 3, dialogs);
    confirmarInclusao(c, {selecaoDe({4, 6}), "Suspensa", ElementosDaCifra("sus4"), {}}, dialogs);
    std::vector<std::string> legendas = c.tipos.Legendas;
    std::reverse(legendas.begin(), legendas.end());
    aplicarOrdem(c, legendas);
    return c;
}

std::vector<Cenario> cenarios() {
    Catalogo editado = depoisDosEditoresDeTipos();
    return {
        {"after the type editors, GravarJuntos set", GravarTiposEDigitacoes, editado.GravarJuntos,
         escreverTipos(editado.tipos), escreverDigitacoes(editado.digitacoes)},
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

// The disk may lose or damage a new file after its marker vouched for it. Such a file never
// replaces the old one: both stay for the user, who is told, and a save waits for them.
TEST(CatalogueCrash, AVouchedForNewFileThatIsNoFileOfItsKindKeepsTheOldOne) {
    namespace fs = std::filesystem;
    const std::string novasDigitacoes = testing::digitacoesNovas();
    const struct {
        const char* nome;
        const char* novo;
        const char* marca;
        std::string bytes;  // empty: a folder
    } casos[] = {
        {"types: a folder", "ACORDES.NEW", "TERMINOU.NEW", ""},
        {"types: cut short", "ACORDES.NEW", "TERMINOU.NEW", testing::kTiposNovos.substr(0, 40)},
        {"types: garbage", "ACORDES.NEW", "TERMINOU.NEW", std::string("\x89PNG\r\n\x1a\n\0\0", 10)},
        {"types: empty", "ACORDES.NEW", "TERMINOU.NEW", std::string("\0", 1)},
        {"fingerings: a folder", "POSICOES.NEW", "ACABOU.NEW", ""},
        {"fingerings: cut short", "POSICOES.NEW", "ACABOU.NEW",
         novasDigitacoes.substr(0, novasDigitacoes.size() - 3)},
        {"fingerings: garbage", "POSICOES.NEW", "ACABOU.NEW", std::string(60, '\xFF')},
    };
    DiskFileSystem disco;
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        testing::TempFolder pasta;
        pasta.write("ACORDES.TIP", testing::kTiposAntigos);
        pasta.write("POSICOES.DIG", testing::digitacoesAntigas());
        pasta.write(caso.marca, "Yes\r\n");
        if (caso.bytes.empty()) {
            fs::create_directory(pasta.path() / caso.novo);
            pasta.write(std::string(caso.novo) + "/x", "x");
        } else {
            pasta.write(caso.novo, caso.bytes);
        }
        const auto antes = pasta.files();
        const auto conteudoAntes = pasta.files(caso.novo);
        const std::string mensagem = "Arquivo " + (pasta.path() / caso.novo).string() +
                                     " defeituoso. Remova-o, se não conseguir restaurá-lo.";

        Catalogo aberto;
        testing::RecordingDialogs avisos;
        AbrirCatalogo({pasta.path(), disco}, aberto, avisos);
        EXPECT_EQ(avisos.avisos, std::vector<std::string>{mensagem});
        const Catalogo antigo =
            testing::catalogoCom(testing::kTiposAntigos, testing::digitacoesAntigas());
        EXPECT_EQ(aberto.tipos.NumTipos, antigo.tipos.NumTipos);
        EXPECT_EQ(aberto.digitacoes.Digitacoes, antigo.digitacoes.Digitacoes);

        aberto.TiposAlterados = aberto.DigitacoesAlteradas = true;
        testing::RecordingDialogs gravacao;
        EXPECT_FALSE(GravarTiposEDigitacoes({pasta.path(), disco}, aberto, gravacao));
        EXPECT_EQ(gravacao.avisos, std::vector<std::string>{mensagem});
        EXPECT_EQ(pasta.files(), antes);
        EXPECT_EQ(pasta.files(caso.novo), conteudoAntes);
    }
}

// After a combined save, one damaged new file holds back its partner too: the old pair stays.
TEST(CatalogueCrash, ADamagedFileOfACombinedSaveHoldsBackBoth) {
    testing::TempFolder pasta;
    pasta.write("ACORDES.TIP", testing::kTiposAntigos);
    pasta.write("POSICOES.DIG", testing::digitacoesAntigas());
    pasta.write("ACORDES.NEW", testing::kTiposNovos.substr(0, 40));
    pasta.write("POSICOES.NEW", testing::digitacoesComSetima());
    pasta.write("CASADA.END", "Yes\r\n");
    const auto antes = pasta.files();
    DiskFileSystem disco;
    Catalogo aberto;
    testing::RecordingDialogs avisos;
    AbrirCatalogo({pasta.path(), disco}, aberto, avisos);
    EXPECT_EQ(avisos.avisos,
              std::vector<std::string>{"Arquivo " + (pasta.path() / "ACORDES.NEW").string() +
                                       " defeituoso. Remova-o, se não conseguir restaurá-lo."});
    EXPECT_EQ(pasta.files(), antes);
    EXPECT_EQ(aberto.digitacoes.Digitacoes,
              testing::catalogoCom(testing::kTiposAntigos, testing::digitacoesAntigas())
                  .digitacoes.Digitacoes);
}

// A new file the user may not read, as an ordinary user would meet it.
TEST(CatalogueCrash, AnUnreadableNewFileKeepsTheOldOne) {
    testing::TempFolder pasta;
    pasta.write("ACORDES.TIP", testing::kTiposAntigos);
    pasta.write("POSICOES.DIG", testing::digitacoesAntigas());
    pasta.write("ACORDES.NEW", testing::kTiposNovos);
    pasta.write("TERMINOU.NEW", "Yes\r\n");
    std::filesystem::permissions(pasta.path() / "ACORDES.NEW", std::filesystem::perms::none);
    testing::entregarAoUsuarioComum(pasta.path());
    const std::string mensagem = "Arquivo " + (pasta.path() / "ACORDES.NEW").string() +
                                 " defeituoso. Remova-o, se não conseguir restaurá-lo.";
    const int status = testing::comoUsuarioComum([&] {
        DiskFileSystem disco;
        Catalogo aberto;
        testing::RecordingDialogs avisos;
        AbrirCatalogo({pasta.path(), disco}, aberto, avisos);
        return avisos.avisos == std::vector{mensagem} && aberto.tipos.NumTipos == 2 ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    std::filesystem::permissions(pasta.path() / "ACORDES.NEW", std::filesystem::perms(0644));
    EXPECT_EQ(pasta.files(), (Arquivos{{"ACORDES.TIP", testing::kTiposAntigos},
                                       {"POSICOES.DIG", testing::digitacoesAntigas()},
                                       {"ACORDES.NEW", testing::kTiposNovos},
                                       {"TERMINOU.NEW", "Yes\r\n"}}));
}

}  // namespace
}  // namespace trovale
