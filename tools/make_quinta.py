#!/usr/bin/env python3
"""Writes Quinta.wav, the start sound: an open fifth (A2 and E3) plucked on a guitar string
model (Karplus-Strong), 22050 Hz, mono, 16-bit. Run it again to remake the file."""
import random
import struct
import sys
import wave

TAXA = 22050
DURACAO = 1.4


def corda(frequencia, atraso, volume, semente):
    gerador = random.Random(semente)
    periodo = int(round(TAXA / frequencia))
    linha = [gerador.uniform(-1, 1) for _ in range(periodo)]
    total = int(TAXA * DURACAO)
    saida = [0.0] * total
    inicio = int(TAXA * atraso)
    for n in range(total - inicio):
        i = n % periodo
        atual = linha[i]
        saida[inicio + n] = atual * volume
        # averaging two neighbours is the string's loss; 0.996 sets how long it rings
        linha[i] = 0.996 * 0.5 * (atual + linha[(i + 1) % periodo])
    return saida


def main(destino):
    total = int(TAXA * DURACAO)
    vozes = [corda(110.0, 0.0, 0.55, 1), corda(164.81, 0.045, 0.45, 2),
             corda(220.0, 0.09, 0.30, 3)]
    amostras = []
    for n in range(total):
        valor = sum(v[n] for v in vozes)
        restante = (total - n) / total
        if restante < 0.15:
            valor *= restante / 0.15
        amostras.append(max(-32767, min(32767, int(valor * 20000))))
    with wave.open(destino, "wb") as arquivo:
        arquivo.setnchannels(1)
        arquivo.setsampwidth(2)
        arquivo.setframerate(TAXA)
        arquivo.writeframes(struct.pack("<%dh" % len(amostras), *amostras))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Quinta.wav")
