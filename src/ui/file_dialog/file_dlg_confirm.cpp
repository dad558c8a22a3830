// "&Confirmar": the name typed made a path, then each mode's checks before the window closes.
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <algorithm>
#include <filesystem>

#include "base/dialogs.h"
#include "base/file_saving.h"
#include "ui/file_dialog/file_dlg.h"
#include "ui/file_dialog/file_dlg_helpers.h"

namespace trovale {

namespace {

const char* const kArquivoAberto = "Operação bloqueada: arquivo (já) aberto.";
const char* const kIncompativel = "Arquivo incompatível ou defeituoso.";

}  // namespace

std::optional<QString> TFileDlg::resolverNome() {
    QString nome = Edit->text().trimmed();
    if (nome.isEmpty() || nome.contains(QLatin1Char('*'))) return std::nullopt;
    const QString arquivo = nome.section(QLatin1Char('/'), -1);
    if (arquivo.isEmpty()) return std::nullopt;
    const QStringList extensoes = extensoesDaMascara(mascara_);
    const qsizetype ponto = arquivo.lastIndexOf(QLatin1Char('.'));
    if (ponto < 0) {
        nome += extensoes.value(0);
    } else if (!extensoes.contains(arquivo.mid(ponto), Qt::CaseInsensitive)) {
        aviso(QStringLiteral("Extensão deve ser forçosamente igual a ") +
              entreAspas(extensoes.join(QStringLiteral("\" ou \""))) + QLatin1Char('.'));
        return std::nullopt;
    }
    QString caminho;
    if (nome.startsWith(QLatin1Char('/')))
        caminho = nome;
    else if (nome == QLatin1String("~") || nome.startsWith(QLatin1String("~/")))
        caminho = QDir::homePath() + nome.mid(1);
    else  // "./x" and "../x" too: the folder on show is the one the user sees
        caminho = caminhoDe(nome);
    return QDir::cleanPath(caminho);
}

void TFileDlg::BtnOKClick() {
    mostrarDicas(false);
    if (modo() == Modo::Caderno) {
        if (confirmarCaderno()) accept();
        return;
    }
    const std::optional<QString> caminho = resolverNome();
    if (!caminho) return;
    std::error_code erro;
    const bool existe = std::filesystem::exists(caminhoFs(*caminho), erro);
    if (erro) {
        aviso(texto(kMensagemNaoAberto));
        return;
    }
    indiceAberto_ = -1;
    bool feito = false;
    switch (modo()) {
        case Modo::Abrir:
            feito = confirmarAbrir(*caminho, existe);
            break;
        case Modo::Salvar:
            feito = confirmarSalvar(*caminho);
            break;
        case Modo::Importar:
            feito = confirmarImportar(*caminho);
            break;
        case Modo::Exportar:
            feito = confirmarExportar(*caminho);
            break;
        case Modo::Caderno:  // confirmed above, before any name is read
            break;
    }
    if (!feito) return;
    caminho_ = *caminho;
    accept();
}

bool TFileDlg::confirmarAbrir(const QString& caminho, bool existe) {
    const int indice = operacoes_.indiceAberto ? operacoes_.indiceAberto(caminho) : -1;
    if (indice >= 0) {
        indiceAberto_ = indice;
        aviso(texto(kArquivoAberto));
        return false;
    }
    // Another kind of file (a repertoire) is only read by whoever asked for it.
    if (!mascara_.endsWith(QStringLiteral(".dec"), Qt::CaseInsensitive)) {
        if (lerInicioArquivoRegular(caminhoFs(caminho), 1)) return true;
        aviso(texto(kMensagemNaoAberto));
        return false;
    }
    // A song in the list has been read already; a file listed by its name alone is no song,
    // and the check below says so.
    const QFileInfo info(caminho);
    const bool listado =
        existe && info.absolutePath() == pasta_ &&
        std::any_of(linhas_.begin(), linhas_.end(), [&info](const LinhaOrdenada& l) {
            return l.arquivo.nome == info.fileName() && !l.arquivo.titulo.isEmpty();
        });
    return listado || arquivoDeCancao(caminho);
}

bool TFileDlg::arquivoDeCancao(const QString& caminho) {
    const auto inicio = lerInicioArquivoRegular(caminhoFs(caminho), 16);
    if (!inicio) {
        aviso(texto(kMensagemNaoAberto));
        return false;
    }
    if (!marcaDeCancao(*inicio)) {
        aviso(texto(kIncompativel));
        return false;
    }
    return true;
}

bool TFileDlg::mesmoArquivo(const QString& a, const QString& b) const {
    if (a.isEmpty() || b.isEmpty() || b == QStringLiteral("Sem título")) return false;
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

bool TFileDlg::substituirExistente(const QString& caminho, const QString& mostrado) {
    if (!QFileInfo::exists(caminho)) return true;
    return dialogs_.pergunta(5, mostrado.toStdString()) == Resposta::Sim;
}

bool TFileDlg::confirmarSalvar(const QString& caminho) {
    const QString ativo = operacoes_.arquivoAtivo ? operacoes_.arquivoAtivo() : QString();
    if (!mesmoArquivo(caminho, ativo)) {
        const int indice = operacoes_.indiceAberto ? operacoes_.indiceAberto(caminho) : -1;
        if (indice >= 0) {
            indiceAberto_ = indice;
            aviso(texto(kArquivoAberto));
            return false;
        }
        if (!substituirExistente(caminho, caminho)) return false;
    }
    if (!operacoes_.salvarAtivo) {
        aviso(texto(kMensagemArquivoImproprio));
        return false;
    }
    return operacoes_.salvarAtivo(caminho);
}

bool TFileDlg::confirmarImportar(const QString& caminho) {
    if (!lerInicioArquivoRegular(caminhoFs(caminho), 1) || !operacoes_.importar) {
        aviso(texto(kMensagemNaoAberto));
        return false;
    }
    return operacoes_.importar(caminho);
}

bool TFileDlg::confirmarExportar(const QString& caminho) {
    if (!substituirExistente(caminho, caminho)) return false;
    if (!operacoes_.exportar) {
        aviso(texto(kMensagemArquivoImproprio));
        return false;
    }
    return operacoes_.exportar(caminho);
}

// The songs of a book: what was noted, else the rows selected, else the name typed.
bool TFileDlg::confirmarCaderno() {
    escolhidos_ = anotados_;
    if (escolhidos_.isEmpty())
        for (const QString& nome : nomesSelecionados()) escolhidos_ << caminhoDe(nome);
    if (escolhidos_.isEmpty()) {
        const std::optional<QString> caminho = resolverNome();
        if (!caminho) return false;
        if (!arquivoDeCancao(*caminho)) return false;
        escolhidos_ << *caminho;
    }
    return true;
}

}  // namespace trovale
