// The chord type editor's rules without its window: the interval list's exclusions, the
// symbol grid, the confirmation checks and what each task leaves in the catalogue.

#include <gtest/gtest.h>

#include <functional>

#include "catalogue/symbol_elements.h"
#include "catalogue/type_editing.h"
#include "catalogue/type_file.h"
#include "fingering/fingering_builders.h"
#include "support/recording_dialogs.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

using testing::RecordingDialogs;

int codigo(std::string_view nome) {
    for (int c = 1; c <= kMaxCodigoIntervalo; ++c)
        if (TabelaIntervalos[c].nome == nome) return c;
    return 0;
}

SelecaoIntervalos selecao(std::initializer_list<std::string_view> nomes) {
    SelecaoIntervalos s{};
    for (auto nome : nomes) s[codigo(nome)] = true;
    return s;
}

std::string nomes(const SelecaoIntervalos& s) {
    std::string texto;
    for (int c = 1; c <= kMaxCodigoIntervalo; ++c)
        if (s[c]) texto += (texto.empty() ? "" : " ") + std::string(TabelaIntervalos[c].nome);
    return texto;
}

TEST(TypeEditing, TickingAnIntervalUnticksThoseThatCannotSoundWithIt) {
    const struct {
        std::initializer_list<std::string_view> antes;
        const char* clicado;
        const char* depois;
    } casos[] = {
        {{"3", "5"}, "b3", "b3 5"},    {{"b5", "#5"}, "5", "b5 5 #5"},
        {{"6", "b7"}, "bb7", "bb7"},   {{"bb7", "7M"}, "b7", "b7"},
        {{"b9", "#11"}, "9", "9 #11"}, {{"b13", "11"}, "13", "11 13"},
        {{"2", "4", "5"}, "4", "2 5"},  // unticking excludes nothing
    };
    for (const auto& caso : casos) {
        SelecaoIntervalos s = selecao(caso.antes);
        alternarIntervalo(s, codigo(caso.clicado));
        EXPECT_EQ(nomes(s), caso.depois) << caso.clicado;
    }
}

TEST(TypeEditing, TheGridBecomesElementsColumnByColumn) {
    const auto grade = [](std::array<std::array<const char*, 3>, 4> colunas) {
        GradeCifra g;
        for (int c = 0; c < 4; ++c)
            for (int l = 0; l < 3; ++l) g[c][l] = colunas[c][l] ? colunas[c][l] : "";
        return g;
    };
    const struct {
        const char* caso;
        GradeCifra grade;
        ElementosCifra esperado;
    } casos[] = {
        {"aligned and superscript",
         grade({{{"", "m", ""}, {"7", "", ""}, {}, {"", "9", ""}}}),
         {{{"m", ""}, {"<7", ""}, {}, {"9", ""}}}},
        {"superscript over subscript", grade({{{"9", "", "4"}}}), {{{"<9", ">4"}}}},
        {"subscript alone", grade({{{}, {"", "", "4"}}}), {{{}, {">4", ""}}}},
        {"aligned beside superscript goes down", grade({{{"7", "m", ""}}}), {{{"<7", ">m"}}}},
        {"aligned beside subscript goes up", grade({{{"", "m", "4"}}}), {{{"<m", ">4"}}}},
        {"all three: the aligned one is dropped", grade({{{"7", "m", "4"}}}), {{{"<7", ">4"}}}},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(cifraDaGrade(caso.grade), caso.esperado) << caso.caso;
        EXPECT_EQ(cifraDaGrade(gradeDaCifra(caso.esperado)), caso.esperado) << caso.caso;
    }
}

TipoEmEdicao registro(std::initializer_list<std::string_view> intervalos, const char* nome,
                      const char* padrao, const char* opcional = "") {
    return {selecao(intervalos), nome, ElementosDaCifra(padrao), ElementosDaCifra(opcional)};
}

