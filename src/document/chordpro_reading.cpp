#include "document/chordpro_reading.h"

#include <optional>
#include <string_view>
#include <unordered_map>

#include "base/text_codec.h"
#include "catalogue/chord_interpreter.h"
#include "document/chordpro_line.h"
#include "document/song_document.h"

namespace trovale {

namespace {

bool emBranco(std::string_view texto) {
    return texto.find_first_not_of(' ') == std::string_view::npos;
}

std::string prefixoDaLinha(int numero) {
    return "Linha " + std::to_string(numero) + ": ";
}

class Leitor {
  public:
    explicit Leitor(const CatalogoTipos& tipos) : tipos_(tipos) {}

    void ler(std::string_view linha, int numero) {
        if (emTab_) {
            const std::optional<LinhaDiretiva> d = lerDiretiva(linha);
            if (d && d->fechada && d->tipo == DiretivaChordPro::FimTab)
                emTab_ = false;
            else
                guardar(std::string(linha), secao_);
            return;
        }
        const std::size_t inicio = linha.find_first_not_of(' ');
        if (inicio == std::string_view::npos) {
            guardar({}, kLyricLine);
        } else if (linha[inicio] == '#') {
            return;  // a ChordPro comment, meant for nobody
        } else if (const std::optional<LinhaDiretiva> d = lerDiretiva(linha)) {
            diretiva(*d, numero);
        } else {
            letra(linha, numero);
        }
    }

    LeituraChordPro terminar() {
        if (titulo_) saida_.linhas.insert(saida_.linhas.begin(), {*titulo_, kTitleLine});
        return std::move(saida_);
    }

  private:
    // An empty line is always normal: the text editor makes it so whatever the marker.
    void guardar(std::string texto, std::uint8_t tipo) {
        if (emBranco(texto)) tipo = kLyricLine;
        saida_.linhas.push_back({std::move(texto), tipo});
    }

    void ignorar() { ++saida_.diretivasIgnoradas; }

    // A directive with nothing to show (no value) is skipped like an unknown one: an empty
    // title or note line would read as an empty normal line.
    void diretiva(const LinhaDiretiva& d, int numero) {
        if (!d.fechada) return ignorar();
        switch (d.tipo) {
            case DiretivaChordPro::Titulo:
                if (d.valor.empty() || titulo_) return ignorar();
                titulo_ = d.valor;
                return;
            case DiretivaChordPro::Autor:
            case DiretivaChordPro::Comentario:
                if (d.valor.empty()) return ignorar();
                guardar(d.valor, d.tipo == DiretivaChordPro::Autor ? kAuthorLine : kNotesLine);
                return;
            case DiretivaChordPro::InicioCoro:
                secao_ = ehRotuloRefrao(d.valor) ? kRefrainLine : kChorusLine;
                return;
            case DiretivaChordPro::FimDeSecao:
                secao_ = kLyricLine;
                return;
            case DiretivaChordPro::InicioTab:
                emTab_ = true;
                return;
            case DiretivaChordPro::FimTab:
                return;
            case DiretivaChordPro::Acorde:
                return definicao(d.valor, numero);
            case DiretivaChordPro::Outra:
                return ignorar();
        }
    }

    void definicao(std::string_view valor, int numero) {
        std::optional<DefinicaoAcorde> lida = lerDefinicao(valor);
        if (!lida) {
            saida_.avisos.push_back(prefixoDaLinha(numero) + "definição de acorde ilegível.");
            return ignorar();
        }
        if (!lida->trastes) return ignorar();  // a diagram to show, no shape to take
        saida_.definicoes.push_back({std::move(*lida), numero});
    }

    void letra(std::string_view linha, int numero) {
        LetraComAcordes partes = separarAcordes(linha);
        const bool tinhaAcordes = !partes.acordes.empty();
        std::vector<AcordeNaLetra> acordes = legiveis(std::move(partes.acordes), numero);
        const bool soAcordes = emBranco(partes.letra);
        if (!acordes.empty()) guardar(linhaDeAcordes(acordes), kChordLine);
        // A line that held only chords, none readable, leaves nothing behind.
        if (!soAcordes || !tinhaAcordes) guardar(std::move(partes.letra), secao_);
    }

    // The chords the chord language reads, at most as many as a chord line holds.
    std::vector<AcordeNaLetra> legiveis(std::vector<AcordeNaLetra> acordes, int numero) {
        std::vector<AcordeNaLetra> lidos;
        for (AcordeNaLetra& acorde : acordes) {
            if (!ehAcorde(acorde.simbolo)) {
                saida_.avisos.push_back(prefixoDaLinha(numero) + "cifra \"" +
                                        utf8DeWindows1252(acorde.simbolo) +
                                        "\" não reconhecida, deixada de fora.");
            } else if (lidos.size() == static_cast<std::size_t>(kMaxChordsPerLine)) {
                saida_.avisos.push_back(prefixoDaLinha(numero) + "mais de " +
                                        std::to_string(kMaxChordsPerLine) +
                                        " cifras; as excedentes ficaram de fora.");
                break;
            } else {
                lidos.push_back(std::move(acorde));
            }
        }
        return lidos;
    }

    // A blank would split the symbol into two words of the chord line.
    bool ehAcorde(const std::string& simbolo) {
        if (simbolo.find(' ') != std::string::npos) return false;
        auto achado = acordes_.find(simbolo);
        if (achado == acordes_.end())
            achado = acordes_.emplace(simbolo, InterpretarAcorde(tipos_, simbolo).ehAcorde).first;
        return achado->second;
    }

    const CatalogoTipos& tipos_;
    std::unordered_map<std::string, bool> acordes_;
    LeituraChordPro saida_;
    std::optional<std::string> titulo_;
    std::uint8_t secao_ = kLyricLine;
    bool emTab_ = false;
};

}  // namespace

LeituraChordPro lerChordPro(const std::vector<std::string>& linhas, const CatalogoTipos& tipos) {
    Leitor leitor(tipos);
    for (std::size_t i = 0; i < linhas.size(); ++i) leitor.ler(linhas[i], static_cast<int>(i) + 1);
    return leitor.terminar();
}

}  // namespace trovale
