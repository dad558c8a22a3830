#include "fingering/catalogue_insertion.h"

#include <gtest/gtest.h>

#include "fingering_builders.h"
#include "support/recording_dialogs.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

using testing::catalogarDireto;
using testing::dedilhado;
using testing::RecordingDialogs;

enum : int { kMaior = 1, kMenor = 2, kMaiorBis = 55 };
enum : int { kA = 1, kC = 4, kD = 6, kE = 8, kF = 9 };

Catalogo catalogoVazio() {
    Catalogo c;
    c.tipos = testing::montarCatalogo({
        {kMaior, "Maior", "3 5", ""},
        {kMenor, "Menor", "b3 5", "m"},
        {kMaiorBis, "Maior bis", "3 5", "M"},
    });
    return c;
}

TDigitacao comoCatalogada(TDigitacao d, int nota, int tipo) {
    d.Nota = nota;
    d.Tipo = tipo;
    return d;
}

TEST(InsertFingering, SameFingeringTwiceIsRefused) {
    Catalogo catalogo = catalogoVazio();
    RecordingDialogs dialogs;
    EXPECT_TRUE(insertFingering(catalogo, dedilhado("x 3 2 0 1 0"), kC, kMaior, dialogs));
    EXPECT_EQ(catalogo.digitacoes.PrimeiraDigitacao(kC, kMaior), 1);
    EXPECT_TRUE(catalogo.DigitacoesAlteradas);
    EXPECT_TRUE(dialogs.avisos.empty());

    EXPECT_FALSE(insertFingering(catalogo, dedilhado("x 3 2 0 1 0"), kC, kMaior, dialogs));
    EXPECT_EQ(dialogs.avisos, std::vector<std::string>{
                                  "Digitação previamente catalogada para este tipo de acorde."});
    EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), 1);

    TDigitacao comNome = dedilhado("x 3 2 0 1 0");
    comNome.NomeNota = "C";
    EXPECT_FALSE(insertFingering(catalogo, comNome, kC, kMaior, dialogs));
    EXPECT_EQ(dialogs.avisos.back(),
              "Digitação em C previamente catalogada para este tipo de acorde.");
}

TEST(InsertFingering, SlotOrderAloneNeverMakesTwoFingeringsDiffer) {
    const struct {
        const char* caso;
        TDigitacao catalogada, nova;
    } casos[] = {
        {"notes in another order", dedilhado("x 3 2 0 1 0"),
         [] {
             TDigitacao d = dedilhado("x 3 2 0 1 0");
             d.Notas = {d.Notas[2], d.Notas[0], d.Notas[1], NotaDedo{}};
             return d;
         }()},
        {"barres in another order", dedilhado("x 5 7 7 7 5", 5, {{1, 5, 1}, {2, 4, 3}}),
         dedilhado("x 5 7 7 7 5", 5, {{2, 4, 3}, {1, 5, 1}})},
        {"barre plus notes, notes reordered", dedilhado("1 3 3 2 1 1", 1, {{1, 6, 1}}),
         [] {
             TDigitacao d = dedilhado("1 3 3 2 1 1", 1, {{1, 6, 1}});
             std::swap(d.Notas[0], d.Notas[2]);
             return d;
         }()},
    };
    for (const auto& c : casos) {
        Catalogo catalogo = catalogoVazio();
        catalogarDireto(catalogo, c.catalogada, kC, kMaior);
        RecordingDialogs dialogs;
        EXPECT_FALSE(insertFingering(catalogo, c.nova, kC, kMaior, dialogs)) << c.caso;
        EXPECT_TRUE(dialogs.perguntas.empty()) << c.caso;
        EXPECT_EQ(dialogs.avisos.size(), 1u) << c.caso;
        EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), 1) << c.caso;
    }
}

TEST(InsertFingering, SameSoundWithOtherFingersAsksQuestionEight) {
    for (Resposta resposta : {Resposta::Nao, Resposta::Sim}) {
        Catalogo catalogo = catalogoVazio();
        catalogarDireto(catalogo, dedilhado("x 0 2 2 2 0"), kA, kMaior);
        RecordingDialogs dialogs;
        dialogs.respostas = {resposta};
        const bool inserida = insertFingering(catalogo, dedilhado("x 0 2 2 2 0", 1, {{2, 4, 2}}),
                                              kA, kMaior, dialogs);
        EXPECT_EQ(dialogs.perguntas, (std::vector<std::pair<int, std::string>>{{8, "01"}}));
        EXPECT_TRUE(dialogs.avisos.empty());
        EXPECT_EQ(inserida, resposta == Resposta::Sim);
        EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), inserida ? 2 : 1);
        EXPECT_EQ(catalogo.DigitacoesAlteradas, inserida);
    }
}

