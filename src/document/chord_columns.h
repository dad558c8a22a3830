#pragma once
// Where the text form writes the symbols of a chord line: over the lyric a chord keeps its
// column; past the lyric's end the distances between the columns become blanks. The text
// export and the ChordPro export share it, so that both read back to the same song.

namespace trovale {

class ColunasDeCifras {
  public:
    explicit ColunasDeCifras(int tamanhoLetra) : letra_(tamanhoLetra), fim_(tamanhoLetra) {}

    // The 1-based text column of the next symbol (left to right), over lyric column `coluna`.
    int posicionar(int coluna, int tamanhoSimbolo) {
        int posicao = coluna;
        if (coluna > letra_) {
            // "<=": with a previous chord at the lyric's last column both rules agree; with
            // none yet over a one-character lyric only this one puts the chord back at its
            // own column.
            posicao = anterior_ <= letra_
                          ? fim_ + (coluna - letra_ + 1) - (fimSimbolo_ < letra_ ? 1 : 0)
                          : fim_ + (coluna - anterior_ + 1);
            fim_ = posicao;
        }
        anterior_ = coluna;
        fimSimbolo_ = posicao + tamanhoSimbolo - 1;
        if (fimSimbolo_ > fim_) fim_ = fimSimbolo_;
        return posicao;
    }
    // The column of the last symbol's last character; 0 before any.
    int fimDoUltimo() const { return fimSimbolo_; }

  private:
    int letra_;
    int fim_;
    int fimSimbolo_ = 0;
    int anterior_ = 1;
};

}  // namespace trovale
