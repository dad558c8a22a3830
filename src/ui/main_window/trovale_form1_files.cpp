// The main window's files: the file window that opens, saves and exports songs, and the text
// editor that makes a song from text or edits one as text.
#include <QAction>
#include <QMdiArea>

#include "base/file_system.h"
#include "document/text_conversion.h"
#include "ui/document_window/image_form.h"
#include "ui/file_dialog/file_dlg.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/text_editor/letra_dlg.h"

namespace trovale {

void TTrovaleForm1::setArquivos(TFileDlg* arquivos) {
    arquivos_ = arquivos;
    semJanela_.removeAll(menu_.mAbrir);
    semJanela_.removeAll(menu_.mSalvarComo);
    semJanela_.removeAll(menu_.mExportarPdf);
    semJanela_.removeAll(menu_.mExportarCho);
    semJanela_.removeAll(menu_.mCaderno);
    semJanela_.removeAll(menu_.mRepertorio);
    OperacoesArquivo operacoes;
    operacoes.indiceAberto = [this](const QString& caminho) {
        return static_cast<int>(mdi_->subWindowList().indexOf(documentoComArquivo(caminho)));
    };
    operacoes.arquivoAtivo = [this] {
        TImageForm* documento = nomeando_ ? nomeando_.data() : documentoAtivo();
        return documento ? documento->nomeArquivo() : QString();
    };
    operacoes.salvarAtivo = [this](const QString& caminho) {
        TImageForm* documento = nomeando_ ? nomeando_.data() : documentoAtivo();
        return documento && documento->salvarEm(caminho);
    };
    operacoes.importar = [this](const QString& caminho) { return importarArquivo(caminho); };
    operacoes.exportar = [this](const QString& caminho) {
        return exportacao_ && exportacao_(caminho);
    };
    arquivos_->setOperacoes(std::move(operacoes));
    aplicarRegras();
}

TFileDlg* TTrovaleForm1::arquivos() const {
    return arquivos_;
}

bool TTrovaleForm1::escolherArquivo(const QString& legenda, const QString& mascara) {
    if (!arquivos_) return false;
    arquivos_->setWindowTitle(legenda);
    arquivos_->setMascara(mascara);
    return arquivos_->exec() == QDialog::Accepted;
}

void TTrovaleForm1::setLetra(TLetraDlg* letra) {
    letra_ = letra;
    for (QAction* item :
         {menu_.mNovo, menu_.mTexto, menu_.mImportar, menu_.mColar, menu_.mExportar})
        semJanela_.removeAll(item);
    connect(menu_.mNovo, &QAction::triggered, this, &TTrovaleForm1::novoPeloTexto);
    connect(menu_.mImportar, &QAction::triggered, this, &TTrovaleForm1::importarTexto);
    connect(menu_.mColar, &QAction::triggered, this, &TTrovaleForm1::colarCifra);
    connect(menu_.mExportar, &QAction::triggered, this, &TTrovaleForm1::exportarTexto);
    connect(menu_.mExportarPdf, &QAction::triggered, this, &TTrovaleForm1::exportarPdf);
    connect(menu_.mExportarCho, &QAction::triggered, this, &TTrovaleForm1::exportarChordPro);
    connect(menu_.mCaderno, &QAction::triggered, this, &TTrovaleForm1::montarCaderno);
    connect(menu_.mRepertorio, &QAction::triggered, this, &TTrovaleForm1::abrirRepertorio);
    connect(menu_.mTexto, &QAction::triggered, this, &TTrovaleForm1::editarComoTexto);
    letra_->aoSalvarFonte = [this](int fonte) {
        if (arquivos_) arquivos_->guardarFonteEditor(fonte);
    };
    aplicarRegras();
}

void TTrovaleForm1::criarDoEditor() {
    if (arquivos_) letra_->setFonteEditor(arquivos_->fonteEditor());
    mostrarPainel(false);
    if (letra_->exec() == QDialog::Accepted) {
        if (TImageForm* documento = abrirNovo())
            documento->construirDoTexto(letra_->resultado(), true);
    }
    mostrarPainel(numeroDocumentos() == 0);
}

void TTrovaleForm1::novoPeloTexto() {
    if (!letra_) return;
    letra_->setTexto({});
    criarDoEditor();
}

void TTrovaleForm1::exportarTexto() {
    TImageForm* documento = documentoAtivo();
    if (!documento) return;
    auto texto = documento->textoParaExportar();
    if (!texto) return;
    exportarPor(QStringLiteral(" Exportar arquivo em formato texto"), QStringLiteral("*.txt"),
                [this, linhas = std::move(*texto)](const QString& caminho) {
                    DiskFileSystem disco;
                    return gravarTexto(disco, caminho.toStdString(), linhas, *dialogs_);
                });
}

void TTrovaleForm1::exportarPdf() {
    TImageForm* documento = documentoAtivo();
    if (!documento) return;
    exportarPor(QStringLiteral(" Exportar em PDF"), QStringLiteral("*.pdf"),
                [documento](const QString& caminho) { return documento->exportarPdf(caminho); });
}

void TTrovaleForm1::exportarPor(const QString& legenda, const QString& mascara,
                                std::function<bool(const QString&)> exportacao) {
    exportacao_ = std::move(exportacao);
    escolherArquivo(legenda, mascara);
    exportacao_ = {};
}

void TTrovaleForm1::editarComoTexto() {
    TImageForm* documento = documentoAtivo();
    if (!documento || !letra_) return;
    auto texto = documento->textoParaEditar();
    if (!texto) return;
    if (arquivos_) letra_->setFonteEditor(arquivos_->fonteEditor());
    letra_->setTexto(std::move(*texto), AcordesConhecidos(documento->documento().Chords));
    if (letra_->exec() == QDialog::Accepted) documento->construirDoTexto(letra_->resultado());
}

void TTrovaleForm1::abrirPeloNavegador() {
    if (escolherArquivo(QStringLiteral(" Abrir arquivo existente"), QStringLiteral("*.dec")))
        abrirArquivo(arquivos_->caminho());
    mostrarPainel(numeroDocumentos() == 0);
}

// The file window saves the song itself; the song then carries its new name.
bool TTrovaleForm1::salvarComo(TImageForm& documento) {
    nomeando_ = &documento;
    const bool salvo = escolherArquivo(QStringLiteral(" Salvar como ..."), QStringLiteral("*.dec"));
    nomeando_ = nullptr;
    atualizarTitulos();
    return salvo;
}

}  // namespace trovale
