// Trovale: chord sheets for the guitar.

#include <QApplication>
#include <QFile>
#include <QTimer>

#include "app/program_folder.h"
#include "app/qt_translations.h"
#include "app/single_instance.h"
#include "app/trovale_program.h"
#include "settings/program_dir.h"

namespace {

// For the start-up benchmark: the file named here is written as soon as the window answers
// events, be it after the deferred start-up or with its first message up.
void avisarQuandoPronto() {
    const QString arquivo = qEnvironmentVariable("TROVALE_READY_FILE");
    if (arquivo.isEmpty()) return;
    QTimer::singleShot(0, [arquivo] {
        QFile pronto(arquivo);
        if (pronto.open(QIODevice::WriteOnly)) pronto.write("ready\n");
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(trovale::kNomeAplicacao));
    // The installed menu entry, so that a desktop shows its name and icon for our windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.trovale.Trovale"));
    const QStringList argumentos = app.arguments().mid(1);
    const trovale::PastaPrograma pasta = trovale::localizarPastaPrograma();

    trovale::SingleInstance instancia(trovale::nomeCanalInstancia(pasta.pasta));
    if (instancia.iniciar(argumentos.join(QLatin1Char(' '))) ==
        trovale::SingleInstance::Papel::Entregue)
        return 0;

    trovale::instalarTraducaoQt(app);
    trovale::OpcoesPrograma opcoes;
    opcoes.argumentos = argumentos;
    trovale::Programa programa(pasta, opcoes);
    QObject::connect(&instancia, &trovale::SingleInstance::recebido, &programa,
                     &trovale::Programa::receber);
    programa.iniciar();
    avisarQuandoPronto();
    return app.exec();
}
