#include "pdf/marcadores_pdf.h"

#include "pdf/numeros_pdf.h"

namespace trovale::pdf {

namespace {

void chave(std::string& s, const char* nome, int numero) {
    s += nome;
    acrescentarInteiro(s, numero);
    s += " 0 R";
}

}  // namespace

void escreverMarcadores(EscritorPdf& escritor, const std::vector<MarcadorPdf>& marcadores,
                        int primeiro, const std::function<DestinoDaPagina(int pagina)>& destino) {
    // filhos[0] are the root's; filhos[i + 1] those of bookmark i, in the order they came.
    const int quantos = static_cast<int>(marcadores.size());
    std::vector<std::vector<int>> filhos(marcadores.size() + 1);
    for (int i = 0; i < quantos; ++i)
        filhos[static_cast<std::size_t>(marcadores[static_cast<std::size_t>(i)].pai + 1)].push_back(i);
    // Every bookmark is open: each counts all that hang below it. Parents come before their
    // children, so counting from the end adds each total up in one pass.
    std::vector<int> abaixo(marcadores.size() + 1, 0);
    for (int i = quantos - 1; i >= 0; --i) {
        const std::size_t pai = static_cast<std::size_t>(marcadores[static_cast<std::size_t>(i)].pai + 1);
        abaixo[pai] += 1 + abaixo[static_cast<std::size_t>(i + 1)];
    }
    const auto numero = [primeiro](int i) { return primeiro + 1 + i; };
    std::string& s = escritor.saida();
    // The first and last of a bookmark's (or the root's) children, and how many hang below.
    const auto pontas = [&](std::size_t de) {
        const std::vector<int>& lista = filhos[de];
        if (lista.empty()) return;
        chave(s, " /First ", numero(lista.front()));
        chave(s, " /Last ", numero(lista.back()));
        s += " /Count ";
        acrescentarInteiro(s, abaixo[de]);
    };
    escritor.abrirObjeto(primeiro);
    s += "<< /Type /Outlines";
    pontas(0);
    s += " >>";
    escritor.fecharObjeto();
    for (const std::vector<int>& irmaos : filhos)
        for (std::size_t k = 0; k < irmaos.size(); ++k) {
            const int i = irmaos[k];
            const MarcadorPdf& m = marcadores[static_cast<std::size_t>(i)];
            const DestinoDaPagina d = destino(m.pagina);
            escritor.abrirObjeto(numero(i));
            s += "<< /Title " + textoUtf16Hex(m.titulo);
            chave(s, " /Parent ", m.pai < 0 ? primeiro : numero(m.pai));
            if (k > 0) chave(s, " /Prev ", numero(irmaos[k - 1]));
            if (k + 1 < irmaos.size()) chave(s, " /Next ", numero(irmaos[k + 1]));
            pontas(static_cast<std::size_t>(i + 1));
            chave(s, " /Dest [", d.objeto);
            s += " /XYZ 0 ";
            acrescentarNumero(s, d.altura);
            s += " null] >>";
            escritor.fecharObjeto();
        }
}

}  // namespace trovale::pdf
