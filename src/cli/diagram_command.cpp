#include "cli/diagram_command.h"

#include <CLI/CLI.hpp>
#include <QBuffer>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "catalogue/fingering_from_frets.h"
#include "catalogue/frets_notation.h"
#include "cli/option_checks.h"
#include "cli/output_checks.h"
#include "cli/terminal_dialogs.h"
#include "fingering/fret_rows_fit.h"
#include "render/diagram_image.h"

namespace trovale::cli {

namespace {

// Qt's notes about the platform (a missing runtime folder, font fallbacks) are not for the
// command's users, whose scripts read its error stream; only real failures pass.
void mensagemQt(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        std::fprintf(stderr, "trovale-cli: %s\n", qPrintable(texto));
}

}  // namespace

std::unique_ptr<QGuiApplication> aplicacaoParaDesenho() {
    if (QGuiApplication::instance()) return nullptr;
    qInstallMessageHandler(mensagemQt);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nome[] = "trovale-cli";
    static char* argv[] = {nome, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int gravarPng(const QImage& imagem, const std::string& caminho, std::ostream& erros) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!imagem.save(&buffer, "PNG")) {
        erros << caminho << ": " << kMensagemDispositivoDefeituoso << '\n';
        return kSaidaCatalogo;
    }
    // The picture goes through the one writer every file takes: whole or not at all.
    DiskFileSystem disco;
    AvisosNoTerminal avisos(erros, caminho);
    const std::string_view bytes(png.constData(), static_cast<std::size_t>(png.size()));
    return gravarArquivo(disco, caminho, bytes, avisos) == ResultadoGravacao::Gravado
               ? kSaidaOk
               : kSaidaCatalogo;
}


Comando registrarDiagram(CLI::App& app) {
    struct Opcoes {
        int tamanho = 120;
        int casas = 5;
        std::string trastes;
        std::string saida;
    };
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand(
        "diagram", "Desenha o diagrama de uma digitação (trastes da 6ª à 1ª corda) num PNG.");
    sub->add_option("--size", opcoes->tamanho, "Largura do braço em pixels (padrão 120)")
        ->type_name("PX")
        ->check(inteiroEntre(12, 2000));
    sub->add_option("--fret-rows", opcoes->casas, "Casas mostradas: 4 ou 5 (padrão 5)")
        ->type_name("4|5")
        ->check(inteiroEntre({4, 5}));
    sub->add_option("FRETS", opcoes->trastes,
                    "Trastes da corda 6 à 1, como \"x 3 2 0 1 0\" ou x32010")
        ->required()
        ->type_name("");
    sub->add_option("OUT", opcoes->saida, "Arquivo PNG a gravar")->required()->type_name("");
    auto executar = [opcoes](const Ambiente& ambiente) {
        if (!saidaAceita(opcoes->saida, ".png", {}, ambiente.erros)) return kSaidaArgumento;
        const auto trastes = lerTrastes(opcoes->trastes);
        if (!trastes) {
            ambiente.erros << "Trastes inválidos: \"" << opcoes->trastes
                           << "\" (seis valores da corda 6 à 1: x, 0 ou a casa).\n";
            return kSaidaArgumento;
        }
        const std::optional<TDigitacao> digitacao = digitacaoDeTrastes(*trastes);
        if (!digitacao) {
            ambiente.erros << "Digitação impossível de montar: exige mais de quatro dedos ou "
                              "pestanas, ou mais de cinco casas de abertura.\n";
            return kSaidaArgumento;
        }
        Aparencia aparencia;
        aparencia.Extensao = opcoes->casas == 4 ? 1 : 2;
        // A shape reaching the fifth row moves up a fret to fit four, as every diagram does.
        if (TDigitacao ajustada = *digitacao; !ajustarAsCasas(ajustada, aparencia.casas())) {
            ambiente.erros << "A digitação ocupa cinco casas; use --fret-rows 5.\n";
            return kSaidaArgumento;
        }
        const auto aplicacao = aplicacaoParaDesenho();
        const QImage imagem = imagemDiagrama(aparencia, *digitacao, opcoes->tamanho);
        return gravarPng(imagem, opcoes->saida, ambiente.erros);
    };
    return {sub, executar};
}

}  // namespace trovale::cli
