#include "fingering/verification.h"

#include <gtest/gtest.h>

#include "fingering_builders.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

using testing::dedilhado;

TEST(VerifyAgainstLink, ReportsBassOmissionsAndWrongNotes) {
    const CatalogoTipos& tipos = testing::catalogoComum();
    const struct {
        const char* caso;
        const char* raiz;
        int tipo;
        TDigitacao digitacao;
        bool corresponde;
        const char* mensagem;
    } casos[] = {
        {"C major", "C", testing::kMaior, dedilhado("x 3 2 0 1 0"), true,
         "Digitação corresponde ao acorde vinculado."},
        {"C major with E in the bass", "C", testing::kMaior, dedilhado("0 3 2 0 1 0"), true,
         "Digitação corresponde ao acorde vinculado, com baixo invertido (E)."},
        {"C7 without fifth", "C", testing::kSetima, dedilhado("x 3 2 3 1 x"), true,
         "Digitação corresponde ao acorde vinculado, com supressão da quinta."},
        {"C7 without fifth over E", "C", testing::kSetima, dedilhado("0 3 2 3 1 x"), true,
         "Digitação corresponde ao acorde vinculado, com baixo invertido (E) e supressão da "
         "quinta."},
        {"C7(9) without root", "C", testing::kSetimaNona, dedilhado("x x 2 3 3 3"), true,
         "Digitação corresponde ao acorde vinculado, com baixo invertido (E) e supressão da "
         "fundamental."},
        {"Bb major spelled flat in the bass", "Bb", testing::kMaior, dedilhado("x x 0 3 3 1"), true,
         "Digitação corresponde ao acorde vinculado, com baixo invertido (D)."},
        {"C7 lacks its seventh", "C", testing::kSetima, dedilhado("x 3 2 0 1 0"), false,
         "Acorde incompleto: não consta a nota \"Bb\" (ou está vedado o toque na corda "
         "correspondente)."},
        {"Eb major lacks its third", "Eb", testing::kMaior, dedilhado("x x 1 3 4 1"), false,
         "Acorde incompleto: não consta a nota \"G\" (ou está vedado o toque na corda "
         "correspondente)."},
        {"D in C major", "C", testing::kMaior, dedilhado("x 3 2 0 3 0"), false,
         "Digitação incorreta: a nota \"D\" não é admitida neste acorde."},
        {"foreign sharp note", "Eb", testing::kMaior, dedilhado("x x 1 3 2 3"), false,
         "Digitação incorreta: a nota \"C#\" não é admitida neste acorde."},
        {"invalid fingering", "C", testing::kMaior, dedilhado("x 0 2 2 x x"), false,
         "No mínimo 3 notas diferentes devem estar habilitadas num acorde."},
    };
    for (const auto& c : casos) {
        FingeringEditorState estado = emptyEditorState();
        estado.digitacao = c.digitacao;
        linkChord(estado, tipos, c.raiz, c.tipo);
        const Verification v = verifyAgainstLink(estado, tipos);
        EXPECT_EQ(v.matches, c.corresponde) << c.caso;
        EXPECT_EQ(v.message, c.mensagem) << c.caso;
    }
}

}  // namespace
}  // namespace trovale
