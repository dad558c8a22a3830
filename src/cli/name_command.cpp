#include "cli/name_command.h"

#include <CLI/CLI.hpp>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "catalogue/chord_interpreter.h"
#include "cli/catalogue_loading.h"
#include "cli/diagram_command.h"
#include "cli/option_checks.h"
#include "cli/output_checks.h"
#include "render/qt_chord_name.h"

namespace trovale::cli {

namespace {

constexpr int kPontosPorMetro96Dpi = 3780;

QImage imagemNome(const TAcordeInterpretado& acorde, double pontos) {
    OpcoesNomeAcorde opcoes;
    opcoes.tamanhoFonte = pontos;
    opcoes.alinharNoTopo = true;
    opcoes.centralizar = true;
    QFont fonte(QStringLiteral("Arial"));

    QImage rascunho(1, 1, QImage::Format_RGB32);
    rascunho.setDotsPerMeterX(kPontosPorMetro96Dpi);
    rascunho.setDotsPerMeterY(kPontosPorMetro96Dpi);
    opcoes.apenasMedir = true;
    QSize medida;
    {
        QPainter p(&rascunho);
        p.setFont(fonte);
        medida = DesenharNomeAcorde(p, acorde.Elementos, acorde.Raiz, acorde.Baixo, opcoes);
    }
    const int margem = std::max(2, medida.height() / 4);
    QImage imagem(medida.width() + 2 * margem, medida.height() + 2 * margem, QImage::Format_RGB32);
    imagem.setDotsPerMeterX(kPontosPorMetro96Dpi);
    imagem.setDotsPerMeterY(kPontosPorMetro96Dpi);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(fonte);
    opcoes.apenasMedir = false;
    opcoes.caixa = imagem.rect();
    DesenharNomeAcorde(p, acorde.Elementos, acorde.Raiz, acorde.Baixo, opcoes);
    return imagem;
}

}  // namespace

Comando registrarName(CLI::App& app) {
    struct Opcoes {
        double pontos = 24;
        std::string simbolo;
        std::string saida;
    };
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub =
        app.add_subcommand("name", "Desenha o nome de um acorde, como a cifra o mostra, num PNG.");
    sub->add_option("--size", opcoes->pontos, "Tamanho da letra em pontos (padrão 24)")
        ->type_name("PT")
        ->check(numeroEntre(4.0, 400.0));
    sub->add_option("SYMBOL", opcoes->simbolo, "Cifra, como C7(9) ou Bb/D")
        ->required()
        ->type_name("");
    sub->add_option("OUT", opcoes->saida, "Arquivo PNG a gravar")->required()->type_name("");
    auto executar = [opcoes](const Ambiente& ambiente) {
        if (!saidaAceita(opcoes->saida, ".png", {}, ambiente.erros)) return kSaidaArgumento;
        const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
        if (!carga.tiposOk) return kSaidaCatalogo;
        const InterpretacaoAcorde leitura =
            InterpretarAcorde(carga.catalogo.tipos, w1252(opcoes->simbolo));
        if (!leitura.ehAcorde) {
            ambiente.erros << "Cifra não reconhecida: \"" << opcoes->simbolo << "\".\n";
            return kSaidaArgumento;
        }
        const auto aplicacao = aplicacaoParaDesenho();
        const QImage imagem = imagemNome(leitura.acorde, opcoes->pontos);
        return gravarPng(imagem, opcoes->saida, ambiente.erros);
    };
    return {sub, executar};
}

}  // namespace trovale::cli
