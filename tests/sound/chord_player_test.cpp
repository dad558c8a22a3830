// Sounding fingerings: the notes in their order, the strum, the program, and the timers.

#include <gtest/gtest.h>

#include "fingering/fingering_builders.h"
#include "sound/chord_notes.h"
#include "sound/chord_player.h"
#include "sound_doubles.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using namespace std::chrono_literals;
using testing::AgendaManual;
using testing::dedilhado;
using testing::Mensagem;
using testing::RecordingDialogs;
using testing::SistemaGravado;

constexpr Duracao kEstrumo = 259'200us;

struct Cenario {
    AgendaManual agenda;
    SistemaGravado sistema{agenda};
    SaidaMidi saida{sistema};
    RecordingDialogs dialogs;
    AcordeMidi acorde{saida, agenda, dialogs};
};

// What a chord sends: the program change unless there is no instrument, then the note-ons,
// the first at once with velocity 127, the others at `resto` with 80.
std::vector<Mensagem> acorde(int programa, std::vector<int> notas, Duracao resto) {
    std::vector<Mensagem> mensagens;
    if (programa != kSemInstrumento) mensagens.push_back({0xC0, programa, 0, 0us});
    for (std::size_t i = 0; i < notas.size(); ++i)
        mensagens.push_back(i == 0 ? Mensagem{0x90, notas[i], 127, 0us}
                                   : Mensagem{0x90, notas[i], 80, resto});
    return mensagens;
}

