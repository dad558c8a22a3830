#include "fingering/identification.h"

#include <algorithm>
#include <array>

#include "catalogue/fingering_match.h"
#include "catalogue/intervals.h"
#include "catalogue/notes.h"
#include "fingering/same_sound.h"
#include "fingering/sounding_notes.h"

namespace trovale {

namespace {

using MascaraNotas = unsigned;  // bit n set for pitch class n

MascaraNotas mascaraDe(const std::vector<int>& notas) {
    MascaraNotas m = 0;
    for (int n : notas) m |= 1u << n;
    return m;
}

// Every note a chord of this type and root may sound, the optional fifth included.
MascaraNotas mascaraDoAcorde(const TTipoAcorde& tipo, int raiz) {
    MascaraNotas m = 1u << raiz;
    for (int codigo : tipo.Intervalos)
        if (codigoIntervaloValido(codigo))
            m |= 1u << reduzirNota(raiz + TabelaIntervalos[codigo].semitons);
    return m;
}

struct Busca {
    const TDigitacao& digitacao;
    const Catalogo& catalogo;
    int notaDoBaixo = 0;
    std::vector<int> soantes;
    Identification resultado;
    // Every match, and whether it is the name a player gives the shape: the bass as root,
    // nothing left out.
    std::vector<std::pair<bool, ChordCandidate>> achados;

    void registrar(int tipo, int raiz, std::string grafia, int omissao) {
        ++resultado.count;
        ChordCandidate c;
        c.type = tipo;
        c.omission = omissao;
        c.catalogued = isAlreadyCatalogued(catalogo, digitacao, raiz, tipo);
        const TTipoAcorde& t = catalogo.tipos.tipo(tipo);
        c.bassSpelling = spellingInChord(t, grafia, raiz, notaDoBaixo);
        const std::string sustenido = GrafiaNota(raiz, false), bemol = GrafiaNota(raiz, true);
        if (sustenido != bemol) {
            c.equivalentSpelling = grafia == sustenido ? bemol : sustenido;
            c.equivalentBassSpelling = spellingInChord(t, c.equivalentSpelling, raiz, notaDoBaixo);
        }
        c.rootSpelling = std::move(grafia);
        const bool peloBaixo = notaDoBaixo != 0 && raiz == notaDoBaixo && omissao == kCompleto;
        achados.emplace_back(peloBaixo, std::move(c));
    }

    // The bass's own name first, so that it is never among the names left out.
    void escolherOsPrimeiros() {
        std::stable_partition(achados.begin(), achados.end(),
                              [](const auto& achado) { return achado.first; });
        for (auto& [peloBaixo, c] : achados) {
            if (resultado.candidates.size() >= static_cast<std::size_t>(kMaxCandidatos)) break;
            resultado.candidates.push_back(std::move(c));
        }
    }

    // The pitch-class set test rejects most types cheaply; the full rule decides the rest.
    template <typename Aceitar>
    void testarTipos(int raiz, const Aceitar& aceitar) {
        const MascaraNotas soam = mascaraDe(soantes);
        for (int tipo = 1; tipo <= kMaxTipos; ++tipo) {
            const TTipoAcorde& t = catalogo.tipos.tipo(tipo);
            if (t.livre() || (soam & ~mascaraDoAcorde(t, raiz)) != 0) continue;
            const ResultadoTeste r = TestarDigitacao(raiz, t, soantes);
            if (r.casou) aceitar(tipo, r);
        }
    }

    void primeiraPassagem(const std::vector<SoundingNote>& notas) {
        for (const SoundingNote& s : notas)
            testarTipos(s.nota, [&](int tipo, const ResultadoTeste& r) {
                registrar(tipo, s.nota, s.grafia, r.quintaOmitida ? kSemQuinta : kCompleto);
            });
    }

    // Roots left out: each absent pitch class is tried as a root that the chord omits.
    void segundaPassagem() {
        if (soantes.size() >= static_cast<std::size_t>(kCordas)) return;
        for (int p = 1; p <= kNotasPorOitava; ++p) {
            if (std::find(soantes.begin(), soantes.end(), p) != soantes.end()) continue;
            soantes.push_back(p);
            testarTipos(p, [&](int tipo, const ResultadoTeste& r) {
                if (!r.quintaOmitida) registrar(tipo, p, GrafiaNota(p, false), kSemFundamental);
            });
            soantes.pop_back();
        }
    }
};

std::string mensagemDaContagem(int contagem) {
    if (contagem == 0) return "Digitação não corresponde a nenhum dos tipos de acorde catalogados.";
    if (contagem > kMaxCandidatos)
        return std::to_string(contagem) +
               " acordes correspondem à digitação. Apenas os cinco primeiros serão mostrados.";
    return {};
}

}  // namespace

Identification identifyChords(const TDigitacao& digitacao, const ChordToneRow& tons,
                              const Catalogo& catalogo) {
    const std::vector<SoundingNote> notas = soundingNotes(digitacao, tons);
    Busca busca{digitacao, catalogo, 0, {}, {}, {}};
    busca.soantes = pitchClasses(notas);
    if (const int baixo = bassString(digitacao); baixo != 0) {
        busca.notaDoBaixo = digitacao.notaDaCorda(baixo);
        busca.resultado.bassName = labelSpelling(busca.notaDoBaixo, tons);
    }
    busca.primeiraPassagem(notas);
    busca.segundaPassagem();
    busca.escolherOsPrimeiros();
    busca.resultado.message = mensagemDaContagem(busca.resultado.count);
    return std::move(busca.resultado);
}

}  // namespace trovale
