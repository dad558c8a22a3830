#include "app/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <system_error>

#include "base/file_system.h"
#include "catalogue/catalogue_files.h"
#include "settings/program_dir.h"

namespace trovale {

namespace fs = std::filesystem;

namespace {

bool existe(const fs::path& caminho) {
    std::error_code erro;
    return fs::exists(caminho, erro);
}

fs::path caminhoDe(const QString& texto) {
    return fs::path(texto.toStdString());
}

// A catalogue, or a save of one that a crash interrupted, means the user has started before.
bool jaIniciada(const fs::path& pasta) {
    for (std::string_view nome : {kArquivoTipos, kArquivoDigitacoes, kNovoTipos, kNovoDigitacoes})
        if (existe(pasta / nome)) return true;
    return false;
}

// Whole or not at all, so that a failed first start leaves nothing half-copied behind.
bool copiarCompleto(const fs::path& de, const fs::path& para) {
    DiskFileSystem disco;
    try {
        disco.copyFile(de, para);
        return true;
    } catch (const FileSystemError&) {
        return false;
    }
}

}  // namespace

PastaPrograma localizarPastaPrograma() {
    const FontesDiretorioPrograma fontes = fontesDoAmbiente();
    PastaPrograma resultado;
    resultado.pasta = resolverDiretorioPrograma(fontes);
    const bool variavel = fontes.trovaleDir && !fontes.trovaleDir->empty();
    resultado.doUsuario = !variavel && resultado.pasta == diretorioDadosUsuario(fontes);
    return resultado;
}

fs::path pastaDadosInstalados() {
    QStringList candidatas{QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/trovale")};
    candidatas +=
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("trovale"),
                                  QStandardPaths::LocateDirectory);
    for (const QString& candidata : candidatas) {
        const fs::path pasta = caminhoDe(QDir::cleanPath(candidata));
        if (existe(pasta / kArquivoTipos)) return pasta;
    }
    return {};
}

const std::vector<std::string>& arquivosDeFabrica() {
    static const std::vector<std::string> nomes{std::string(kArquivoTipos),
                                                std::string(kArquivoDigitacoes),
                                                "ASPECTO.INI",
                                                "MODELO.INI",
                                                "LayOut.ini",
                                                "MIDISOM.INI",
                                                "MUSICS.INI"};
    return nomes;
}

std::vector<std::string> semearPastaUsuario(const fs::path& destino, const fs::path& origem) {
    std::error_code erro;
    fs::create_directories(destino, erro);
    std::vector<std::string> copiados;
    if (erro || origem.empty() || jaIniciada(destino)) return copiados;
    for (const std::string& nome : arquivosDeFabrica()) {
        if (!existe(origem / nome) || existe(destino / nome)) continue;
        if (copiarCompleto(origem / nome, destino / nome)) copiados.push_back(nome);
    }
    return copiados;
}

fs::path pastaCancoesUsuario() {
    return caminhoDe(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) /
           "Trovale";
}

std::vector<std::string> semearCancoesExemplo(const fs::path& destino, const fs::path& origem) {
    std::vector<std::string> copiados;
    std::error_code erro;
    if (origem.empty() || !fs::is_directory(origem, erro)) return copiados;
    fs::create_directories(destino, erro);
    if (erro) return copiados;
    for (const fs::directory_entry& entrada : fs::directory_iterator(origem, erro)) {
        const fs::path nome = entrada.path().filename();
        if (entrada.path().extension() != ".dec" || existe(destino / nome)) continue;
        if (copiarCompleto(entrada.path(), destino / nome)) copiados.push_back(nome.string());
    }
    std::sort(copiados.begin(), copiados.end());
    return copiados;
}

}  // namespace trovale
