#pragma once
// Room opened in a lyric so that every chord stands over the character it goes before, the
// way printed chord books do: where a symbol does not end before the next chord, the lyric
// is widened at that chord ("Fos-  se" inside a word). The room is made of non-breaking
// spaces, which nobody types between a syllable and its chord, so that the exports that
// carry chords inline (ChordPro) can take it out again and give the lyric back as written.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trovale {

inline constexpr char kEspacoAberto = '\xA0';

struct AcordeSobreLetra {
    std::size_t indice = 0;   // lyric characters before the chord
    std::size_t largura = 0;  // characters of its symbol
};

struct LetraAberta {
    std::string letra;
    std::vector<std::size_t> indices;  // each chord's index in `letra`, in the given order
};

// Widens `letra` so that each chord (left to right) stands at least one blank past the end of
// the one before it. Chords past the lyric's last non-blank character need no room: they
// keep their distance from its end.
LetraAberta abrirEspaco(std::string_view letra, const std::vector<AcordeSobreLetra>& acordes);

// Takes out the room abrirEspaco opened before these chords (lyric indices, left to right);
// chords past the lyric keep their distance from its end.
LetraAberta fecharEspaco(std::string_view letra, const std::vector<std::size_t>& indices);

}  // namespace trovale
