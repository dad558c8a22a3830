#include "catalogue/type_file.h"

#include <cstdio>
#include <optional>

#include "catalogue/intervals.h"

namespace trovale {

namespace {

// Reads the file a line at a time; a line ends at LF, with an optional CR before it.
class LeitorLinhas {
  public:
    explicit LeitorLinhas(std::string_view bytes) : resto_(bytes) {}

    std::optional<std::string_view> proxima() {
        if (resto_.empty()) return std::nullopt;
        const std::size_t fim = resto_.find('\n');
        std::string_view linha = resto_.substr(0, fim);
        resto_ = fim == std::string_view::npos ? std::string_view{} : resto_.substr(fim + 1);
        if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
        return linha;
    }

  private:
    std::string_view resto_;
};

void pularBrancos(std::string_view& t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
}

// An optionally signed decimal integer after any blanks.
std::optional<int> lerInteiro(std::string_view& t) {
    pularBrancos(t);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    const std::size_t inicioDigitos = i;
    long valor = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        valor = valor * 10 + (t[i] - '0');
        if (valor > 1000000) return std::nullopt;
        ++i;
    }
    if (i == inicioDigitos) return std::nullopt;
    if (t[0] == '-') valor = -valor;
    t.remove_prefix(i);
    return static_cast<int>(valor);
}

std::string restoSemBrancos(std::string_view t, std::size_t maximo) {
    pularBrancos(t);
    return std::string(t.substr(0, maximo));
}

// One element line: position, slot, text.
bool lerElemento(LeitorLinhas& leitor, ElementosCifra& elementos) {
    auto linha = leitor.proxima();
    if (!linha) return false;
    auto posicao = lerInteiro(*linha);
    auto slot = lerInteiro(*linha);
    if (!posicao || !slot || *posicao < 1 || *posicao > kPosicoesCifra || *slot < 1 ||
        *slot > kSlotsPorPosicao)
        return false;
    elementos[*posicao - 1][*slot - 1] = restoSemBrancos(*linha, kMaxElemento);
    return true;
}

bool lerElementos(LeitorLinhas& leitor, int quantos, ElementosCifra& elementos) {
    for (int i = 0; i < quantos; ++i)
        if (!lerElemento(leitor, elementos)) return false;
    return true;
}

// One entry block; returns false when the file is damaged.
bool lerBloco(LeitorLinhas& leitor, CatalogoTipos& tipos, LeituraTipos& leitura) {
    auto cabecalho = leitor.proxima();
    if (!cabecalho) return false;
    int campos[8];
    for (int& campo : campos) {
        auto valor = lerInteiro(*cabecalho);
        if (!valor) return false;
        campo = *valor;
    }
    TTipoAcorde registro;
    for (int i = 0; i < kMaxIntervalosTipo; ++i) {
        if (campos[i] < 0 || campos[i] > kMaxCodigoIntervalo) return false;
        registro.Intervalos[i] = static_cast<std::uint8_t>(campos[i]);
    }
    const int nP = campos[5], nO = campos[6], t = campos[7];
    if (nP < 0 || nO < 0 || t < 0 || t > kMaxTipos) return false;
    registro.Nome = restoSemBrancos(*cabecalho, kMaxNomeTipo);
    if (!lerElementos(leitor, nP, registro.CifraPadrao)) return false;
    if (!lerElementos(leitor, nO, registro.CifraOpcional)) return false;

    tipos.OrdemTipos.push_back(t);
    tipos.Legendas.push_back(registro.Nome);
    if (t != 0) {
        ++tipos.NumTipos;
        if (!tipos.TiposAcorde[t].livre()) leitura.duplicatas.push_back(t);
    }
    tipos.TiposAcorde[t] = std::move(registro);
    if (t != 0) tipos.calcularDerivados(t);
    return true;
}

void escreverElementos(std::string& saida, const ElementosCifra& elementos) {
    for (int p = 0; p < kPosicoesCifra; ++p)
        for (int s = 0; s < kSlotsPorPosicao; ++s)
            if (!elementos[p][s].empty())
                saida += std::to_string(p + 1) + " " + std::to_string(s + 1) + " " +
                         elementos[p][s] + "\r\n";
}

void escreverCampo(std::string& saida, int valor) {
    char campo[16];
    std::snprintf(campo, sizeof campo, "%2d ", valor);
    saida += campo;
}

}  // namespace

LeituraTipos lerTipos(std::string_view bytes, CatalogoTipos& tipos) {
    LeituraTipos leitura;
    tipos.limpar();
    LeitorLinhas leitor(bytes);
    auto primeira = leitor.proxima();
    std::optional<int> entradas;
    if (primeira) entradas = lerInteiro(*primeira);
    bool ok = entradas && *entradas >= 0 && *entradas <= kMaxEntradas;
    for (int k = 0; ok && k < *entradas; ++k) ok = lerBloco(leitor, tipos, leitura);
    if (!ok) {
        tipos.limpar();
        leitura.danificado = true;
    } else {
        // Readers that take only the count skip the rest of the line.
        const std::optional<int> usado = lerInteiro(*primeira);
        const int presente = tipos.MaiorNumeroPresente();
        tipos.MaiorNumeroUsado =
            usado && *usado > presente && *usado <= kMaxTipos ? *usado : presente;
    }
    tipos.CalcularSomas();
    return leitura;
}

bool arquivoTiposIntegro(std::string_view bytes) {
    CatalogoTipos tipos;
    return !lerTipos(bytes, tipos).danificado && tipos.NumTipos > 0;
}

std::string escreverTipos(CatalogoTipos& tipos) {
    std::string saida = std::to_string(tipos.NumEntradas());
    // Only a catalogue whose highest numbers were deleted needs to remember them.
    if (tipos.MaiorNumeroUsado > tipos.MaiorNumeroPresente())
        saida += " " + std::to_string(tipos.MaiorNumeroUsado);
    saida += "\r\n";
    for (int k = 0; k < tipos.NumEntradas(); ++k) {
        const int t = tipos.OrdemTipos[k];
        if (t == 0) tipos.TiposAcorde[0].Nome = tipos.Legendas[k].substr(0, kMaxNomeTipo);
        const TTipoAcorde& registro = tipos.TiposAcorde[t];
        for (std::uint8_t codigo : registro.Intervalos) escreverCampo(saida, codigo);
        escreverCampo(saida, contarElementos(registro.CifraPadrao));
        escreverCampo(saida, contarElementos(registro.CifraOpcional));
        escreverCampo(saida, t);
        saida += registro.Nome + "\r\n";
        escreverElementos(saida, registro.CifraPadrao);
        escreverElementos(saida, registro.CifraOpcional);
    }
    tipos.CalcularSomas();
    return saida;
}

std::string mensagemDuplicata(int numero) {
    return "ATENÇÃO: Erro no arquivo de tipos de acordes. Duplicata: " + std::to_string(numero);
}

}  // namespace trovale
