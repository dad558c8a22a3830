#include "ui/main_window/main_menu.h"

namespace trovale {

namespace {

// Object names are the items' established names, so that rules and tests can find them.
QAction* item(QMenu* menu, const char* nome, const QString& legenda,
              QKeySequence atalho = QKeySequence()) {
    QAction* acao = menu->addAction(legenda);
    acao->setObjectName(QString::fromLatin1(nome));
    acao->setShortcut(atalho);
    return acao;
}

QMenu* submenu(QMenuBar* barra, const char* nome, const QString& legenda) {
    QMenu* menu = barra->addMenu(legenda);
    menu->setObjectName(QString::fromLatin1(nome));
    return menu;
}

void criarDocumento(QMenuBar* barra, MenuPrincipal& m) {
    m.mArquivo = submenu(barra, "mArquivo", QStringLiteral("&Documento"));
    m.mNovo = item(m.mArquivo, "mNovo", QStringLiteral("&Novo"), QKeySequence("Ctrl+N"));
    m.mAbrir = item(m.mArquivo, "mAbrir", QStringLiteral("&Abrir"), QKeySequence("Ctrl+A"));
    m.mFechar = item(m.mArquivo, "mFechar", QStringLiteral("&Fechar"));
    m.mArquivo->addSeparator();
    m.mSalvar = item(m.mArquivo, "mSalvar", QStringLiteral("&Salvar"), QKeySequence("Ctrl+S"));
    m.mSalvarComo = item(m.mArquivo, "mSalvarComo", QStringLiteral("Sal&var como..."));
    m.mArquivo->addSeparator();
    m.mImportar = item(m.mArquivo, "mImportar", QStringLiteral("&Importar *.txt"));
    m.mColar =
        item(m.mArquivo, "mColar", QStringLiteral("&Colar cifra"), QKeySequence("Ctrl+Shift+V"));
    m.mExportar = item(m.mArquivo, "mExportar", QStringLiteral("&Exportar *.txt"));
    m.mExportarPdf = item(m.mArquivo, "mExportarPdf", QStringLiteral("Exportar *.p&df"));
    m.mExportarCho = item(m.mArquivo, "mExportarCho", QStringLiteral("Exportar *.c&ho"));
    m.mCaderno = item(m.mArquivo, "mCaderno", QStringLiteral("Cadern&o de cifras (PDF)..."));
    m.mRepertorio = item(m.mArquivo, "mRepertorio", QStringLiteral("Reper&tório..."));
    m.mArquivo->addSeparator();
    m.mModelo = item(m.mArquivo, "mModelo", QStringLiteral("&Modelo"), QKeySequence("Ctrl+M"));
    m.mConfigurar =
        item(m.mArquivo, "mConfigurar", QStringLiteral("&Lay-out"), QKeySequence("Ctrl+L"));
    m.mImprimir =
        item(m.mArquivo, "mImprimir", QStringLiteral("Im&primir"), QKeySequence("Ctrl+P"));
    m.mArquivo->addSeparator();
    m.mJanela = item(m.mArquivo, "mJanela", QStringLiteral("&Janelas"));
    m.separadorJanelas = m.mArquivo->addSeparator();
    m.separadorJanelas->setVisible(false);
    m.separadorSair = m.mArquivo->addSeparator();
    m.mSair = item(m.mArquivo, "mSair", QStringLiteral("Sai&r"), QKeySequence("Ctrl+Q"));
}

void criarEditar(QMenuBar* barra, MenuPrincipal& m) {
    m.mEditar = submenu(barra, "mEditar", QStringLiteral("&Editar"));
    m.mTexto = item(m.mEditar, "mTexto", QStringLiteral("&Editar em formato texto"),
                    QKeySequence("Ctrl+E"));
    m.mTranspor = item(m.mEditar, "mTranspor", QStringLiteral("&Transpor (mudar tom)"),
                       QKeySequence("Ctrl+T"));
    m.mEditar->addSeparator();
    m.mCapotraste = item(m.mEditar, "mCapotraste", QStringLiteral("&Capotraste..."));
    m.mSoantes = item(m.mEditar, "mSoantes", QStringLiteral("&Nomes dos acordes como soam"));
    m.mSoantes->setCheckable(true);
    m.mPalco = item(m.mEditar, "mPalco", QStringLiteral("&Palco (tela cheia)"), QKeySequence("F11"));
}

void criarAcordes(QMenuBar* barra, MenuPrincipal& m) {
    m.mAcordes = submenu(barra, "mAcordes", QStringLiteral("&Acordes"));
    m.mSelect = item(m.mAcordes, "mSelect", QStringLiteral("&Escolher acorde/digitação"));
    m.mDigitacao = item(m.mAcordes, "mDigitacao", QStringLiteral("&Digitações - atualizar, etc."));
    m.mNomenclatura =
        item(m.mAcordes, "mNomenclatura", QStringLiteral("&Constituição e nomenclatura"));
    m.mOrdem = item(m.mAcordes, "mOrdem", QStringLiteral("&Ordem de apresentação"));
    m.mAcordes->addSeparator();
    m.mGravarTipos = item(m.mAcordes, "mGravarTipos", QStringLiteral("Salvar &tipos atualizados"));
    m.mGravarPosicoes =
        item(m.mAcordes, "mGravarPosicoes", QStringLiteral("Salvar di&gitações atuais"));
    m.mGravarJunto = item(m.mAcordes, "mGravarJunto", QStringLiteral("&Salvar atualizações acima"));
}

void criarOpcoes(QMenuBar* barra, MenuPrincipal& m) {
    m.mOpcoes = submenu(barra, "mOpcoes", QStringLiteral("&Opções"));
    m.mAspecto = item(m.mOpcoes, "mAspecto", QStringLiteral("&Aparência do braço"));
    m.mSom = item(m.mOpcoes, "mSom", QStringLiteral("&Som dos acordes"));
    m.mImpressora = item(m.mOpcoes, "mImpressora", QStringLiteral("&Impressora (config)"));
    m.mTeclasPalco = item(m.mOpcoes, "mTeclasPalco", QStringLiteral("&Teclas do palco..."));
    m.mTeclasPalco->setEnabled(false);  // until the program hands over its window
    m.N6 = m.mOpcoes->addSeparator();
    m.N6->setObjectName(QStringLiteral("N6"));
    m.mPainel = item(m.mOpcoes, "mPainel", QStringLiteral("&Painel de ferramentas"));
    m.mBarras = item(m.mOpcoes, "mBarras", QStringLiteral("&Barras de rolagem"));
    for (QAction* marca : {m.mPainel, m.mBarras}) {
        marca->setCheckable(true);
        marca->setChecked(true);
    }
}

void criarHelp(QMenuBar* barra, MenuPrincipal& m) {
    m.mHelp = submenu(barra, "mHelp", QStringLiteral("&Help"));
    m.mConteudo = item(m.mHelp, "mConteudo", QStringLiteral("&Conteúdo"));
    m.mAssunto = item(m.mHelp, "mAssunto", QStringLiteral("Por &assunto"));
    m.mComoUsar = item(m.mHelp, "mComoUsar", QStringLiteral("Como &usar o Help"));
}

}  // namespace

MenuPrincipal criarMenuPrincipal(QMenuBar* barra) {
    MenuPrincipal m;
    criarDocumento(barra, m);
    criarEditar(barra, m);
    criarAcordes(barra, m);
    criarOpcoes(barra, m);
    criarHelp(barra, m);
    return m;
}

}  // namespace trovale
