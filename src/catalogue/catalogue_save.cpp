#include "catalogue/catalogue_save.h"

#include "base/file_saving.h"

#include "catalogue/catalogue_recovery.h"
#include "catalogue/fingering_file.h"
#include "catalogue/type_file.h"

namespace trovale {

std::string mensagemFalhaGravacao(const FileSystemError& erro) {
    return "Não foi possível gravar o arquivo \"" + erro.caminho().string() + "\": " + erro.erro() +
           ". O arquivo anterior foi mantido.";
}

namespace {

// Clean-up after a failure that has already been reported.
void descartar(const ArquivosCatalogo& arquivos, std::string_view nome) {
    try {
        arquivos.fs.remove(arquivos.caminho(nome));
    } catch (const FileSystemError&) {
    }
}

// A commit that failed earlier in this run left work files behind; finishing it as the next
// start would is the only safe base: a stale marker would vouch for a half-written file.
// On a clean folder this only looks.
bool concluirPendentes(const ArquivosCatalogo& arquivos, Dialogs& dialogs) {
    try {
        RecuperarGravacaoConjunta(arquivos);
        RecuperarTipos(arquivos);
        RecuperarDigitacoes(arquivos);
        return true;
    } catch (const FileSystemError& erro) {
        dialogs.aviso(mensagemErroArquivo(erro));
        return false;
    } catch (const NovoArquivoDefeituoso& erro) {
        // Saving would write over the file the user was told to look at.
        dialogs.aviso(mensagemArquivoDefeituoso(erro.caminho()));
        return false;
    }
}

// Writes "X.NEW" whole.
bool escreverNovo(const ArquivosCatalogo& arquivos, const ParArquivos& par, std::string_view bytes,
                  Dialogs& dialogs) {
    try {
        arquivos.fs.writeFile(arquivos.caminho(par.novo), bytes);
        return true;
    } catch (const FileSystemError& erro) {
        dialogs.aviso(mensagemFalhaGravacao(erro));
        descartar(arquivos, par.novo);
        return false;
    }
}

// Marker, old file out, new file in, marker gone. From the marker on, a crash is finished
// by the recovery at the next start.
void efetivar(const ArquivosCatalogo& arquivos, const ParArquivos& par) {
    arquivos.criarMarca(par.marca);
    arquivos.removerSeExiste(par.atual);
    arquivos.fs.rename(arquivos.caminho(par.novo), arquivos.caminho(par.atual));
    arquivos.fs.remove(arquivos.caminho(par.marca));
}

// A commit that stopped half-way is reported; the flag stays set so that the user is asked
// again before leaving and can save once more.
bool efetivarRelatando(const ArquivosCatalogo& arquivos, const ParArquivos& par, bool& alterado,
                       Dialogs& dialogs) {
    try {
        efetivar(arquivos, par);
        return true;
    } catch (const FileSystemError& erro) {
        dialogs.aviso(mensagemErroArquivo(erro));
        alterado = true;
        return false;
    }
}

}  // namespace

// With GravarJuntos set, a file saved alone would either wait uncommitted (and be deleted
// at the next start) or stand beside a partner it no longer matches.
bool GravarTipos(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs) {
    if (catalogo.GravarJuntos) return GravarTiposEDigitacoes(arquivos, catalogo, dialogs);
    if (!concluirPendentes(arquivos, dialogs)) return false;
    if (!escreverNovo(arquivos, kParTipos, escreverTipos(catalogo.tipos), dialogs)) return false;
    catalogo.TiposAlterados = false;
    if (!efetivarRelatando(arquivos, kParTipos, catalogo.TiposAlterados, dialogs)) return false;
    catalogo.tipos.CalcularSomas();
    return true;
}

bool GravarDigitacoes(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs) {
    if (catalogo.GravarJuntos) return GravarTiposEDigitacoes(arquivos, catalogo, dialogs);
    if (!concluirPendentes(arquivos, dialogs)) return false;
    const std::string bytes = escreverDigitacoes(catalogo.digitacoes);
    if (!escreverNovo(arquivos, kParDigitacoes, bytes, dialogs)) return false;
    catalogo.DigitacoesAlteradas = false;
    return efetivarRelatando(arquivos, kParDigitacoes, catalogo.DigitacoesAlteradas, dialogs);
}

bool GravarTiposEDigitacoes(const ArquivosCatalogo& arquivos, Catalogo& catalogo,
                            Dialogs& dialogs) {
    if (!concluirPendentes(arquivos, dialogs)) return false;
    if (!escreverNovo(arquivos, kParTipos, escreverTipos(catalogo.tipos), dialogs)) return false;
    const std::string digitacoes = escreverDigitacoes(catalogo.digitacoes);
    if (!escreverNovo(arquivos, kParDigitacoes, digitacoes, dialogs)) {
        descartar(arquivos, kNovoTipos);
        return false;
    }
    const bool juntos = catalogo.GravarJuntos;
    catalogo.TiposAlterados = catalogo.DigitacoesAlteradas = catalogo.GravarJuntos = false;
    try {
        arquivos.criarMarca(kMarcaConjunta);
        efetivar(arquivos, kParTipos);
        efetivar(arquivos, kParDigitacoes);
        arquivos.fs.remove(arquivos.caminho(kMarcaConjunta));
    } catch (const FileSystemError& erro) {
        dialogs.aviso(mensagemErroArquivo(erro));
        catalogo.TiposAlterados = catalogo.DigitacoesAlteradas = true;
        catalogo.GravarJuntos = juntos;
        return false;
    }
    catalogo.tipos.CalcularSomas();
    return true;
}

}  // namespace trovale
