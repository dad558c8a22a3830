#include "pdf/objetos_fonte.h"

#include "pdf/numeros_pdf.h"

namespace trovale::pdf {

namespace {

void referencia(std::string& saida, int numero) {
    acrescentarInteiro(saida, numero);
    saida += " 0 R";
}

// Widths of the glyphs drawn, consecutive ids sharing one list: [3 [278 500] 40 [667]].
std::string larguras(const FonteEmbutida& fonte) {
    const auto& textos = fonte.textos();
    std::string w = "[";
    for (std::size_t g = 0; g < textos.size();) {
        if (!textos[g]) {
            ++g;
            continue;
        }
        acrescentarInteiro(w, static_cast<long long>(g));
        w += " [";
        for (; g < textos.size() && textos[g]; ++g) {
            acrescentarNumero(w, fonte.larguraPorMil(static_cast<std::uint16_t>(g)), 3);
            w.push_back(' ');
        }
        w += "] ";
    }
    w += "]";
    return w;
}

// The characters each glyph stands for, so that text can be selected and searched.
std::string mapaUnicode(const FonteEmbutida& fonte) {
    std::string cmap =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    const auto& textos = fonte.textos();
    std::size_t g = 0;
    while (g < textos.size()) {
        // At most 100 entries per block, as the CMap format requires.
        std::string bloco;
        int entradas = 0;
        for (; g < textos.size() && entradas < 100; ++g) {
            if (!textos[g]) continue;
            bloco.push_back('<');
            acrescentarHex4(bloco, static_cast<std::uint16_t>(g));
            bloco += "> <";
            acrescentarUtf16Hex(bloco, textos[g]);
            bloco += ">\n";
            ++entradas;
        }
        if (entradas == 0) break;
        acrescentarInteiro(cmap, entradas);
        cmap += " beginbfchar\n" + bloco + "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return cmap;
}

std::string descritor(const FonteEmbutida& fonte, const std::string& nome, int arquivo) {
    const MetricasFonte m = fonte.metricas();
    std::string d = "<< /Type /FontDescriptor /FontName /" + nome + " /Flags ";
    acrescentarInteiro(d, m.bandeiras);
    d += " /FontBBox [";
    for (double v : m.caixa) {
        acrescentarNumero(d, v, 0);
        d.push_back(' ');
    }
    d += "] /ItalicAngle ";
    acrescentarNumero(d, m.anguloItalico);
    d += " /Ascent ";
    acrescentarNumero(d, m.ascendente, 0);
    d += " /Descent ";
    acrescentarNumero(d, m.descendente, 0);
    d += " /CapHeight ";
    acrescentarNumero(d, m.alturaMaiusculas, 0);
    d += " /StemV ";
    acrescentarNumero(d, m.haste, 0);
    if (arquivo) {
        d += fonte.contornos() == ContornosFonte::Cff ? " /FontFile3 " : " /FontFile2 ";
        referencia(d, arquivo);
    }
    d += " >>";
    return d;
}

}  // namespace

std::string etiquetaSubconjunto(const FonteEmbutida& fonte, int indice) {
    std::uint64_t hash = 1469598103934665603ull ^ static_cast<std::uint64_t>(indice);
    const auto& textos = fonte.textos();
    for (std::size_t g = 0; g < textos.size(); ++g)
        if (textos[g]) hash = (hash ^ g) * 1099511628211ull;
    std::string etiqueta(7, '+');
    for (int i = 0; i < 6; ++i, hash /= 26) etiqueta[i] = static_cast<char>('A' + hash % 26);
    return etiqueta;
}

void escreverFonte(EscritorPdf& escritor, const FonteEmbutida& fonte, int indice, int primeiro) {
    const int cid = primeiro + 1, descr = primeiro + 2, arquivo = primeiro + 3,
              unicode = primeiro + 4;
    const std::string nome =
        (fonte.permiteSubconjunto() ? etiquetaSubconjunto(fonte, indice) : "") + fonte.nome();
    std::string& s = escritor.saida();

    escritor.abrirObjeto(primeiro);
    s += "<< /Type /Font /Subtype /Type0 /BaseFont /" + nome +
         " /Encoding /Identity-H /DescendantFonts [";
    referencia(s, cid);
    s += "] /ToUnicode ";
    referencia(s, unicode);
    s += " >>";
    escritor.fecharObjeto();

    // CFF outlines: a CIDFontType0 whose CIDs are glyph ids as they are (the subset's CFF is
    // not CID-keyed), its program an OpenType file.
    const bool cff = fonte.contornos() == ContornosFonte::Cff;
    escritor.abrirObjeto(cid);
    s += std::string("<< /Type /Font /Subtype ") + (cff ? "/CIDFontType0" : "/CIDFontType2") +
         " /BaseFont /" + nome +
         " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
         " /FontDescriptor ";
    referencia(s, descr);
    if (!cff) s += " /CIDToGIDMap /Identity";
    s += " /DW 0 /W " + larguras(fonte) + " >>";
    escritor.fecharObjeto();

    // A font damaged past what was checked on loading is still named, and readers substitute.
    const std::optional<std::string> programa = fonte.programa();
    escritor.abrirObjeto(descr);
    s += descritor(fonte, nome, programa ? arquivo : 0);
    escritor.fecharObjeto();

    std::string entradas = cff ? " /Subtype /OpenType" : " /Length1 ";
    if (!cff) acrescentarInteiro(entradas, programa ? static_cast<long long>(programa->size()) : 0);
    escritor.fluxo(arquivo, entradas,
                   {programa ? std::string_view(*programa) : std::string_view()});
    escritor.fluxo(unicode, "", {mapaUnicode(fonte)});
}

}  // namespace trovale::pdf
