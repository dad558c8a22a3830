#include "ui/chord_choice/chords_form.h"

#include "ui/dialogs/side_window.h"

#include "ui/chord_choice/button_row.h"

#include <QGuiApplication>
#include <algorithm>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "catalogue/notes.h"
#include "fingering/same_sound.h"
#include "render/qt_chord_name.h"
#include "ui/common/chord_sound.h"
#include "ui/help/help_form.h"

namespace trovale {

namespace {

constexpr double kTamanhoNome = 14;

const char* const kAjudaSelecao =
    "Destaque a digitação e \"selecione\" ou use o duplo \"click\" do \"mouse\".";
const char* const kAjudaEdicao =
    "Use o \"mouse\" e o teclado para mover (\"drag\") ou apagar digitações (Del).";
const char* const kRaizGenerica = "X";

}  // namespace

// ImageCifra: the chord's symbol in the style in force.
class NomeDoAcorde : public QWidget {
  public:
    NomeDoAcorde(TChordsForm& form, QWidget* parent) : QWidget(parent), form_(form) {
        setMinimumHeight(QFontMetrics(fonte()).height() * 2);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    static QFont fonte() {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(kTamanhoNome);
        return f;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        form_.pintarNome(p, rect());
    }

  private:
    TChordsForm& form_;
};

TChordsForm::TChordsForm(const Catalogo& catalogo, const Aparencia& aparencia, Dialogs& dialogs,
                         QWidget* parent)
    : QDialog(parent), catalogo_(catalogo), aparencia_(aparencia), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral(" Digitações do acorde"));
    aoLado_ = new JanelaAoLado(*this);
    aoLado_->posicionar = [this] {
        if (parentWidget()) posicionarAoLado(*parentWidget()->window());
    };
    createControls();
}

void TChordsForm::createControls() {
    auto* principal = new QVBoxLayout(this);
    ImageCifra = new NomeDoAcorde(*this, this);
    principal->addWidget(ImageCifra);

    DrawGrid = new ChordGrid(catalogo_.tipos, aparencia_, this);
    principal->addWidget(DrawGrid, 1);

    LabelHelp = new QLabel(QString::fromUtf8(kAjudaSelecao), this);
    LabelHelp->setWordWrap(true);
    LabelHelp->setAlignment(Qt::AlignCenter);
    // Wrapping labels otherwise widen the window to one long line.
    LabelHelp->setMaximumWidth(DrawGrid->sizeHint().width());
    principal->addWidget(LabelHelp);

    principal->addLayout(linhaDeBotoes(this, BtnOK, QStringLiteral("&Selecionar"), BtnCancel,
                                       QStringLiteral("&Indefinir")));
    principal->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnOK, &QPushButton::clicked, this, &TChordsForm::confirmar);
    connect(DrawGrid, &ChordGrid::exclusaoPedida, this, &TChordsForm::excluirEntrada);
    connect(DrawGrid, &ChordGrid::movimentoPedido, this, &TChordsForm::moverEntrada);
    connect(DrawGrid, &ChordGrid::somPedido, this, [this](int k) {
        if (som_ && k >= 1 && k <= static_cast<int>(lista_.entradas.size()))
            som_->tocar(lista_.entradas[k - 1].digitacao, 0);
    });
    connect(DrawGrid, &ChordGrid::somSolto, this, [this] {
        if (som_) som_->soltar();
    });
    connect(BtnCancel, &QPushButton::clicked, this, &TChordsForm::cancelar);
    connect(DrawGrid, &ChordGrid::ativada, this, [this](int k) {
        if (modo_ == Modo::Escolha && BtnOK->isEnabled()) escolherEntrada(k);
    });
    connect(DrawGrid, &ChordGrid::escape, this, [this] {
        if (escolha_.aoEscape) escolha_.aoEscape();
    });
}

void TChordsForm::mostrarLista(Modo modo) {
    modo_ = modo;
    const bool edicao = modo != Modo::Escolha;
    setWindowTitle(modo == Modo::Transposicoes ? QStringLiteral("Transposições")
                                               : QStringLiteral(" Digitações do acorde"));
    LabelHelp->setText(QString::fromUtf8(edicao ? kAjudaEdicao : kAjudaSelecao));
    DrawGrid->setEditavel(edicao);
    DrawGrid->setLista(&lista_);
    ImageCifra->update();
}

void TChordsForm::mostrarAcorde(const std::string& raiz, int tipo,
                                const std::string& digitacaoAtual, Escolha escolha) {
    escolha_ = std::move(escolha);
    lista_ = montarLista(catalogo_, raiz, tipo, aparencia_.casas());
    mostrarLista(Modo::Escolha);
    preselecionar(digitacaoAtual);
    BtnOK->setText(QStringLiteral("&Selecionar"));
    BtnOK->setEnabled(escolha_.podeEscolher);
    BtnCancel->setText(escolha_.podeEscolher || !escolha_.janelaDeSelecao
                           ? QStringLiteral("&Indefinir")
                           : QStringLiteral("&Fechar"));
    // The caller keeps the keyboard until the user turns to the browser.
    aoLado_->mostrar();
}