TEST(TypeEditing, ConfirmationChecksStopAtTheFirstRefusal) {
    const std::string r = "Confirmação rejeitada. ";
    const struct {
        const char* caso;
        TipoEmEdicao registro;
        int numero;
        std::vector<std::string> mensagens;
    } casos[] = {
        {"six intervals",
         registro({"3", "5", "b7", "9", "#11", "13"}, "Cheio", "13"),
         0,
         {r + "Cada acorde é limitado a 5 acidentes ou intervalos (6 notas, considerando a nota "
              "fundamental)."}},
        {"one interval",
         registro({"3"}, "Só terça", "3"),
         0,
         {r + "Um acorde deve conter pelo menos 2 acidentes ou intervalos (3 notas, no total)."}},
        {"blank name",
         registro({"3", "5", "9", "13"}, "   ", "6/9"),
         0,
         {r + "A identificação do acorde não pode ser deixada em branco."}},
        {"a name like a separator",
         registro({"3", "5", "9", "13"}, "-x-", "x"),
         0,
         {r + "A identificação do acorde não pode começar por \"-\", reservado aos separadores."}},
        {"intervals of another",
         registro({"b3", "5", "b7"}, "Outro", "mi7"),
         0,
         {r + "Intervalos correspondem exatamente aos do acorde: \"Menor com sétima\"."}},
        {"name of another",
         registro({"3", "b7", "13"}, " Sexta ", "7(13)"),
         0,
         {r + "Nome de referência já utilizado para caracterizar outro acorde."}},
        {"two empty standard symbols",
         registro({"3", "5", "b13"}, "Maior b13", ""),
         0,
         {r + "Cifra padrão igual a uma das cifras do acorde: \"Maior\"."}},
        {"standard as another's optional",
         registro({"3", "5", "b13"}, "Maior b13", "dim"),
         0,
         {r + "Cifra padrão igual a uma das cifras do acorde: \"Diminuto\"."}},
        {"optional as another's standard",
         registro({"3", "5", "b13"}, "Maior b13", "b13", "m7"),
         0,
         {r + "Cifra opcional igual a uma das cifras do acorde: \"Menor com sétima\"."}},
        {"its own symbols while altered",
         registro({"b3", "5", "b7"}, "Menor 7", "m7"),
         testing::kMenorSetima,
         {}},
    };
    for (const auto& caso : casos) {
        RecordingDialogs d;
        EXPECT_EQ(conferirTipo(testing::catalogoComum(), caso.registro, caso.numero, d),
                  caso.mensagens.empty())
            << caso.caso;
        EXPECT_EQ(d.avisos, caso.mensagens) << caso.caso;
    }
}

TEST(TypeEditing, TheSameElementsOtherwiseWrittenAreOnlyWarnedAbout) {
    TipoEmEdicao r = registro({"b3", "5", "7M", "9"}, "Menor 7M 9", "");
    r.cifraPadrao[0][0] = "<m7";  // another type's "m7", raised
    RecordingDialogs d;
    EXPECT_TRUE(conferirTipo(testing::catalogoComum(), r, 0, d));
    EXPECT_EQ(d.avisos, std::vector<std::string>{
                            "A cifra padrão tem exatamente os mesmos elementos da cifra padrão do "
                            "acorde: \"Menor com sétima\". A cifra será aceita, mas é sua "
                            "responsabilidade evitar dúvidas futuras."});
}

// Beyond 120 entries the file of types would not load back.
TEST(TypeEditing, InclusionNeedsRoomInTheList) {
    CatalogoTipos tipos = testing::catalogoComum();
    const int separador = 2;
    EXPECT_EQ(recusaAoIniciar(tipos, Tarefa::Inclusao, separador), "");
    tipos.OrdemTipos.resize(kMaxEntradas, 0);
    tipos.Legendas.resize(kMaxEntradas, "--");
    EXPECT_EQ(recusaAoIniciar(tipos, Tarefa::Inclusao, separador),
              "Limite de 120 itens na lista de apresentação (tipos e separadores) já atingido.");
}

// Maior (1), a separator, then two user types; "Add9 menor" has a fingering.
Catalogo catalogoDoUsuario() {
    Catalogo c;
    c.tipos = testing::montarCatalogo({
        {1, "Maior", "3 5", ""},
        {0, "-- Meus --", "", ""},
        {55, "Sexta do usu\xE1rio", "3 5 6", "6"},
        {57, "Add9 menor", "b3 5 9", "m(9)"},
    });
    testing::catalogarDireto(c, testing::dedilhado("x 3 1 0 3 x"), 4, 57);
    return c;
}

TEST(TypeEditing, InclusionTakesANumberAboveEveryTypeAndTheEndOfTheList) {
    Catalogo c = catalogoDoUsuario();
    RecordingDialogs d;
    const auto entrada = confirmarInclusao(c, registro({"3", "5", "13"}, " Maior 13 ", "(13)"), d);
    ASSERT_EQ(entrada, 4);
    EXPECT_EQ(c.tipos.OrdemTipos, (std::vector<int>{1, 0, 55, 57, 58}));
    EXPECT_EQ(c.tipos.Legendas.back(), "Maior 13");
    EXPECT_EQ(c.tipos.tipo(58).Intervalos, (IntervalosTipo{3, 6, 18, 0, 0}));
    EXPECT_EQ(c.tipos.CifraLinear[58], "13");
    EXPECT_EQ(c.tipos.NumTipos, 4);
    EXPECT_TRUE(c.TiposAlterados);
    EXPECT_FALSE(c.DigitacoesAlteradas);
    // The thirteenth sounds as the sixth.
    EXPECT_EQ(d.avisos, std::vector<std::string>{"Acorde sinônimo: Sexta do usuário"});
}

