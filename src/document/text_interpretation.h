#pragma once
// Plain text into what a sheet needs: the kind of every line, which lines are chord lines,
// the distinct chords with their types, and one fingering chosen for each.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/chord_interpreter.h"
#include "document/song_document.h"

namespace trovale {

// Line kinds of the text editor. A song numbers the same kinds two higher.
inline constexpr int kTextoTitulo = -2;
inline constexpr int kTextoAutor = -1;
inline constexpr int kTextoNormal = 0;
inline constexpr int kTextoRefrao = 4;
inline constexpr int kTextoCoro = 5;
inline constexpr int kTextoObservacao = 6;
inline constexpr int kTextoProvisorio = -9;  // the line after a title, until it is resolved

inline constexpr int kMaxPalavrasPorLinha = 25;
inline constexpr int kTrastesMostradosPadrao = 5;

// The song's kind (0..8) of an editor line kind.
int tipoNaCancao(int tipoTexto);

// Takes the text up to the first blank off the front of `texto`, with that blank; the whole
// text when there is no blank.
std::string ProximaPalavra(std::string& texto);

// A line ending in a non-breaking space (Windows-1252 0xA0) is plain text, never chords:
// imports end with one the lines whose words must stay words (a ChordPro tab, a lyric that
// reads like chord names). Being text, the mark survives the text editor and the song file.
inline constexpr char kMarcaTextoSimples = '\xA0';
bool ehTextoSimples(std::string_view linha);

// The kind a marker line "<A>", "<C>", "<N>", "<O>", "<R>", "<T>" (blanks around allowed)
// sets, or false.
bool ehMarcador(std::string_view linha, int& tipo);

// The table of known chords: one entry per chord key with the chosen fingering and the type
// code. The text editor keeps it across interpretations, so a fingering the user picked
// survives the next one; the song takes it as its chord table.
class AcordesConhecidos {
  public:
    AcordesConhecidos() = default;
    explicit AcordesConhecidos(ChordTable tabela);

    const ChordTable& tabela() const { return tabela_; }
    // Index of the entry with exactly this key, or -1.
    int indice(std::string_view chave) const;
    // Into the first free entry, or appended; returns the entry's index.
    int registrar(const std::string& chave, const std::string& digitacao, int tipoComBaixo);
    // Every entry whose key is not among `chaves` is freed (key " ", fingering "0").
    void liberarAusentes(const std::unordered_map<std::string, int>& chaves);
    // The check window's choice of another fingering for an entry.
    void escolherDigitacao(int indice, std::string digitacao);

  private:
    ChordTable tabela_;
    std::unordered_map<std::string, int> indices_;  // non-free keys
};

// A distinct chord of the text: its key in display form and its record.
struct AcordeEncontrado {
    std::string chave;
    TAcordeInterpretado acorde;
};

struct InterpretacaoTexto {
    std::vector<std::string> linhas;                   // Windows-1252, markers removed
    std::vector<int> TipoLinha;                        // editor kinds, one per line
    std::vector<bool> LinhaDeAcordes;                  // one per line
    std::vector<AcordeEncontrado> AcordesEncontrados;  // in key order

    int NumAcordes() const { return static_cast<int>(AcordesEncontrados.size()); }
};

// What choosing a fingering depends on: the catalogue and the frets the diagrams show.
struct ContextoInterpretacao {
    const Catalogo& catalogo;
    int trastesMostrados = kTrastesMostradosPadrao;
};

// Marks the chord lines of `resultado.linhas`, lists their distinct chords and registers a
// fingering in `conhecidos` for every chord it does not know yet.
void InterpretarTexto(const ContextoInterpretacao& contexto, AcordesConhecidos& conhecidos,
                      InterpretacaoTexto& resultado);

// The editor's confirm: removes markers, assigns line kinds, interprets, resolves the line
// after the title into author or normal.
InterpretacaoTexto PrepararLinhas(std::vector<std::string> linhas,
                                  const ContextoInterpretacao& contexto,
                                  AcordesConhecidos& conhecidos);

// The fingering text of a catalogue position: three words in decimal, or "0" for 0.
std::string textoDaDigitacao(const Catalogo& catalogo, int posicao);

// The interpretation as the song is built from it.
EditorText textoDoEditor(const InterpretacaoTexto& resultado, const AcordesConhecidos& conhecidos);

}  // namespace trovale
