#include "render/songbook_songs.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <numeric>

#include "base/accent_folding.h"
#include "base/dialogs.h"
#include "document/chord_type_reading.h"
#include "document/song_file.h"
#include "render/pdf_export.h"

namespace trovale {

namespace {

constexpr int kDpiTela = 96;

// Keeps the loader's message for the list of songs left out.
class MensagemGuardada : public Dialogs {
  public:
    void aviso(const std::string& texto) override {
        if (mensagem.empty()) mensagem = texto;
    }
    Resposta pergunta(int, const std::string&) override { return Resposta::Nao; }
    Resposta confirmarFechamento(const std::string&, const std::string&) override {
        return Resposta::Cancelar;
    }
    std::string mensagem;
};

std::string aparado(const std::string& texto) {
    const std::size_t inicio = texto.find_first_not_of(' ');
    if (inicio == std::string::npos) return {};
    return texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
}

QString chaveDoTitulo(const std::string& titulo) {
    const QByteArray maiusculo = QString::fromStdString(titulo).toUpper().toUtf8();
    return QString::fromStdString(primeiraLetraSemAcento(maiusculo.toStdString()));
}

}  // namespace

std::variant<MusicaDoCaderno, MusicaRecusada> lerMusica(const std::filesystem::path& arquivo,
                                                        const RecursosCaderno& recursos,
                                                        const SongDocument* aberta) {
    auto doc = std::make_unique<SongDocument>();
    if (aberta) {
        *doc = *aberta;
    } else {
        MensagemGuardada dialogs;
        if (!LoadSong(*doc, arquivo, recursos.modeloPadrao, dialogs))
            return MusicaRecusada{arquivo, dialogs.mensagem};
        lerTiposPelasCifras(doc->Chords, recursos.tipos);
    }
    const MetadadosPdf meta = metadadosDaCancao(*doc);
    MusicaDoCaderno musica{arquivo, aparado(meta.titulo), aparado(meta.autor), std::move(doc), {}};
    if (musica.titulo.empty()) musica.titulo = arquivo.stem().string();
    musica.disposta =
        disporSemImpressora(*musica.doc, recursos.tipos, recursos.aparencia, kDpiTela, 0);
    return musica;
}

std::vector<std::size_t> ordemPorTitulo(const std::vector<std::string>& titulos) {
    std::vector<QString> chaves;
    chaves.reserve(titulos.size());
    for (const std::string& t : titulos) chaves.push_back(chaveDoTitulo(t));
    QCollator collator(QLocale(QLocale::Portuguese, QLocale::Brazil));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::size_t> ordem(titulos.size());
    std::iota(ordem.begin(), ordem.end(), std::size_t{0});
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) {
        return collator.compare(chaves[a], chaves[b]) < 0;
    });
    return ordem;
}

}  // namespace trovale
