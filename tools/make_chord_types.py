#!/usr/bin/env python3
"""Writes data/ACORDES.TIP, the 54 basic chord types shipped with Trovale.

Each type is one row: number, reference name, intervals (names of the interval table) and
the standard and optional symbols. A symbol is written as its four positions separated by
"|"; in a position, plain text is aligned with the root, "x/y" stacks x below and y above
(subscript and superscript), "^y" is a lone superscript and "_x" a lone subscript. The
fourth position is the one drawn in parentheses. A row whose number is 0 is a separator.

Usage: make_chord_types.py [OUTPUT]   (default: data/ACORDES.TIP beside this folder)
"""

import pathlib
import sys

INTERVALOS = ["2", "b3", "3", "4", "b5", "5", "#5", "6", "bb7", "b7", "7M",
              "b9", "9", "#9", "11", "#11", "b13", "13"]

# number, name, intervals, standard symbol, optional symbol
TIPOS = [
    (0, "-------- Tríades --------", "", "", ""),
    (1, "Maior", "3 5", "", ""),
    (2, "Menor", "b3 5", "m", ""),
    (3, "Maior com 5ª aumentada", "3 #5", "|||#5", "5+"),
    (4, "Menor com 5ª diminuta", "b3 b5", "m|||b5", ""),
    (5, "Suspenso com 4ª", "4 5", "sus4", "4"),
    (6, "Suspenso com 2ª", "2 5", "sus2", "2"),

    (0, "-------- Tétrades --------", "", "", ""),
    (7, "Maior com 7ª", "3 5 b7", "|7", ""),
    (8, "Menor com 7ª", "b3 5 b7", "m|7", ""),
    (9, "Maior com 7ª maior", "3 5 7M", "|7M", "|maj7"),
    (10, "Menor com 7ª maior", "b3 5 7M", "m|||7M", "m|||maj7"),
    (11, "Maior com 6ª", "3 5 6", "|6", ""),
    (12, "Menor com 6ª", "b3 5 6", "m|6", ""),
    (13, "Diminuto", "b3 b5 bb7", "°", "dim"),
    (14, "Menor com 7ª e 5ª diminuta", "b3 b5 b7", "m|7||b5", "m|7b5"),
    (15, "Maior com 7ª e 5ª aumentada", "3 #5 b7", "|7||#5", ""),
    (16, "Maior com 7ª e 5ª diminuta", "3 b5 b7", "|7||b5", ""),
    (17, "Maior com 7ª maior e 5ª aumentada", "3 #5 7M", "|7M||#5", ""),
    (18, "Suspenso com 4ª e 7ª", "4 5 b7", "|7||4", "|7|sus4"),
    (19, "Menor com 6ª menor", "b3 5 b13", "m|||b6", "m|||b13"),

    (0, "-------- Acordes com 9ª --------", "", "", ""),
    (20, "Maior com 9ª", "3 5 9", "|||9", "add9"),
    (21, "Menor com 9ª", "b3 5 9", "m|||9", "m|||add9"),
    (22, "Maior com 7ª e 9ª", "3 5 b7 9", "|7||9", ""),
    (23, "Menor com 7ª e 9ª", "b3 5 b7 9", "m|7||9", ""),
    (24, "Maior com 7ª maior e 9ª", "3 5 7M 9", "|7M||9", "|maj7||9"),
    (25, "Maior com 6ª e 9ª", "3 5 6 9", "|6||9", "|6/9"),
    (26, "Menor com 6ª e 9ª", "b3 5 6 9", "m|6||9", "m|6/9"),
    (27, "Maior com 7ª e 9ª menor", "3 5 b7 b9", "|7||b9", ""),
    (28, "Maior com 7ª e 9ª aumentada", "3 5 b7 #9", "|7||#9", ""),
    (29, "Suspenso com 4ª, 7ª e 9ª", "4 5 b7 9", "|7||4/9", "|7|sus4|9"),
    (30, "Suspenso com 4ª e 9ª", "4 5 9", "sus4|||9", ""),
    (31, "Menor com 7ª maior e 9ª", "b3 5 7M 9", "m|7M||9", ""),
    (32, "Menor com 7ª, 5ª diminuta e 9ª", "b3 b5 b7 9", "m|7||b5/9", ""),
    (33, "Maior com 7ª, 5ª aumentada e 9ª", "3 #5 b7 9", "|7||#5/9", ""),
    (34, "Maior com 7ª, 5ª aumentada e 9ª menor", "3 #5 b7 b9", "|7||#5/b9", ""),
    (35, "Maior com 7ª, 5ª aumentada e 9ª aumentada", "3 #5 b7 #9", "|7||#5/#9", ""),

    (0, "-------- Acordes com 11ª --------", "", "", ""),
    (36, "Menor com 11ª", "b3 5 11", "m|||11", ""),
    (37, "Menor com 7ª e 11ª", "b3 5 b7 11", "m|7||11", ""),
    (38, "Menor com 7ª, 5ª diminuta e 11ª", "b3 b5 b7 11", "m|7||b5/11", ""),
    (39, "Menor com 7ª, 9ª e 11ª", "b3 5 b7 9 11", "m|7||9/11", ""),
    (40, "Maior com 7ª e 11ª aumentada", "3 5 b7 #11", "|7||#11", ""),
    (41, "Maior com 7ª maior e 11ª aumentada", "3 5 7M #11", "|7M||#11", ""),
    (42, "Maior com 7ª, 9ª e 11ª aumentada", "3 5 b7 9 #11", "|7||9/#11", ""),
    (43, "Maior com 7ª maior, 9ª e 11ª aumentada", "3 5 7M 9 #11", "|7M||9/#11", ""),
    (54, "Maior com 7ª, 9ª menor e 11ª aumentada", "3 5 b7 b9 #11", "|7||b9/#11", ""),

    (0, "-------- Acordes com 13ª --------", "", "", ""),
    (44, "Maior com 7ª e 13ª", "3 5 b7 13", "|7||13", ""),
    (45, "Maior com 7ª e 13ª menor", "3 5 b7 b13", "|7||b13", ""),
    (46, "Maior com 7ª, 9ª e 13ª", "3 5 b7 9 13", "|7||9/13", ""),
    (47, "Maior com 7ª, 9ª menor e 13ª", "3 5 b7 b9 13", "|7||b9/13", ""),
    (48, "Maior com 7ª, 9ª menor e 13ª menor", "3 5 b7 b9 b13", "|7||b9/b13", ""),
    (49, "Maior com 7ª, 9ª aumentada e 13ª menor", "3 5 b7 #9 b13", "|7||#9/b13", ""),
    (50, "Maior com 7ª, 11ª aumentada e 13ª", "3 5 b7 #11 13", "|7||#11/13", ""),

    (0, "-------- Diminutos com tensões --------", "", "", ""),
    (51, "Diminuto com 7ª maior", "b3 b5 bb7 7M", "°|||7M", ""),
    (52, "Diminuto com 9ª", "b3 b5 bb7 9", "°|||9", ""),
    (53, "Diminuto com 11ª", "b3 b5 bb7 11", "°|||11", ""),

    (0, "-------- Acordes personalizados --------", "", "", ""),
]