TEST(InsertFingering, QuestionNumberHasAtLeastTwoDigits) {
    Catalogo catalogo = catalogoVazio();
    // Nine fingerings that differ from the new one on string 6, then its twin.
    for (int traste : {0, 1, 2, 3, 4, 5, 6, 7, 9}) {
        const std::string trastes = std::to_string(traste) + " 3 2 0 1 0";
        catalogarDireto(catalogo, dedilhado(trastes, 1), kC, kMaior);
    }
    catalogarDireto(catalogo, dedilhado("8 x 10 9 8 x", 8, {{2, 6, 1}}), kC, kMaior);
    RecordingDialogs dialogs;
    EXPECT_FALSE(insertFingering(catalogo, dedilhado("8 x 10 9 8 x", 8), kC, kMaior, dialogs));
    EXPECT_EQ(dialogs.perguntas, (std::vector<std::pair<int, std::string>>{{8, "10"}}));
    EXPECT_TRUE(dialogs.avisos.empty());
}

TEST(InsertFingering, SubsetsAreReportedAndTheFingeringStillGoesIn) {
    const struct {
        const char* caso;
        const char* nova;
        const char* nome;
        const char* aviso;
    } casos[] = {
        {"new is a subset", "x 3 2 0 1 x", "",
         "Digitação é um subconjunto da 2ª digitação catalogada deste acorde."},
        {"new is a subset, with its root name", "x 3 2 0 1 x", "C",
         "Digitação em C é um subconjunto da 2ª digitação catalogada deste acorde."},
        {"catalogued is a subset", "3 3 2 0 1 0", "",
         "A 2ª digitação catalogada é um subconjunto desta."},
        {"catalogued is a subset, with its root name", "3 3 2 0 1 0", "C",
         "A 2ª digitação catalogada em C é um subconjunto desta."},
    };
    for (const auto& c : casos) {
        Catalogo catalogo = catalogoVazio();
        catalogarDireto(catalogo, dedilhado("x 3 5 5 5 3", 3, {{1, 5, 1}}), kC, kMaior);
        catalogarDireto(catalogo, dedilhado("x 3 2 0 1 0"), kC, kMaior);
        TDigitacao nova = dedilhado(c.nova);
        nova.NomeNota = c.nome;
        RecordingDialogs dialogs;
        EXPECT_TRUE(insertFingering(catalogo, nova, kC, kMaior, dialogs)) << c.caso;
        EXPECT_EQ(dialogs.avisos, std::vector<std::string>{c.aviso}) << c.caso;
        EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), 3) << c.caso;
    }
}

TEST(InsertFingering, GoesAfterTheChordsLastFingeringAndShiftsTheIndex) {
    Catalogo catalogo = catalogoVazio();
    catalogarDireto(catalogo, dedilhado("x 3 2 0 1 0"), kC, kMaior);  // 1
    catalogarDireto(catalogo, dedilhado("x 3 5 5 5 3", 3, {{1, 5, 1}}), kC, kMaior);
    catalogarDireto(catalogo, dedilhado("x x 0 2 3 2"), kD, kMaior);                  // 3
    catalogarDireto(catalogo, dedilhado("x 3 5 5 4 3", 3, {{1, 5, 1}}), kC, kMenor);  // 4
    catalogarDireto(catalogo, dedilhado("8 10 10 8 8 8", 8, {{1, 6, 1}}), kC, kMenor);
    catalogarDireto(catalogo, dedilhado("0 2 2 1 0 0"), kE, kMaior);  // 6
    const auto& indice = catalogo.digitacoes.IndiceDigitacoes;

    RecordingDialogs dialogs;
    const TDigitacao nova = dedilhado("8 x 10 9 8 8", 8, {{1, 2, 1}});
    ASSERT_TRUE(insertFingering(catalogo, nova, kC, kMaior, dialogs));
    EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), 7);
    EXPECT_EQ(catalogo.digitacoes.Digitacoes[2], Codificar(comoCatalogada(nova, kC, kMaior)));
    EXPECT_EQ(indice[kC][kMaior], 1);
    EXPECT_EQ(indice[kD][kMaior], 4);
    EXPECT_EQ(indice[kC][kMenor], 5);
    EXPECT_EQ(indice[kE][kMaior], 7);
    EXPECT_EQ(catalogo.digitacoes.tamanhoDaSequencia(1), 3);

    // A chord without fingerings goes to the end.
    const TDigitacao fa = dedilhado("1 3 3 2 1 1", 1, {{1, 6, 1}});
    ASSERT_TRUE(insertFingering(catalogo, fa, kF, kMaior, dialogs));
    EXPECT_EQ(indice[kF][kMaior], 8);
    EXPECT_EQ(catalogo.digitacoes.Digitacoes[7], Codificar(comoCatalogada(fa, kF, kMaior)));
    EXPECT_EQ(indice[kE][kMaior], 7);
    EXPECT_TRUE(dialogs.avisos.empty());
}

