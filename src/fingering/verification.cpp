#include "fingering/verification.h"

#include "catalogue/fingering_match.h"
#include "fingering/fingering_validation.h"
#include "fingering/sounding_notes.h"

namespace trovale {

namespace {

std::string entreAspas(const std::string& texto) {
    return "\"" + texto + "\"";
}

std::string mensagemDeFalha(const ResultadoTeste& r, const FingeringEditorState& estado,
                            const std::vector<SoundingNote>& notas) {
    if (r.colunaFaltante >= 0 && r.colunaFaltante < kColunasTons)
        return "Acorde incompleto: não consta a nota " +
               entreAspas(estado.chordTones[r.colunaFaltante]) +
               " (ou está vedado o toque na corda correspondente).";
    if (r.posicaoEstranha >= 1 && r.posicaoEstranha <= static_cast<int>(notas.size()))
        return "Digitação incorreta: a nota " + entreAspas(notas[r.posicaoEstranha - 1].grafia) +
               " não é admitida neste acorde.";
    return {};
}

std::string observacao(const std::string& baixo, const FingeringEditorState& estado,
                       const ResultadoTeste& r) {
    const bool omissao = r.quintaOmitida || !r.raizSoa;
    std::string texto;
    if (baixo != estado.linkedRootName)
        texto = "baixo invertido (" + baixo + ")" + (omissao ? " e " : ".");
    if (r.quintaOmitida)
        texto += "supressão da quinta.";
    else if (!r.raizSoa)
        texto += "supressão da fundamental.";
    return texto.empty() ? "." : ", com " + texto;
}

}  // namespace

Verification verifyAgainstLink(const FingeringEditorState& estado, const CatalogoTipos& tipos) {
    const FingeringCheck validacao = validateFingering(estado.digitacao);
    if (!validacao.valid) return {false, validacao.message};
    if (!tipos.existe(estado.linkedType)) return {};

    const std::vector<SoundingNote> notas = soundingNotes(estado.digitacao, estado.chordTones);
    const ResultadoTeste r =
        TestarDigitacao(estado.linkedRoot, tipos.tipo(estado.linkedType), pitchClasses(notas));
    if (!r.casou) return {false, mensagemDeFalha(r, estado, notas)};

    const int cordaDoBaixo = bassString(estado.digitacao);
    const std::string baixo = cordaDoBaixo == 0
                                  ? std::string()
                                  : stringLabel(estado.digitacao, estado.chordTones, cordaDoBaixo);
    return {true, "Digitação corresponde ao acorde vinculado" + observacao(baixo, estado, r)};
}

}  // namespace trovale