def codigos(intervalos):
    lista = [INTERVALOS.index(nome) + 1 for nome in intervalos.split()]
    if lista != sorted(lista) or len(lista) > 5:
        raise ValueError(f"intervals out of order or too many: {intervalos}")
    return lista + [0] * (5 - len(lista))


def elementos(simbolo):
    """(position, slot, text) of every element, in file order."""
    if not simbolo:
        return []
    posicoes = simbolo.split("|")
    if len(posicoes) > 4:
        raise ValueError(f"more than four positions: {simbolo}")
    saida = []
    for p, texto in enumerate(posicoes, start=1):
        if not texto:
            continue
        if "/" in texto:
            baixo, alto = texto.split("/")
            partes = [("<" + alto)] + [(">" + baixo)]
        elif texto[0] in "^_":
            partes = [("<" if texto[0] == "^" else ">") + texto[1:]]
        else:
            partes = [texto]
        for s, parte in enumerate(partes, start=1):
            if len(parte) > 5:
                raise ValueError(f"element longer than 5 characters: {parte}")
            saida.append((p, s, parte))
    return saida


def bloco(numero, nome, intervalos, padrao, opcional):
    cods = codigos(intervalos) if numero else [0] * 5
    ep, eo = elementos(padrao), elementos(opcional)
    cabecalho = "".join(f"{v:2d} " for v in cods + [len(ep), len(eo), numero]) + nome
    linhas = [cabecalho] + [f"{p} {s} {t}" for p, s, t in ep + eo]
    return linhas


def main():
    destino = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parent.parent / "data" / "ACORDES.TIP"
    linhas = [str(len(TIPOS))]
    for tipo in TIPOS:
        linhas += bloco(*tipo)
    destino.write_bytes(("\r\n".join(linhas) + "\r\n").encode("cp1252"))


if __name__ == "__main__":
    main()
