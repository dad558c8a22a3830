#pragma once
// The main window's menu bar: every item with its caption, shortcut and object name.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace trovale {

struct MenuPrincipal {
    QMenu* mArquivo = nullptr;
    QAction* mNovo = nullptr;
    QAction* mAbrir = nullptr;
    QAction* mFechar = nullptr;
    QAction* mSalvar = nullptr;
    QAction* mSalvarComo = nullptr;
    QAction* mImportar = nullptr;
    QAction* mColar = nullptr;
    QAction* mExportar = nullptr;
    QAction* mExportarPdf = nullptr;
    QAction* mExportarCho = nullptr;
    QAction* mCaderno = nullptr;
    QAction* mRepertorio = nullptr;
    QAction* mModelo = nullptr;
    QAction* mConfigurar = nullptr;
    QAction* mImprimir = nullptr;
    QAction* mJanela = nullptr;
    // The open songs are listed between these two separators, the first shown only with them.
    QAction* separadorJanelas = nullptr;
    QAction* separadorSair = nullptr;
    QAction* mSair = nullptr;

    QMenu* mEditar = nullptr;
    QAction* mTexto = nullptr;
    QAction* mTranspor = nullptr;
    QAction* mCapotraste = nullptr;
    QAction* mSoantes = nullptr;
    QAction* mPalco = nullptr;

    QMenu* mAcordes = nullptr;
    QAction* mSelect = nullptr;
    QAction* mDigitacao = nullptr;
    QAction* mNomenclatura = nullptr;
    QAction* mOrdem = nullptr;
    QAction* mGravarTipos = nullptr;
    QAction* mGravarPosicoes = nullptr;
    QAction* mGravarJunto = nullptr;

    QMenu* mOpcoes = nullptr;
    QAction* mAspecto = nullptr;
    QAction* mSom = nullptr;
    QAction* mImpressora = nullptr;
    QAction* mTeclasPalco = nullptr;
    QAction* N6 = nullptr;
    QAction* mPainel = nullptr;
    QAction* mBarras = nullptr;

    QMenu* mHelp = nullptr;
    QAction* mConteudo = nullptr;
    QAction* mAssunto = nullptr;
    QAction* mComoUsar = nullptr;
};

// Fills the bar. Items start enabled and visible; the window applies its rules.
MenuPrincipal criarMenuPrincipal(QMenuBar* barra);

}  // namespace trovale
