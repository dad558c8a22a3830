#include "ui/help/help_form.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace trovale {

namespace {

const QColor kDestaque(255, 230, 80);

const char* const kEstilo =
    "h1 { font-size: x-large; color: #1d4f2a; }"
    "h2 { font-size: large; color: #1d4f2a; }"
    "pre { background-color: #f4f1e8; }"
    "th { background-color: #e4eadf; text-align: left; }"
    "code { color: #5a2d0c; }";

}  // namespace

THelpForm::THelpForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral(" Trovale - Ajuda"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);
    donoOriginal_ = parent;
    createControls();
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 110, metrics.lineSpacing() * 34);
}

void THelpForm::createControls() {
    auto* labelProcura = new QLabel(QStringLiteral("&Procurar:"), this);
    editProcura_ = new QLineEdit(this);
    editProcura_->setObjectName(QStringLiteral("EditProcura"));
    editProcura_->setPlaceholderText(QStringLiteral("palavras do assunto"));
    editProcura_->setClearButtonEnabled(true);
    labelProcura->setBuddy(editProcura_);
    labelLista_ = new QLabel(this);
    labelLista_->setObjectName(QStringLiteral("LabelLista"));
    listaPaginas_ = new QListWidget(this);
    listaPaginas_->setObjectName(QStringLiteral("ListaPaginas"));

    auto* left = new QWidget(this);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addWidget(labelProcura);
    leftColumn->addWidget(editProcura_);
    leftColumn->addWidget(labelLista_);
    leftColumn->addWidget(listaPaginas_);

    texto_ = new QTextBrowser(this);
    texto_->setObjectName(QStringLiteral("Texto"));
    texto_->document()->setDefaultStyleSheet(QString::fromUtf8(kEstilo));
    texto_->setOpenExternalLinks(false);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(texto_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({QFontMetrics(font()).averageCharWidth() * 30, 1});

    auto* btnVoltar = new QPushButton(QStringLiteral("&Voltar"), this);
    btnVoltar->setObjectName(QStringLiteral("BtnVoltar"));
    auto* btnAvancar = new QPushButton(QStringLiteral("&Avançar"), this);
    btnAvancar->setObjectName(QStringLiteral("BtnAvancar"));
    auto* btnConteudo = new QPushButton(QStringLiteral("&Conteúdo"), this);
    btnConteudo->setObjectName(QStringLiteral("BtnConteudo"));
    auto* btnFechar = new QPushButton(QStringLiteral("&Fechar"), this);
    btnFechar->setObjectName(QStringLiteral("BtnFechar"));
    for (QPushButton* button : {btnVoltar, btnAvancar, btnConteudo, btnFechar})
        button->setAutoDefault(false);
    btnVoltar->setEnabled(false);
    btnAvancar->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnVoltar);
    buttons->addWidget(btnAvancar);
    buttons->addWidget(btnConteudo);
    buttons->addStretch();
    buttons->addWidget(btnFechar);
    auto* column = new QVBoxLayout(this);
    column->addWidget(splitter, 1);
    column->addLayout(buttons);

    connect(btnVoltar, &QPushButton::clicked, texto_, &QTextBrowser::backward);
    connect(btnAvancar, &QPushButton::clicked, texto_, &QTextBrowser::forward);
    connect(texto_, &QTextBrowser::backwardAvailable, btnVoltar, &QPushButton::setEnabled);
    connect(texto_, &QTextBrowser::forwardAvailable, btnAvancar, &QPushButton::setEnabled);
    connect(btnConteudo, &QPushButton::clicked, this,
            [this] { mostrarPagina(HelpLibrary::kConteudo); });
    connect(btnFechar, &QPushButton::clicked, this, &QWidget::close);
    connect(texto_, &QTextBrowser::sourceChanged, this, [this] { highlightWords(); });
    connect(editProcura_, &QLineEdit::textChanged, this, &THelpForm::search);
    connect(editProcura_, &QLineEdit::returnPressed, this, &THelpForm::openFirstFound);
    connect(listaPaginas_, &QListWidget::itemActivated, this, &THelpForm::openItem);
    connect(listaPaginas_, &QListWidget::itemClicked, this, &THelpForm::openItem);

    search({});
}

void THelpForm::mostrarConteudo() {
    mostrarPagina(HelpLibrary::kConteudo);
    listaPaginas_->setFocus();
}

void THelpForm::mostrarAssunto() {
    mostrarPagina(HelpLibrary::kConteudo);
    editProcura_->selectAll();
    editProcura_->setFocus();
}

void THelpForm::mostrarComoUsar() {
    mostrarPagina(QStringLiteral("como_usar.html"));
    texto_->setFocus();
}

