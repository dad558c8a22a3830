#include "document/sounding_chords.h"

#include <algorithm>
#include <string>

#include "catalogue/chord_symbol.h"
#include "catalogue/notes.h"
#include "document/capo.h"
#include "document/chord_renaming.h"
#include "document/site_text.h"

namespace trovale {

namespace {

struct Raiz {
    int nota = 0;
    bool menor = false;
};

// "F#m7" is F# and minor; "Cmaj7" is not minor.
Raiz raizDe(std::string_view exibido) {
    std::string texto(exibido.substr(0, exibido.find('*')));
    const std::string raiz = ExtrairRaiz(texto);
    return {ValorNota(raiz), texto.starts_with('m') && !texto.starts_with("maj")};
}

}  // namespace

int linhaDoTom(const std::vector<LinhaTransposicao>& linhas, std::string_view tom,
               int capotraste) {
    if (tom.empty()) return 0;
    const auto exibido = [&linhas](std::size_t k) {
        return displaySymbol(withoutVariantTag(linhas[k].simbolo));
    };
    for (std::size_t k = 0; k < linhas.size(); ++k)
        if (exibido(k) == tom) return static_cast<int>(k);
    const Raiz procurada = raizDe(tom);
    if (capotraste == 0 || procurada.nota == 0) return 0;
    for (std::size_t k = 0; k < linhas.size(); ++k) {
        const Raiz r = raizDe(exibido(k));
        if (r.nota != 0 && reduzirNota(r.nota + capotraste) == procurada.nota &&
            r.menor == procurada.menor)
            return static_cast<int>(k);
    }
    return 0;
}

ChordTable acordesSoantes(const SongDocument& doc, const CatalogoTipos& tipos) {
    const int capotraste = capotrasteDaCancao(doc);
    if (capotraste == 0) return doc.Chords;
    std::vector<LinhaTransposicao> linhas = linhasParaTransposicao(doc.Chords);
    grafarLinhas(linhas, capotraste, linhaDoTom(linhas, tomDaCancao(doc), capotraste), tipos);
    ChordTable soantes = doc.Chords;
    renomearAcordes(soantes, linhas);
    std::fill(soantes.Fingerings.begin(), soantes.Fingerings.end(), std::string(kNoFingering));
    return soantes;
}

bool transporLinhaDoTom(SongDocument& doc, int semitons) {
    semitons = normalizarDeslocamento(semitons);
    for (std::size_t i = 0; i < doc.Lines.size() && i < doc.LineKinds.size(); ++i) {
        if (doc.LineKinds[i] != kNotesLine) continue;
        const std::string tom = tomDaLinha(doc.Lines[i]);
        if (tom.empty()) continue;
        const Raiz r = raizDe(tom);
        if (r.nota == 0 || semitons == 0) return false;
        std::string resto = tom;
        ExtrairRaiz(resto);
        std::string novo = grafiaDaTonica(r.nota + semitons, r.menor, semitons);
        if (r.menor) novo.pop_back();  // the "m" is in what follows the root
        const std::size_t onde = doc.Lines[i].find(tom, doc.Lines[i].find(':'));
        doc.Lines[i].replace(onde, tom.size(), novo + resto);
        doc.Modified = true;
        return true;
    }
    return false;
}

SongDocument cancaoSoante(const SongDocument& doc, const CatalogoTipos& tipos) {
    SongDocument soante = doc;
    soante.Chords = acordesSoantes(doc, tipos);
    return soante;
}

}  // namespace trovale