void TChordsForm::mostrarParaEditor(const std::string& raiz, int tipo, bool selecionarUltima,
                                    Atualizacao aoAtualizar) {
    escolha_ = {};
    aoAtualizar_ = std::move(aoAtualizar);
    lista_ = montarLista(catalogo_, raiz, tipo, aparencia_.casas());
    mostrarLista(Modo::Editor);
    if (selecionarUltima) DrawGrid->selecionar(DrawGrid->quantidade());
    BtnOK->setText(QStringLiteral("&Atualizar"));
    BtnOK->setEnabled(false);
    BtnCancel->setText(QStringLiteral("&Fechar"));
    aoLado_->mostrar();
}

void TChordsForm::mostrarTransposicoes(ListaDeDigitacoes versoes,
                                       std::function<void(const ListaDeDigitacoes&)> aoCatalogar) {
    escolha_ = {};
    aoCatalogar_ = std::move(aoCatalogar);
    lista_ = std::move(versoes);
    lista_.raiz = kRaizGenerica;
    mostrarLista(Modo::Transposicoes);
    BtnOK->setText(QStringLiteral("&Catalogar"));
    BtnOK->setEnabled(true);
    BtnCancel->setText(QStringLiteral("C&ancelar"));
    hide();
    exec();
}

bool TChordsForm::emVista() const {
    return aoLado_->emVista();
}

bool TChordsForm::atualizacaoPendente() const {
    return isVisible() && modo_ == Modo::Editor && BtnOK->isEnabled();
}

void TChordsForm::pertencerA(QWidget* dono) {
    if (parentWidget() == dono) return;
    hide();
    setParent(dono, windowFlags());
}

void TChordsForm::excluirEntrada(int k) {
    if (modo_ == Modo::Escolha || k < 1 || k > static_cast<int>(lista_.entradas.size())) return;
    lista_.entradas.erase(lista_.entradas.begin() + (k - 1));
    const int selecionada = std::min(k, static_cast<int>(lista_.entradas.size()));
    DrawGrid->setLista(&lista_);
    DrawGrid->selecionar(selecionada);
    if (modo_ == Modo::Editor) BtnOK->setEnabled(true);
}

void TChordsForm::moverEntrada(int de, int para) {
    const int n = static_cast<int>(lista_.entradas.size());
    if (modo_ == Modo::Escolha || de < 1 || de > n || para < 1 || para > n || de == para) return;
    auto& e = lista_.entradas;
    if (de < para)
        std::rotate(e.begin() + (de - 1), e.begin() + de, e.begin() + para);
    else
        std::rotate(e.begin() + (para - 1), e.begin() + (de - 1), e.begin() + de);
    DrawGrid->selecionar(para);
    if (modo_ == Modo::Editor) BtnOK->setEnabled(true);
}

void TChordsForm::confirmar() {
    switch (modo_) {
        case Modo::Escolha:
            if (DrawGrid->selecionada() != 0) escolherEntrada(DrawGrid->selecionada());
            return;
        case Modo::Editor:
            if (aoAtualizar_) aoAtualizar_(lista_, lista_.catalogadas);
            lista_.catalogadas = static_cast<int>(lista_.entradas.size());
            BtnOK->setEnabled(false);
            return;
        case Modo::Transposicoes:
            if (aoCatalogar_) aoCatalogar_(lista_);
            accept();
            return;
    }
}

void TChordsForm::mostrarParaCifra(const std::string& raiz, int tipo,
                                   const std::string& digitacaoAtual,
                                   std::function<std::optional<std::string>()> cifraEmVigor,
                                   std::function<void(const std::string& codigo)> aoEscolher) {
    Escolha e;
    e.cifraEmVigor = std::move(cifraEmVigor);
    e.aoEscolher = [f = std::move(aoEscolher)](const std::string& codigo, const CifraConferida*) {
        if (f) f(codigo);
        return true;
    };
    mostrarAcorde(raiz, tipo, digitacaoAtual, std::move(e));
}

void TChordsForm::preselecionar(const std::string& digitacaoAtual) {
    preselecionada_ = false;
    const auto gravada = digitacaoDoTexto(digitacaoAtual);
    if (!gravada) return;
    const TDigitacao atual = Decodificar(*gravada);
    for (std::size_t i = 0; i < lista_.entradas.size(); ++i) {
        if (soundsTheSame(lista_.entradas[i].digitacao, atual)) {
            DrawGrid->selecionar(static_cast<int>(i) + 1);
            preselecionada_ = true;
            return;
        }
    }
}