TEST(ChordPlayer, ProgramNotesVelocitiesAndStrum) {
    const struct {
        const char* nome;
        TDigitacao digitacao;
        bool destacarBaixo;
        int programa;
        std::vector<Mensagem> esperadas;
    } casos[] = {
        {"E minor", dedilhado("0 2 2 0 0 0"), true, 24,
         acorde(24, {40, 47, 52, 55, 59, 64}, kEstrumo)},
        {"E minor, all at once", dedilhado("0 2 2 0 0 0"), false, 0,
         acorde(0, {40, 47, 52, 55, 59, 64}, 0us)},
        {"A minor, string 6 muted, no instrument", dedilhado("x 0 2 2 1 0"), true, kSemInstrumento,
         acorde(kSemInstrumento, {45, 52, 57, 60, 64}, kEstrumo)},
        {"A major barre at the fifth fret", dedilhado("5 7 7 6 5 5", 5, {Pestana{1, 6, 1}}), true,
         127, acorde(127, {45, 52, 57, 61, 64, 69}, kEstrumo)},
        {"All muted", dedilhado("x x x x x x"), true, kSemInstrumento, {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Cenario cenario;
        cenario.acorde.destacarBaixo(c.destacarBaixo);
        cenario.acorde.definirPrograma(c.programa);
        EXPECT_TRUE(cenario.acorde.TocarAcorde(c.digitacao));
        cenario.agenda.avancar(300ms);
        EXPECT_EQ(cenario.sistema.registro.mensagens, c.esperadas);
        EXPECT_EQ(cenario.acorde.soando(), !c.esperadas.empty());
        EXPECT_TRUE(cenario.dialogs.avisos.empty());
    }
}

// A chord without a fingering sounds its type on its root: A minor seventh, G major.
TEST(ChordPlayer, AChordWithoutFingeringSoundsItsTypeOnItsRoot) {
    TTipoAcorde menorSetima;
    menorSetima.Nome = "Menor com 7ª";
    menorSetima.Intervalos = {2, 6, 10, 0, 0};  // b3 5 b7
    TTipoAcorde maior;
    maior.Nome = "Maior";
    maior.Intervalos = {3, 6, 0, 0, 0};
    EXPECT_EQ(notasDoTipo(menorSetima, 1), (std::vector<int>{57, 60, 64, 67}));
    EXPECT_EQ(notasDoTipo(maior, 11), (std::vector<int>{55, 59, 62}));
    EXPECT_TRUE(notasDoTipo(TTipoAcorde{}, 1).empty());
    Cenario c;
    ASSERT_TRUE(c.acorde.TocarNotas(notasDoTipo(maior, 11)));
    c.agenda.avancar(300ms);
    EXPECT_EQ(c.sistema.registro.mensagens, acorde(0, {55, 59, 62}, kEstrumo));
}

TEST(ChordPlayer, StoppingSendsNoteOffForEveryNoteAndCloses) {
    Cenario cenario;
    cenario.acorde.TocarAcorde(dedilhado("0 2 2 0 0 0"));
    cenario.agenda.avancar(500ms);
    cenario.acorde.PararAcorde();
    const std::vector<Mensagem> desligadas = {{0x80, 64, 0, 500ms}, {0x80, 59, 0, 500ms},
                                              {0x80, 55, 0, 500ms}, {0x80, 52, 0, 500ms},
                                              {0x80, 47, 0, 500ms}, {0x80, 40, 0, 500ms}};
    EXPECT_EQ(cenario.sistema.registro.com(0x80), desligadas);
    EXPECT_EQ(cenario.sistema.registro.fechamentos, 1);
    EXPECT_FALSE(cenario.acorde.soando());
    // The next chord opens the device again.
    cenario.acorde.TocarAcorde(dedilhado("x 0 2 2 1 0"));
    EXPECT_EQ(cenario.sistema.registro.aberturas.size(), 2u);
}

TEST(ChordPlayer, StrumCutShortByAStopOrTheNextChord) {
    {
        Cenario cenario;
        cenario.acorde.TocarAcorde(dedilhado("0 2 2 0 0 0"));
        cenario.agenda.avancar(100ms);
        cenario.acorde.PararAcorde();
        cenario.agenda.avancar(1s);
        EXPECT_EQ(cenario.sistema.registro.com(0x90), acorde(kSemInstrumento, {40}, 0us));
    }
    Cenario cenario;
    cenario.acorde.TocarAcorde(dedilhado("0 2 2 0 0 0"));
    cenario.agenda.avancar(100ms);
    cenario.acorde.TocarAcorde(dedilhado("x 0 2 2 1 0"));
    cenario.agenda.avancar(1s);
    std::vector<Mensagem> esperadas = acorde(kSemInstrumento, {40}, 0us);
    for (Mensagem m : acorde(kSemInstrumento, {45, 52, 57, 60, 64}, kEstrumo)) {
        m.quando += 100ms;
        esperadas.push_back(m);
    }
    EXPECT_EQ(cenario.sistema.registro.com(0x90), esperadas);
}

// Each chord tries the device again. A MIDI port that does not open says so every time; the
// built-in synthesizer without audio says so once for as long as the program runs.
TEST(ChordPlayer, DeviceThatDoesNotOpen) {
    const std::string midi = "MIDI em uso ou indisponível.";
    const std::string audio = "Nenhuma saída de áudio disponível.";
    constexpr FalhaMidi kEmUso = FalhaMidi::Indisponivel, kSemAudio = FalhaMidi::SemAudio;
    const struct {
        const char* nome;
        std::vector<FalhaMidi> tentativas;
        std::vector<std::string> avisos;
    } casos[] = {
        {"a MIDI port in use", {kEmUso, kEmUso, kEmUso}, {midi, midi, midi}},
        {"no audio output", {kSemAudio, kSemAudio, kSemAudio, kSemAudio}, {audio}},
        {"no audio, then a port in use",
         {kSemAudio, kEmUso, kSemAudio, kEmUso},
         {audio, midi, midi}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Cenario cenario;
        for (std::size_t i = 0; i < c.tentativas.size(); ++i) {
            cenario.sistema.falha = c.tentativas[i];
            const TDigitacao em = dedilhado("0 2 2 0 0 0");
            EXPECT_FALSE(i % 2 ? cenario.acorde.TestarSom(em) : cenario.acorde.TocarAcorde(em));
            cenario.agenda.avancar(1s);
        }
        EXPECT_EQ(cenario.dialogs.avisos, c.avisos);
        EXPECT_EQ(cenario.sistema.registro.aberturas.size(), c.tentativas.size());
        EXPECT_TRUE(cenario.sistema.registro.mensagens.empty());
        EXPECT_FALSE(cenario.acorde.soando());
    }
}

// When the sound ends, counted from the first note; the sound is over kEstrumo later than
// that when the bass is emphasised, and the timers look every 10 ms.
TEST(ChordPlayer, TimersEndTheChord) {
    const struct {
        const char* nome;
        bool destacarBaixo;
        std::optional<Duracao> soltar;  // after the press; none: held
        bool teste;
        Duracao depoisDe, ateh;
    } casos[] = {
        {"held", true, std::nullopt, false, kEstrumo + 4320ms, kEstrumo + 4330ms},
        {"held, all at once", false, std::nullopt, false, 4320ms, 4330ms},
        {"released at once", true, 0ms, false, kEstrumo + 1036800us, kEstrumo + 1046800us},
        {"released at once, all at once", false, 0ms, false, 1036800us, 1046800us},
        {"released late", true, 2s, false, 2s, 2010ms},
        {"test button", true, std::nullopt, true, kEstrumo + 1036800us, kEstrumo + 1046800us},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Cenario cenario;
        cenario.acorde.destacarBaixo(c.destacarBaixo);
        const TDigitacao em = dedilhado("0 2 2 0 0 0");
        if (c.teste) {
            cenario.acorde.TestarSom(em);
        } else {
            cenario.acorde.TocarAcorde(em);
        }
        if (c.soltar) {
            cenario.agenda.avancar(*c.soltar);
            cenario.acorde.LiberarAcorde();
        }
        cenario.agenda.avancar(c.depoisDe - cenario.agenda.decorrido());
        EXPECT_TRUE(cenario.acorde.soando());
        cenario.agenda.avancar(c.ateh - c.depoisDe);
        EXPECT_FALSE(cenario.acorde.soando());
        const auto desligadas = cenario.sistema.registro.com(0x80);
        ASSERT_EQ(desligadas.size(), 6u);
        EXPECT_GT(desligadas.front().quando, c.depoisDe);
    }
}

TEST(ChordPlayer, TasksLeftBehindDoNothingOnceThePlayerIsGone) {
    AgendaManual agenda;
    SistemaGravado sistema{agenda};
    SaidaMidi saida{sistema};
    RecordingDialogs dialogs;
    {
        AcordeMidi acorde{saida, agenda, dialogs};
        acorde.TocarAcorde(dedilhado("0 2 2 0 0 0"));
        acorde.LiberarAcorde();
    }
    agenda.avancar(10s);
    EXPECT_EQ(sistema.registro.com(0x90).size(), 1u);
    EXPECT_EQ(sistema.registro.com(0x80).size(), 6u);
}

}  // namespace
}  // namespace trovale
