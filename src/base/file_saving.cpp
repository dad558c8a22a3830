#include "base/file_saving.h"

#include "base/dialogs.h"
#include "base/file_system.h"

namespace trovale {

std::string mensagemArquivoDefeituoso(const std::filesystem::path& caminho) {
    const std::u8string utf8 = caminho.u8string();
    return "Arquivo " + std::string(utf8.begin(), utf8.end()) +
           " defeituoso. Remova-o, se não conseguir restaurá-lo.";
}

ResultadoGravacao gravarArquivo(FileSystem& fs, const std::filesystem::path& caminho,
                                std::string_view bytes, Dialogs& dialogs) {
    try {
        fs.writeFile(caminho, bytes);
        return ResultadoGravacao::Gravado;
    } catch (const FileSystemError& erro) {
        dialogs.aviso(erro.incompleto() ? kMensagemDispositivoDefeituoso
                                        : kMensagemArquivoImproprio);
        return erro.incompleto() ? ResultadoGravacao::Incompleto : ResultadoGravacao::NaoCriado;
    }
}

}  // namespace trovale
