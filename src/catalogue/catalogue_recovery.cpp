#include "catalogue/catalogue_recovery.h"

#include "catalogue/fingering_file.h"
#include "catalogue/type_file.h"

namespace trovale {

bool novoArquivoIntegro(const ArquivosCatalogo& arquivos, const ParArquivos& par) {
    const auto bytes = arquivos.fs.readFile(arquivos.caminho(par.novo), kLimiteCatalogo);
    if (!bytes) return false;
    return par.novo == kNovoTipos ? arquivoTiposIntegro(*bytes) : arquivoDigitacoesIntegro(*bytes);
}

namespace {

void recuperarPar(const ArquivosCatalogo& arquivos, const ParArquivos& par) {
    // A combined save still unresolved commits both files or neither, never one alone.
    if (arquivos.existe(kMarcaConjunta)) return;
    if (arquivos.existe(par.novo)) {
        if (arquivos.existe(par.marca)) {
            // The marker vouches only for what was written; the disk may have lost it since.
            if (!novoArquivoIntegro(arquivos, par))
                throw NovoArquivoDefeituoso(arquivos.caminho(par.novo));
            // A crash may already have removed the old file.
            arquivos.removerSeExiste(par.atual);
            arquivos.fs.rename(arquivos.caminho(par.novo), arquivos.caminho(par.atual));
        } else {
            arquivos.fs.remove(arquivos.caminho(par.novo));
        }
    }
    // Also a marker left alone by a crash after the rename: kept, it would vouch for the
    // next, still unwritten, new file.
    arquivos.removerSeExiste(par.marca);
}

}  // namespace

void RecuperarGravacaoConjunta(const ArquivosCatalogo& arquivos) {
    if (!arquivos.existe(kMarcaConjunta)) return;
    for (const ParArquivos& par : {kParTipos, kParDigitacoes})
        if (arquivos.existe(par.novo) && !novoArquivoIntegro(arquivos, par))
            throw NovoArquivoDefeituoso(arquivos.caminho(par.novo));
    for (const ParArquivos& par : {kParTipos, kParDigitacoes})
        if (arquivos.existe(par.novo) && !arquivos.existe(par.marca))
            arquivos.criarMarca(par.marca);
    arquivos.fs.remove(arquivos.caminho(kMarcaConjunta));
}

void RecuperarTipos(const ArquivosCatalogo& arquivos) {
    recuperarPar(arquivos, kParTipos);
}

void RecuperarDigitacoes(const ArquivosCatalogo& arquivos) {
    recuperarPar(arquivos, kParDigitacoes);
}

}  // namespace trovale
