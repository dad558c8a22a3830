// The main window's ways in and out in other formats: a plain text or a
// ChordPro file into the text editor, a song out as ChordPro.
#include <QClipboard>
#include <QGuiApplication>

#include "base/file_system.h"
#include "document/chordpro_export.h"
#include "document/chordpro_import.h"
#include "document/site_text.h"
#include "document/text_conversion.h"
#include "render/appearance.h"
#include "ui/document_window/image_form.h"
#include "ui/file_dialog/file_dlg.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/text_editor/letra_dlg.h"

namespace trovale {

namespace {

constexpr std::size_t kAvisosMostrados = 12;
const QString kMascaraImportar = QStringLiteral("*.txt;*.cho;*.crd;*.chopro;*.chordpro;*.pro");

}  // namespace

// The file window puts the text into the editor; the editor then makes it a
// song.
void TTrovaleForm1::importarTexto() {
    if (!letra_) return;
    mostrarPainel(false);
    if (escolherArquivo(QStringLiteral(" Importar arquivo em formato texto"), kMascaraImportar))
        criarDoEditor();
    mostrarPainel(numeroDocumentos() == 0);
}

bool TTrovaleForm1::importarArquivo(const QString& caminho) {
    if (!letra_) return false;
    DiskFileSystem disco;
    std::optional<std::string> bytes = disco.readFile(caminho.toStdString(), kLimiteCancao);
    if (!bytes) {
        dialogs_->aviso(mensagemNaoLido(caminho.toStdString(), kLimiteCancao));
        return false;
    }
    return importarBytes(std::move(*bytes), caminho.toStdString());
}

// A text in the chord sites' habits is read as they mean it; a ChordPro one as ChordPro.
// What is no text is refused with its one message; the editor keeps what it had.
bool TTrovaleForm1::importarBytes(std::string bytes, const std::string& nome) {
    if (!ehChordPro(nome, bytes)) {
        std::optional<std::vector<std::string>> linhas = linhasDoTexto(std::move(bytes), *dialogs_);
        if (!linhas) return false;
        letra_->setTexto({});
        letra_->substituirTexto(lerCifraDeSite(std::move(*linhas), servicos_.catalogo.tipos));
        return true;
    }
    const int trastes =
        servicos_.aparencia ? servicos_.aparencia->casas() : kTrastesMostradosPadrao;
    ImportacaoChordPro importacao =
        importarChordPro(std::move(bytes), {servicos_.catalogo, trastes});
    if (importacao.recusa) {
        dialogs_->aviso(*importacao.recusa);
        return false;
    }
    letra_->setTexto({}, std::move(importacao.conhecidos));
    letra_->substituirTexto(std::move(importacao.linhas));
    if (const std::string resumo = importacao.resumo(kAvisosMostrados); !resumo.empty())
        dialogs_->aviso(resumo);
    return true;
}

// "Colar cifra": the clipboard's text goes to the text editor as an imported file would.
void TTrovaleForm1::colarCifra() {
    if (!letra_) return;
    const QString texto = QGuiApplication::clipboard()->text();
    if (texto.trimmed().isEmpty()) {
        dialogs_->aviso("A área de transferência não tem texto para colar.");
        return;
    }
    mostrarPainel(false);
    if (importarBytes(texto.toStdString(), {})) criarDoEditor();
    mostrarPainel(numeroDocumentos() == 0);
}

void TTrovaleForm1::exportarChordPro() {
    TImageForm* documento = documentoAtivo();
    if (!documento) return;
    exportarPor(QStringLiteral(" Exportar arquivo em formato ChordPro"), QStringLiteral("*.cho"),
                [this, documento](const QString& caminho) {
                    DiskFileSystem disco;
                    return gravarChordPro(disco, caminho.toStdString(), documento->documentoAtual(),
                                          *dialogs_);
                });
}

}  // namespace trovale