TEST(TypeEditing, DeletingTheLastEntrySelectsTheOneBefore) {
    Catalogo c = catalogoDoUsuario();
    RecordingDialogs d;
    EXPECT_EQ(confirmarExclusao(c, 3, d), std::nullopt);  // question 1 answered no
    EXPECT_TRUE(c.tipos.existe(57));
    d.respostas = {Resposta::Sim};
    EXPECT_EQ(confirmarExclusao(c, 3, d), 2);
    EXPECT_EQ(d.perguntas.size(), 2u);
    EXPECT_FALSE(c.tipos.existe(57));
    EXPECT_EQ(c.tipos.CifraLinear[57], "*");
    EXPECT_EQ(c.tipos.OrdemTipos, (std::vector<int>{1, 0, 55}));
    EXPECT_EQ(c.tipos.NumTipos, 2);
    EXPECT_EQ(c.digitacoes.NumDigitacoes(), 0);
    EXPECT_TRUE(c.TiposAlterados && c.DigitacoesAlteradas && c.GravarJuntos);
    // Without fingerings nothing is asked; a basic type is never deleted.
    EXPECT_EQ(confirmarExclusao(c, 2, d), 1);
    EXPECT_EQ(confirmarExclusao(c, 0, d), std::nullopt);
    EXPECT_EQ(d.perguntas.size(), 2u);
}

// A song keeps a deleted type's number: no later type may take it, even after the catalogue
// is saved and opened again, until every number has been used.
TEST(TypeEditing, ANewTypeNeverTakesTheNumberOfADeletedOne) {
    const auto semDigitacoes = [] {
        Catalogo c = catalogoDoUsuario();
        c.digitacoes = {};
        return c;
    };
    const auto reaberto = [](Catalogo c) {
        const std::string bytes = escreverTipos(c.tipos);
        lerTipos(bytes, c.tipos);
        return c;
    };
    const auto excluirUltimo = [](Catalogo c) {
        RecordingDialogs d;
        confirmarExclusao(c, c.tipos.NumEntradas() - 1, d);
        return c;
    };
    const auto ateOCem = [](Catalogo c) {
        c.tipos = testing::montarCatalogo({
            {1, "Maior", "3 5", ""},
            {0, "-- Meus --", "", ""},
            {55, "Sexta do usu\xE1rio", "3 5 6", "6"},
            {57, "Add9 menor", "b3 5 9", "m(9)"},
            {100, "Cem", "3 5 b7 9 13", "7(9/13)"},
        });
        return c;
    };
    const struct {
        const char* caso;
        std::function<Catalogo(Catalogo)> antes;
        int numero;
        std::string primeiraLinha;  // of the saved file, before the new type
    } casos[] = {
        {"nothing deleted", [](Catalogo c) { return c; }, 58, "4"},
        {"the highest deleted", excluirUltimo, 58, "3 57"},
        {"the highest deleted, then saved and opened",
         [&](Catalogo c) { return reaberto(excluirUltimo(c)); }, 58, "3 57"},
        {"two deleted, saved and opened between",
         [&](Catalogo c) { return excluirUltimo(reaberto(excluirUltimo(c))); }, 58, "2 57"},
        {"a hole below, never known as used", reaberto, 58, "4"},
        {"100 taken: the lowest free number", ateOCem, 2, "5"},
        {"100 deleted: the lowest free number",
         [&](Catalogo c) { return reaberto(excluirUltimo(ateOCem(c))); }, 2, "4 100"},
    };
    for (const auto& caso : casos) {
        Catalogo c = caso.antes(semDigitacoes());
        const std::string bytes = escreverTipos(c.tipos);
        EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), caso.primeiraLinha) << caso.caso;
        RecordingDialogs d;
        ASSERT_TRUE(confirmarInclusao(c, registro({"b3", "5", "9", "11"}, "Novo", "m(9/11)"), d))
            << caso.caso;
        EXPECT_EQ(c.tipos.OrdemTipos.back(), caso.numero) << caso.caso;
    }
}

}  // namespace
}  // namespace trovale
