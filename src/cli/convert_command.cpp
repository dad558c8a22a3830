#include "cli/convert_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/option_checks.h"
#include "cli/output_checks.h"
#include "cli/song_loading.h"
#include "cli/terminal_dialogs.h"
#include "cli/text_conversion.h"
#include "cli/text_song.h"
#include "document/capo.h"
#include "document/song_file.h"

namespace trovale::cli {

namespace {

// Load and save: the file comes out in the lowest version that holds the song.
int converterCancao(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                    const Ambiente& ambiente) {
    auto carregada = carregarCancao(entrada, ambiente);
    if (!carregada) return kSaidaCatalogo;
    AvisosNoTerminal dialogs(ambiente.erros, saida);
    SongDocument& cancao = carregada->cancao;
    const bool vazia = cancao.Lines.empty();
    // An empty song is not written (SaveSong says so); a script must not take that for success.
    if (SaveSong(cancao, saida, dialogs) != 0 || vazia) return kSaidaCatalogo;
    return kSaidaOk;
}

// A song file on one side; a song file, a text or a ChordPro file on the other.
bool suportada(const std::filesystem::path& entrada, const std::filesystem::path& saida) {
    const auto texto = [](const std::filesystem::path& arquivo) {
        return extensaoMinuscula(arquivo) == ".txt" || ehArquivoChordPro(arquivo);
    };
    const bool de = extensaoMinuscula(entrada) == ".dec", para = extensaoMinuscula(saida) == ".dec";
    return (de && (para || texto(saida))) || (para && texto(entrada));
}

}  // namespace

Comando registrarConvert(CLI::App& app, ConversorPdf conversorPdf) {
    struct Opcoes {
        std::string entrada;
        std::string saida;
        std::string paginas;
        std::optional<int> capo;
    };
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand(
        "convert",
        "Converte uma música entre .dec e .txt, entre .dec e ChordPro (.cho, .crd, .chopro, "
        ".chordpro, .pro), ou de .dec, .txt ou ChordPro para .pdf, conforme as extensões.");
    sub->add_option("ENTRADA", opcoes->entrada, "Arquivo lido (.dec, .txt ou ChordPro)")
        ->required()
        ->type_name("");
    sub->add_option("SAIDA", opcoes->saida, "Arquivo gravado (.dec, .txt, ChordPro ou .pdf)")
        ->required()
        ->type_name("");
    sub->add_option("--pages", opcoes->paginas,
                    "Só estas páginas no PDF, como na janela de impressão (ex: \"1,3  5-8\")")
        ->type_name("LISTA");
    sub->add_option("--capo", opcoes->capo,
                    "Capotraste na casa N (0 a 11; 0 tira o capotraste) na música gravada")
        ->type_name("N")
        ->check(inteiroEntre(0, kMaxCapotraste));
    auto executar = [opcoes, conversorPdf](const Ambiente& geral) {
        Ambiente ambiente = geral;
        ambiente.capotraste = opcoes->capo;
        const std::string de = extensaoMinuscula(opcoes->entrada);
        const std::string para = extensaoMinuscula(opcoes->saida);
        if (saidaEhEntrada(opcoes->saida, {opcoes->entrada}, ambiente.erros))
            return kSaidaArgumento;
        if (conversorPdf && (de == ".dec" || ehCancaoEmTexto(opcoes->entrada)) && para == ".pdf")
            return conversorPdf(opcoes->entrada, opcoes->saida, opcoes->paginas, ambiente);
        if (!opcoes->paginas.empty()) {
            ambiente.erros << "--pages só vale para a conversão em PDF.\n";
            return kSaidaArgumento;
        }
        if (!suportada(opcoes->entrada, opcoes->saida)) {
            ambiente.erros << "Conversão não suportada: de \"" << de << "\" para \"" << para
                           << "\" (use .dec e .txt, .dec e ChordPro (.cho, .crd, .chopro, "
                              ".chordpro, .pro), ou .dec, .txt ou ChordPro para .pdf).\n";
            return kSaidaArgumento;
        }
        if (de == ".dec" && para == ".dec")
            return converterCancao(opcoes->entrada, opcoes->saida, ambiente);
        return converterTexto(opcoes->entrada, opcoes->saida, ambiente);
    };
    return {sub, executar};
}

}  // namespace trovale::cli