void THelpForm::mostrarPagina(const QString& arquivo) {
    const QString target = library_.indexOf(arquivo) >= 0 ? arquivo : HelpLibrary::kConteudo;
    const QUrl url(library_.urlOf(target));
    if (texto_->source() == url)
        highlightWords();
    else
        texto_->setSource(url);
    bringUp();
}

QString THelpForm::paginaAtual() const {
    return texto_->source().fileName();
}

void THelpForm::bringUp() {
    QWidget* modal = QApplication::activeModalWidget();
    acompanhar(modal && modal != this ? modal : donoOriginal_.data());
    if (isMinimized()) showNormal();
    aEnquadrar_ = !isVisible();
    show();
    raise();
    activateWindow();
}

// A busy window manager may stack a new window before it reads whose window it is: raised
// again once it is framed.
void THelpForm::moveEvent(QMoveEvent* evento) {
    QDialog::moveEvent(evento);
    if (!aEnquadrar_ || frameGeometry() == geometry()) return;
    aEnquadrar_ = false;
    raise();
    activateWindow();
}

void THelpForm::acompanhar(QWidget* dono) {
    if (parentWidget() == dono) return;
    if (janelaQueEspera_) janelaQueEspera_->removeEventFilter(this);
    janelaQueEspera_ = dono != donoOriginal_ ? dono : nullptr;
    if (janelaQueEspera_) janelaQueEspera_->installEventFilter(this);
    const QRect lugar = geometry();
    const bool visivel = isVisible();
    // Over a window that keeps the program waiting the help stays on top: a window manager
    // may otherwise map it under that window, where nothing of it can be reached.
    Qt::WindowFlags bandeiras = windowFlags();
    bandeiras.setFlag(Qt::WindowStaysOnTopHint, janelaQueEspera_ != nullptr);
    setParent(dono, bandeiras);  // a new parent hides the window
    setGeometry(lugar);
    if (visivel) show();
}

bool THelpForm::eventFilter(QObject* objeto, QEvent* evento) {
    // Only once the window has really closed: some are hidden a moment to be placed again.
    if (objeto == janelaQueEspera_ && evento->type() == QEvent::Hide)
        QTimer::singleShot(0, this, [this] {
            if (!janelaQueEspera_ || !janelaQueEspera_->isVisible())
                acompanhar(donoOriginal_.data());
        });
    return QDialog::eventFilter(objeto, evento);
}

void THelpForm::listPages(const QList<int>& pages, const QString& header) {
    labelLista_->setText(header);
    listaPaginas_->clear();
    for (const int page : pages) {
        auto* item = new QListWidgetItem(library_.pages()[page].titulo, listaPaginas_);
        item->setData(Qt::UserRole, library_.pages()[page].arquivo);
    }
    if (listaPaginas_->count() > 0) listaPaginas_->setCurrentRow(0);
}

// The list follows the words as they are typed; the page on show lights them up.
void THelpForm::search(const QString& query) {
    if (HelpLibrary::words(query).isEmpty()) {
        QList<int> all;
        for (int page = 0; page < library_.pages().size(); ++page) all.append(page);
        listPages(all, QStringLiteral("Conteúdo:"));
    } else {
        const QList<int> found = library_.search(query);
        listPages(found, found.isEmpty() ? QStringLiteral("Nenhuma página contém estas palavras.")
                                         : QStringLiteral("Páginas encontradas:"));
    }
    highlightWords();
}

void THelpForm::openFirstFound() {
    if (listaPaginas_->count() > 0) openItem(listaPaginas_->item(0));
}

void THelpForm::openItem(QListWidgetItem* item) {
    if (item) mostrarPagina(item->data(Qt::UserRole).toString());
}

void THelpForm::highlightWords() {
    QList<QTextEdit::ExtraSelection> marks;
    QTextCursor first;
    for (const QString& word : HelpLibrary::words(editProcura_->text())) {
        const QRegularExpression pattern = HelpLibrary::wordPattern(word);
        QTextCursor found = texto_->document()->find(pattern);
        while (!found.isNull()) {
            if (first.isNull() || found.selectionStart() < first.selectionStart()) first = found;
            QTextEdit::ExtraSelection mark;
            mark.cursor = found;
            mark.format.setBackground(kDestaque);
            marks.append(mark);
            found = texto_->document()->find(pattern, found);
        }
    }
    texto_->setExtraSelections(marks);
    if (!first.isNull()) {
        // The first occurrence goes near the top of the view, with some text above it.
        QTextCursor at(first);
        at.clearSelection();
        texto_->setTextCursor(at);
        QScrollBar* bar = texto_->verticalScrollBar();
        bar->setValue(bar->value() + texto_->cursorRect(at).top() -
                      texto_->viewport()->height() / 4);
    }
}

}  // namespace trovale