void TChordsForm::escolherEntrada(int k) {
    if (k < 0 || k > static_cast<int>(lista_.entradas.size())) return;
    const TDigitacao* digitacao = k > 0 ? &lista_.entradas[k - 1].digitacao : nullptr;
    std::optional<CifraConferida> conferida;
    if (const auto cifra = escolha_.cifraEmVigor ? escolha_.cifraEmVigor() : std::nullopt) {
        PedidoDeConferencia pedido;
        pedido.cifra = *cifra;
        pedido.digitacao = digitacao;
        pedido.oferecerAcerto = escolha_.janelaDeSelecao;
        if (digitacao) {
            const std::string baixo = DrawGrid->baixoSelecionado();
            pedido.baixoDaDigitacao = !baixo.empty() ? baixo.substr(1)
                                      : escolha_.janelaDeSelecao ? lista_.raiz
                                                                 : std::string();
        }
        // Without a fingering only a window that chooses the type may take a new one.
        if (escolha_.soDigitacao || (!digitacao && !escolha_.janelaDeSelecao))
            pedido.raizETipoFixos = std::make_pair(lista_.nota, lista_.tipo);
        conferida = conferirCifra(catalogo_.tipos, dialogs_, pedido);
        if (conferida->cifra != *cifra && escolha_.acertarCifra)
            escolha_.acertarCifra(conferida->cifra);
        if (!conferida->aceita) return;
    }
    const std::string codigo =
        digitacao ? codigoDaDigitacao(*digitacao, lista_.nota, lista_.tipoComDigitacoes)
                  : std::string("0");
    if (escolha_.aoEscolher && !escolha_.aoEscolher(codigo, conferida ? &*conferida : nullptr))
        return;
    if (escolha_.janelaDeSelecao) hide();
}

void TChordsForm::cancelar() {
    if (modo_ == Modo::Escolha && BtnCancel->text() == QStringLiteral("&Indefinir"))
        escolherEntrada(0);
    else if (modo_ == Modo::Transposicoes)
        reject();
    else
        hide();
}

void TChordsForm::setCifraOpcional(bool opcional) {
    cifraOpcional_ = opcional;
    ImageCifra->update();
}

void TChordsForm::pintarNome(QPainter& p, const QRect& caixa) {
    if (lista_.raiz.empty() || !catalogo_.tipos.existe(lista_.tipo)) return;
    const TTipoAcorde& tipo = catalogo_.tipos.tipo(lista_.tipo);
    p.setFont(NomeDoAcorde::fonte());
    OpcoesNomeAcorde opcoes;
    if (lista_.raiz == kRaizGenerica) opcoes.prefixo = QStringLiteral("Acorde genérico: ");
    opcoes.caixa = caixa;
    opcoes.centralizar = true;
    opcoes.alinharNoTopo = true;
    opcoes.tamanhoFonte = kTamanhoNome;
    DesenharNomeAcorde(p, cifraOpcional_ ? tipo.CifraOpcional : tipo.CifraPadrao, lista_.raiz,
                       lista_.raiz, opcoes);
}

void TChordsForm::posicionarAoLado(QWidget& vizinha) {
    // A little apart: a window manager may frame either window only after it appears.
    constexpr int kFolga = 8;
    adjustSize();
    QRect v = vizinha.frameGeometry().adjusted(-kFolga, 0, kFolga, 0);
    const QScreen* tela = vizinha.screen() ? vizinha.screen() : QGuiApplication::primaryScreen();
    const QRect area = tela ? tela->availableGeometry() : QRect(v.topLeft(), QSize(4096, 4096));
    const QSize quadro = frameGeometry().size();
    const bool cabeADireita = v.right() + quadro.width() <= area.right();
    const bool cabeAEsquerda = v.left() - quadro.width() >= area.left();
    // With room on neither side the neighbour moves over, so that the two stand side by side
    // and this window covers none of the other's lists and buttons.
    if (!cabeADireita && !cabeAEsquerda && v.width() + quadro.width() <= area.width()) {
        const int esquerda = area.left() + (area.width() - v.width() - quadro.width()) / 2;
        vizinha.move(vizinha.pos() + QPoint(esquerda - v.left(), 0));
        v.moveLeft(esquerda);
    }
    int x = v.right() + 1;
    if (x + quadro.width() > area.right() + 1) x = std::max(area.left(), v.left() - quadro.width());
    // Not yet framed, the window manager may hang its title bar above the point asked for:
    // room for one like the neighbour's is kept below the screen's top.
    const int titulo = frameGeometry() == geometry()
                           ? std::max(0, vizinha.geometry().top() - vizinha.frameGeometry().top())
                           : 0;
    const int topo = area.top() + titulo;
    const int y = std::clamp(v.top(), topo, std::max(topo, area.bottom() + 1 - quadro.height()));
    move(x, y);
}

void TChordsForm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    (modo_ == Modo::Transposicoes ? BtnOK : BtnCancel)->setFocus();
}

void TChordsForm::hideEvent(QHideEvent* evento) {
    QDialog::hideEvent(evento);
    emit ocultada();
}

void TChordsForm::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && !isActiveWindow() && som_) som_->parar();
}

void TChordsForm::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F1 && ajuda_) {
        ajuda_->mostrarPagina(modo_ == Modo::Escolha ? QStringLiteral("escolha_acorde.html")
                                                     : QStringLiteral("digitacoes.html"));
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace trovale
