#include "catalogue/catalogue_files.h"

#include "base/file_saving.h"

#include "catalogue/catalogue_recovery.h"
#include "catalogue/fingering_file.h"
#include "catalogue/type_file.h"

namespace trovale {

void ArquivosCatalogo::removerSeExiste(std::string_view nome) const {
    if (existe(nome)) fs.remove(caminho(nome));
}

void ArquivosCatalogo::criarMarca(std::string_view nome) const {
    fs.writeFile(caminho(nome), kConteudoMarca);
}

std::string mensagemErroArquivo(const FileSystemError& erro) {
    return "Erro ao acessar o arquivo \"" + erro.caminho().string() + "\": " + erro.erro() + ".";
}

namespace {

// A recovery step that fails is reported; loading then reads whatever file is there.
template <typename Passo>
void recuperarRelatando(Dialogs& dialogs, Passo passo) {
    try {
        passo();
    } catch (const FileSystemError& erro) {
        dialogs.aviso(mensagemErroArquivo(erro));
    } catch (const NovoArquivoDefeituoso& erro) {
        dialogs.aviso(mensagemArquivoDefeituoso(erro.caminho()));
    }
}

}  // namespace

void CarregarTipos(const ArquivosCatalogo& arquivos, CatalogoTipos& tipos, Dialogs& dialogs) {
    recuperarRelatando(dialogs, [&] { RecuperarTipos(arquivos); });
    const auto bytes = arquivos.fs.readFile(arquivos.caminho(kArquivoTipos), kLimiteCatalogo);
    if (!bytes) {
        tipos.limpar();
        tipos.CalcularSomas();
        return;
    }
    for (int numero : lerTipos(*bytes, tipos).duplicatas) dialogs.aviso(mensagemDuplicata(numero));
}

void CarregarDigitacoes(const ArquivosCatalogo& arquivos, const CatalogoTipos& tipos,
                        BancoDigitacoes& banco, Dialogs& dialogs) {
    recuperarRelatando(dialogs, [&] { RecuperarDigitacoes(arquivos); });
    const auto bytes = arquivos.fs.readFile(arquivos.caminho(kArquivoDigitacoes), kLimiteCatalogo);
    if (!bytes) {
        banco.limpar();
        return;
    }
    lerDigitacoes(*bytes, tipos, banco);
}

void AbrirCatalogo(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs) {
    recuperarRelatando(dialogs, [&] { RecuperarGravacaoConjunta(arquivos); });
    CarregarTipos(arquivos, catalogo.tipos, dialogs);
    CarregarDigitacoes(arquivos, catalogo.tipos, catalogo.digitacoes, dialogs);
    catalogo.tipos.CalcularEquivalentes();
    catalogo.GravarJuntos = false;
}

}  // namespace trovale
