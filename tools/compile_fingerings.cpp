// Compiles the readable fingering source (data/digitacoes.txt) into POSICOES.DIG.
//
//   compile_fingerings ACORDES.TIP SOURCE OUTPUT
//
// Every line is checked the way the program would check it when loading the catalogue and
// when a user enters the fingering; any fault is reported as "file:line: reason" and nothing
// is written, so the build fails instead of shipping a catalogue the program would reject.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/fingering_bank.h"
#include "catalogue/fingering_file.h"
#include "catalogue/fingering_from_frets.h"
#include "catalogue/fingering_match.h"
#include "catalogue/frets_notation.h"
#include "catalogue/notes.h"
#include "base/text_codec.h"
#include "catalogue/type_file.h"
#include "fingering/fingering_validation.h"

namespace trovale {
namespace {

std::optional<std::string> lerArquivo(const std::filesystem::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    if (!entrada) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

// A "#" at the start of the line or after a blank begins a comment; "C#" is a root.
std::string semComentario(const std::string& linha) {
    for (std::size_t i = 0; i < linha.size(); ++i)
        if (linha[i] == '#' && (i == 0 || linha[i - 1] == ' ' || linha[i - 1] == '\t'))
            return linha.substr(0, i);
    return linha;
}

struct Linha {
    int nota = 0;
    int tipo = 0;
    TrastesAbsolutos trastes{};
};

using Resultado = std::pair<std::optional<Linha>, std::string>;  // the line or the reason

Resultado falha(std::string motivo) {
    return {std::nullopt, std::move(motivo)};
}

// root type f6 f5 f4 f3 f2 f1
Resultado lerLinha(const std::string& texto, const CatalogoTipos& tipos) {
    std::istringstream campos(texto);
    std::string raiz, numero, resto;
    campos >> raiz >> numero;
    std::getline(campos, resto);
    const int nota = notaDaGrafia(raiz);
    if (nota == 0) return falha("\"" + raiz + "\" is not a root");
    int tipo = 0;
    try {
        std::size_t usados = 0;
        tipo = std::stoi(numero, &usados);
        if (usados != numero.size()) tipo = 0;
    } catch (const std::exception&) {
        tipo = 0;
    }
    if (!tipos.existe(tipo)) return falha("\"" + numero + "\" is not a chord type of ACORDES.TIP");
    const auto trastes = lerTrastes(resto);
    if (!trastes) return falha("expected six frets (x, 0 or a fret up to 24), low E first");
    return {Linha{nota, tipo, *trastes}, {}};
}

// The fingering a player presses, checked as loading and the fingering editor check it.
std::pair<std::optional<TDigitacao>, std::string> montar(const Linha& l,
                                                         const CatalogoTipos& tipos) {
    auto d = digitacaoDeTrastes(l.trastes);
    if (!d)
        return {std::nullopt,
                "cannot be fingered: more than four elements, more than five frets from the "
                "start fret, a start fret above 12 or a barre over an open string"};
    d->Nota = l.nota;
    d->Tipo = l.tipo;
    const TTipoAcorde& tipo = tipos.tipo(l.tipo);
    const std::vector<int> soantes = notasSoantes(*d);
    const ResultadoTeste teste = TestarDigitacao(l.nota, tipo, soantes);
    if (!teste.casou) {
        const std::string nome = utf8DeWindows1252(tipo.Nome);
        if (teste.notaFaltante != 0)
            return {std::nullopt, "does not play " + nome + ": " +
                                      GrafiaNota(teste.notaFaltante, false) + " is missing"};
        const int estranha = teste.posicaoEstranha > 0 ? soantes[teste.posicaoEstranha - 1] : 0;
        return {std::nullopt,
                "does not play " + nome + ": " + GrafiaNota(estranha, false) + " does not belong"};
    }
    const FingeringCheck validacao = validateFingering(*d);
    if (!validacao.valid)
        return {std::nullopt, "refused by the fingering editor: " + validacao.message};
    return {d, {}};
}

struct Compilacao {
    BancoDigitacoes banco;
    std::vector<std::string> erros;
};

Compilacao compilar(const std::string& nomeFonte, const std::string& fonte,
                    const CatalogoTipos& tipos) {
    Compilacao c;
    std::map<std::pair<int, int>, int> inicioDoAcorde;  // (root, type) -> first line
    std::map<std::pair<std::pair<int, int>, TrastesAbsolutos>, int> vistas;
    std::pair<int, int> anterior{0, 0};
    std::istringstream linhas(fonte);
    std::string texto;
    for (int numero = 1; std::getline(linhas, texto); ++numero) {
        if (!texto.empty() && texto.back() == '\r') texto.pop_back();
        const std::string conteudo = semComentario(texto);
        if (conteudo.find_first_not_of(" \t") == std::string::npos) continue;
        const auto erro = [&](const std::string& motivo) {
            c.erros.push_back(nomeFonte + ":" + std::to_string(numero) + ": " + motivo);
        };
        const auto [linha, motivo] = lerLinha(conteudo, tipos);
        if (!linha) {
            erro(motivo);
            continue;
        }
        const auto [digitacao, falhou] = montar(*linha, tipos);
        if (!digitacao) {
            erro(falhou);
            continue;
        }
        const std::pair<int, int> acorde{linha->nota, linha->tipo};
        if (acorde != anterior && inicioDoAcorde.count(acorde)) {
            erro("the fingerings of a chord must stand together (it began on line " +
                 std::to_string(inicioDoAcorde[acorde]) + ")");
            continue;
        }
        inicioDoAcorde.emplace(acorde, numero);
        anterior = acorde;
        if (const auto [it, nova] = vistas.emplace(std::pair{acorde, linha->trastes}, numero);
            !nova) {
            erro("the same fingering as line " + std::to_string(it->second));
            continue;
        }
        const TDigitacaoGravada gravada = Codificar(*digitacao);
        if (!registroConsistente(gravada, tipos) ||
            trastesDe(Decodificar(gravada)) != linha->trastes) {
            erro("does not survive its six stored bytes");
            continue;
        }
        c.banco.Digitacoes.push_back(gravada);
    }
    if (c.banco.NumDigitacoes() > kMaxDigitacoes)
        c.erros.push_back(nomeFonte + ": " + std::to_string(c.banco.NumDigitacoes()) +
                          " fingerings; the catalogue holds at most " +
                          std::to_string(kMaxDigitacoes));
    return c;
}

int executar(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: compile_fingerings ACORDES.TIP SOURCE OUTPUT\n";
        return 2;
    }
    const std::filesystem::path saida = argv[3];
    std::filesystem::remove(saida);  // a failed build must not leave an old catalogue behind
    const auto bytesTipos = lerArquivo(argv[1]);
    const auto fonte = lerArquivo(argv[2]);
    if (!bytesTipos || !fonte) {
        std::cerr << (bytesTipos ? argv[2] : argv[1]) << ": cannot be read\n";
        return 1;
    }
    CatalogoTipos tipos;
    const LeituraTipos leitura = lerTipos(*bytesTipos, tipos);
    if (leitura.danificado || !leitura.duplicatas.empty() || tipos.NumTipos == 0) {
        std::cerr << argv[1] << ": damaged or with a type number used twice\n";
        return 1;
    }
    const Compilacao c = compilar(argv[2], *fonte, tipos);
    for (const std::string& erro : c.erros) std::cerr << erro << '\n';
    if (!c.erros.empty()) return 1;
    std::ofstream arquivo(saida, std::ios::binary);
    arquivo << escreverDigitacoes(c.banco);
    arquivo.close();
    if (!arquivo) {
        std::cerr << saida.string() << ": cannot be written\n";
        std::filesystem::remove(saida);
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace trovale

int main(int argc, char** argv) {
    return trovale::executar(argc, argv);
}
