#include "document/chord_rewriting.h"

#include <map>

#include "base/text_codec.h"
#include "catalogue/chord_interpreter.h"

namespace trovale {

namespace {

struct Palavra {
    std::size_t inicio;
    std::size_t fim;  // one past the last character
};

std::vector<Palavra> palavrasDe(const std::string& texto) {
    std::vector<Palavra> palavras;
    std::size_t i = 0;
    while ((i = texto.find_first_not_of(' ', i)) != std::string::npos) {
        const std::size_t fim = std::min(texto.find(' ', i), texto.size());
        palavras.push_back({i, fim});
        i = fim;
    }
    return palavras;
}

// Index of the change for this word, or -1.
int trocaDa(const std::vector<TrocaDeSigla>& trocas, std::string_view palavra) {
    for (std::size_t k = 0; k < trocas.size(); ++k)
        if (trocas[k].antiga == palavra) return static_cast<int>(k);
    return -1;
}

// Length of the part of a chord line that stands over the lyric line below it: up to the
// lyric's last non-blank, stretched to the end of a word that crosses that column.
std::size_t parteAlinhada(const std::string& linha, const std::string* letra) {
    if (!letra) return 0;
    const std::size_t ultimo = letra->find_last_not_of(' ');
    std::size_t limite = ultimo == std::string::npos ? 0 : ultimo + 1;
    if (limite == 0 || limite >= linha.size()) return std::min(limite, linha.size());
    if (linha[limite - 1] != ' ')
        while (limite < linha.size() && linha[limite] != ' ') ++limite;
    return limite;
}

bool livre(const std::string& texto, std::size_t posicao) {
    return posicao >= texto.size() || texto[posicao] == ' ';
}

// The column-bound part: each word keeps its first column and the columns of the words after
// it. The end of the part counts as the end of the line. Returns the failing change, or -1.
int reescreverAlinhada(const std::string& parte, const std::vector<TrocaDeSigla>& trocas,
                       std::string& saida) {
    saida = parte;
    int falha = -1;
    for (const Palavra& p : palavrasDe(parte)) {
        const int k = trocaDa(trocas, std::string_view(parte).substr(p.inicio, p.fim - p.inicio));
        if (k < 0) continue;
        const std::string& nova = trocas[static_cast<std::size_t>(k)].nova;
        const std::size_t antigo = p.fim - p.inicio;
        bool cabe = nova.size() <= antigo || livre(parte, p.inicio + nova.size());
        for (std::size_t c = p.fim; cabe && c < p.inicio + nova.size(); ++c) cabe = livre(parte, c);
        if (!cabe) {
            if (falha < 0 || k < falha) falha = k;
            continue;
        }
        if (saida.size() < p.inicio + nova.size()) saida.resize(p.inicio + nova.size(), ' ');
        saida.replace(p.inicio, nova.size(), nova);
        if (nova.size() < antigo)
            saida.replace(p.inicio + nova.size(), antigo - nova.size(),
                          std::string(antigo - nova.size(), ' '));
    }
    return falha;
}

// The rest of the line: columns do not matter there.
std::string reescreverLivre(const std::string& parte, const std::vector<TrocaDeSigla>& trocas) {
    std::string saida;
    std::size_t copiado = 0;
    for (const Palavra& p : palavrasDe(parte)) {
        const int k = trocaDa(trocas, std::string_view(parte).substr(p.inicio, p.fim - p.inicio));
        if (k < 0) continue;
        saida.append(parte, copiado, p.inicio - copiado);
        saida += trocas[static_cast<std::size_t>(k)].nova;
        copiado = p.fim;
    }
    saida.append(parte, copiado);
    return saida;
}

}  // namespace

ReescritaDeSiglas reescreverSiglas(const std::vector<std::string>& linhas,
                                   const std::vector<bool>& linhasDeAcordes,
                                   const std::vector<TrocaDeSigla>& trocas) {
    ReescritaDeSiglas resultado{linhas, std::nullopt};
    int falha = -1;
    auto ehAcordes = [&](std::size_t i) {
        return i < linhasDeAcordes.size() && linhasDeAcordes[i];
    };
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (!ehAcordes(i)) continue;
        const std::string& linha = linhas[i];
        const bool letraAbaixo = i + 1 < linhas.size() && !ehAcordes(i + 1);
        const std::size_t corte = parteAlinhada(linha, letraAbaixo ? &linhas[i + 1] : nullptr);
        std::string alinhada;
        const int k = reescreverAlinhada(linha.substr(0, corte), trocas, alinhada);
        if (k >= 0 && (falha < 0 || k < falha)) falha = k;
        const std::string resto = reescreverLivre(linha.substr(corte), trocas);
        if (!alinhada.empty() && alinhada.back() != ' ' && !resto.empty() && resto.front() != ' ')
            alinhada += ' ';
        resultado.linhas[i] = alinhada + resto;
    }
    if (falha >= 0) {
        resultado.linhas = linhas;
        resultado.semEspaco = trocas[static_cast<std::size_t>(falha)].nova;
    }
    return resultado;
}

std::string mensagemSemEspaco(const std::string& nova) {
    return "Falta espaço em uma ou mais linhas para o texto da nova sigla: " +
           utf8DeWindows1252(nova);
}

void renomearConhecidos(AcordesConhecidos& conhecidos, const std::vector<TrocaDeSigla>& trocas) {
    const ChordTable& antes = conhecidos.tabela();
    std::vector<std::string> chaves = antes.Symbols;
    std::vector<bool> renomeada(chaves.size(), false);
    for (const TrocaDeSigla& t : trocas) {
        const int i = conhecidos.indice(chaveDeOrdenacao(t.antiga));
        if (i < 0) continue;
        chaves[static_cast<std::size_t>(i)] = chaveDeOrdenacao(t.nova);
        renomeada[static_cast<std::size_t>(i)] = true;
    }
    // A key must stay unique: a rename that meets a kept key, or an earlier rename, is undone,
    // which may free or take a key another rename counted on, so settle it again.
    for (bool desfez = true; desfez;) {
        desfez = false;
        std::map<std::string, std::size_t> dono;
        for (std::size_t i = 0; i < chaves.size(); ++i)
            if (!renomeada[i] && chaves[i] != kFreeSymbol) dono.emplace(chaves[i], i);
        for (std::size_t i = 0; i < chaves.size(); ++i) {
            if (!renomeada[i]) continue;
            if (dono.emplace(chaves[i], i).second) continue;
            chaves[i] = antes.Symbols[i];
            renomeada[i] = false;
            desfez = true;
        }
    }
    ChordTable tabela = antes;
    tabela.Symbols = std::move(chaves);
    conhecidos = AcordesConhecidos(std::move(tabela));
}

}  // namespace trovale
