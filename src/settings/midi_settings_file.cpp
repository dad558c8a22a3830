#include "settings/midi_settings_file.h"

#include <vector>

#include "base/file_system.h"
#include "base/text_codec.h"
#include "settings/settings_file.h"

namespace trovale {

namespace {

constexpr const char* kFimLinha = "\r\n";

std::string paraArquivo(const std::string& texto) {
    const std::string cp1252 = windows1252DeUtf8(texto);
    return utf8DeWindows1252(cp1252) == texto ? cp1252 : texto;
}

std::string doArquivo(std::string_view bytes) {
    return pareceUtf8(bytes) ? std::string(bytes) : utf8DeWindows1252(bytes);
}

}  // namespace

std::string formatarMidi(const ConfiguracaoMidi& configuracao) {
    return paraArquivo(configuracao.dispositivo) + kFimLinha +
           paraArquivo(configuracao.instrumento) + kFimLinha;
}

std::optional<ConfiguracaoMidi> interpretarMidi(std::string_view bytes) {
    const std::vector<std::string> linhas = linhasArquivo(bytes);
    if (linhas.empty()) return std::nullopt;
    ConfiguracaoMidi configuracao;
    configuracao.dispositivo = doArquivo(linhas[0]);
    if (linhas.size() > 1) configuracao.instrumento = doArquivo(linhas[1]);
    return configuracao;
}

std::optional<ConfiguracaoMidi> lerMidi(FileSystem& fs,
                                        const std::filesystem::path& pastaPrograma) {
    const auto bytes = fs.readFile(pastaPrograma / kArquivoMidi, kLimiteConfiguracao);
    if (!bytes) return std::nullopt;
    return interpretarMidi(*bytes);
}

bool gravarMidi(FileSystem& fs, const std::filesystem::path& pastaPrograma,
                const ConfiguracaoMidi& configuracao) {
    return gravarConfiguracao(fs, pastaPrograma / kArquivoMidi, formatarMidi(configuracao));
}

}  // namespace trovale