TEST(InsertFingering, EqualSoundingTypeFilesUnderTheTypeThatHasFingerings) {
    Catalogo catalogo = catalogoVazio();
    catalogarDireto(catalogo, dedilhado("x 3 2 0 1 0"), kC, kMaior);
    catalogarDireto(catalogo, dedilhado("0 2 2 1 0 0"), kE, kMaior);
    RecordingDialogs dialogs;
    const TDigitacao nova = dedilhado("x 3 5 5 5 3", 3, {{1, 5, 1}});
    ASSERT_TRUE(insertFingering(catalogo, nova, kC, kMaiorBis, dialogs));
    EXPECT_EQ(tipoGravado(catalogo.digitacoes.Digitacoes[1]), kMaior);
    EXPECT_EQ(catalogo.digitacoes.PrimeiraDigitacao(kC, kMaiorBis), 0);
    EXPECT_EQ(catalogo.digitacoes.PrimeiraDigitacao(kE, kMaior), 3);

    // And a duplicate is recognised through the same resolution.
    EXPECT_FALSE(insertFingering(catalogo, dedilhado("x 3 2 0 1 0"), kC, kMaiorBis, dialogs));
    EXPECT_EQ(dialogs.avisos.size(), 1u);
}

TEST(InsertFingering, TenThousandthIsAcceptedAndTheNextRefused) {
    Catalogo catalogo = catalogoVazio();
    const TDigitacao enchimento = dedilhado("x 0 2 2 1 0");
    for (int i = 0; i < kMaxDigitacoes - 1; ++i)
        catalogo.digitacoes.Digitacoes.push_back(Codificar(comoCatalogada(enchimento, kA, kMenor)));
    catalogo.digitacoes.IndiceDigitacoes[kA][kMenor] = 1;

    RecordingDialogs dialogs;
    EXPECT_TRUE(insertFingering(catalogo, dedilhado("x 3 2 0 1 0"), kC, kMaior, dialogs));
    EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), kMaxDigitacoes);
    catalogo.DigitacoesAlteradas = false;
    EXPECT_FALSE(insertFingering(catalogo, dedilhado("0 3 2 0 1 0"), kC, kMaior, dialogs));
    EXPECT_EQ(dialogs.avisos,
              std::vector<std::string>{"Programa já atingiu o número máximo de posições."});
    EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), kMaxDigitacoes);
    EXPECT_FALSE(catalogo.DigitacoesAlteradas);
}

TEST(InsertFingering, TypeEditedSinceSavingMakesTypesAndFingeringsSaveTogether) {
    for (bool editado : {false, true}) {
        Catalogo catalogo = catalogoVazio();
        if (editado) catalogo.tipos.TiposAcorde[kMaior].Intervalos = {3, 6, 10, 0, 0};
        RecordingDialogs dialogs;
        ASSERT_TRUE(insertFingering(catalogo, dedilhado("x 3 2 3 1 0"), kC, kMaior, dialogs));
        EXPECT_EQ(catalogo.GravarJuntos, editado);
    }
}

TEST(CatalogueFingering, VerifiesAgainstTheLinkThenFilesUnderTheLinkedRoot) {
    Catalogo catalogo = catalogoVazio();
    RecordingDialogs dialogs;
    FingeringEditorState estado = emptyEditorState();
    estado.digitacao = dedilhado("x 3 2 0 3 0");
    linkChord(estado, catalogo.tipos, "C", kMaior);
    EXPECT_FALSE(catalogueFingering(estado, catalogo, dialogs));
    EXPECT_EQ(
        dialogs.avisos,
        std::vector<std::string>{"Digitação incorreta: a nota \"D\" não é admitida neste acorde."});
    EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), 0);

    estado.digitacao = dedilhado("x 3 2 0 1 0");
    estado.digitacao.NomeNota = "C";
    EXPECT_TRUE(catalogueFingering(estado, catalogo, dialogs));
    EXPECT_EQ(estado.digitacao.Nota, kC);
    EXPECT_EQ(estado.digitacao.NomeNota, "");
    EXPECT_EQ(catalogo.digitacoes.PrimeiraDigitacao(kC, kMaior), 1);
    EXPECT_EQ(dialogs.avisos.size(), 1u);
}

}  // namespace
}  // namespace trovale
