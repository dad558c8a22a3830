// trovale-cli under bad input and faults: nothing aborts, nothing the user had is lost, and
// every failure is an exit status and a message that names the file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "catalogue_folder.h"
#include "cli_process.h"

namespace trovale::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(__FILE__).parent_path().parent_path() / "document" / "golden";

const std::string kNaoAberto = "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso.";
const std::string kNaoCriado =
    "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido contra "
    "gravação).";
const std::string kFalha = "Dispositivo defeituoso ou com espaço insuficiente.";

std::string lerBytes(const fs::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

// The drawing commands' toolkit may warn first about its own run-time folder.
std::string ultimaLinha(const std::string& erros) {
    const std::size_t inicio = erros.rfind('\n', erros.size() < 2 ? 0 : erros.size() - 2);
    return inicio == std::string::npos ? erros : erros.substr(inicio + 1);
}

int modo(const fs::path& caminho) {
    struct stat st {};
    ::stat(caminho.c_str(), &st);
    return static_cast<int>(st.st_mode & 07777);
}

// A song with a chord line, as a text file.
const std::string kCancao = linhasCrLf({"Sol", "Autor", "Am      C", "Letra da cancao"});

class FileFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        pasta.gravar("ACORDES.TIP", tiposExemplo());
        pasta.gravar("POSICOES.DIG", digitacoesExemplo());
        texto = pasta.gravar("cancao.txt", kCancao).string();
    }
    ResultadoCli executar(std::vector<std::string> argumentos, const CondicoesCli& c = {},
                          const fs::path& programa = TROVALE_CLI_PATH) {
        argumentos.insert(argumentos.begin(), {"--dir", pasta.texto()});
        return executarCli(argumentos, {}, c, programa);
    }
    static CondicoesCli condicoes(fs::path saidaPadrao, bool usuarioComum, long limiteArquivo) {
        CondicoesCli c;
        c.saidaPadrao = std::move(saidaPadrao);
        c.usuarioComum = usuarioComum;
        c.limiteArquivo = limiteArquivo;
        return c;
    }
    std::string em(const std::string& nome) const { return (pasta.caminho() / nome).string(); }
    // Lets the ordinary user write into the folder; the files in it stay root's.
    void entregarPasta() const {
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(pasta.texto().c_str(), 65534, 65534), 0);
        }
    }

    PastaTemporaria pasta;
    std::string texto;
};

TEST_F(FileFaults, InputsThatAreNoRegularFileOrTooLargeAreRefused) {
    fs::create_directory(em("d.txt"));
    ASSERT_EQ(::mkfifo(em("fila.dec").c_str(), 0644), 0);
    for (const char* nome : {"grande.dec", "grande.txt"}) {
        std::ofstream(em(nome), std::ios::binary) << "x";
        fs::resize_file(em(nome), (std::uintmax_t{16} << 20) + 1);
    }
    const struct {
        std::vector<std::string> argumentos;
        std::string arquivo;
        int status;
    } casos[] = {
        {{"interpret", em("d.txt")}, em("d.txt"), 2},
        {{"convert", em("d.txt"), em("x.dec")}, em("d.txt"), 2},
        {{"show", "/dev/zero"}, "/dev/zero", 1},
        {{"show", em("fila.dec")}, em("fila.dec"), 1},
        {{"show", em("grande.dec")}, em("grande.dec"), 1},
        {{"interpret", em("grande.txt")}, em("grande.txt"), 2},
    };
    for (const auto& c : casos) {
        const ResultadoCli r = executar(c.argumentos);
        EXPECT_EQ(r.status, c.status) << c.arquivo;
        // A file too large is named so, with the limit.
        const bool grande = c.arquivo.find("grande.") != std::string::npos;
        EXPECT_EQ(r.erros, c.arquivo + ": " +
                               (grande ? "Arquivo grande demais: tem 17 MB, e o limite é de 16 MB."
                                       : kNaoAberto) +
                               "\n");
    }
    EXPECT_FALSE(fs::exists(em("x.dec")));
}

TEST_F(FileFaults, FolderInPlaceOfASettingsOrCatalogueFile) {
    fs::create_directory(em("MODELO.INI"));
    const ResultadoCli show = executar({"show", (kGolden / "asa_branca_v1.dec").string()});
    EXPECT_EQ(show.status, 0);
    EXPECT_EQ(show.erros, "");
    // A vouched-for new type file that is no type file is passed over, as the program does.
    const std::string tipos = executar({"types"}).saida;
    fs::create_directory(em("ACORDES.NEW"));
    pasta.gravar("TERMINOU.NEW", "Yes\r\n");
    EXPECT_EQ(executar({"types"}).saida, tipos);
    pasta.gravar("POSICOES.NEW", "lixo");
    pasta.gravar("CASADA.END", "Yes\r\n");
    EXPECT_EQ(executar({"types"}).saida, tipos);

    fs::remove(em("ACORDES.TIP"));
    fs::create_directory(em("ACORDES.TIP"));
    const ResultadoCli types = executar({"types"});
    EXPECT_EQ(types.status, 1);
    EXPECT_EQ(types.erros,
              "Arquivo ACORDES.TIP não se encontra no diretório apropriado ou está danificado.\n");
}

// Whatever ends its lines, a text converts into a song that loads, its chord line read.
TEST_F(FileFaults, EveryLineEndMakesASongThatLoads) {
    for (const std::string fim : {"\n", "\r", "\r\n", "\r\r\n"}) {
        const std::string bytes = "Sol" + fim + "Autor" + fim + "Am      C" + fim + "Letra" + fim;
        const auto entrada = pasta.gravar("fins.txt", bytes);
        ASSERT_EQ(executar({"convert", entrada.string(), em("fins.dec")}).status, 0);
        const ResultadoCli show = executar({"show", "--json", em("fins.dec")});
        EXPECT_EQ(show.status, 0) << show.erros;
        const ResultadoCli r = executar({"interpret", "--json", entrada.string()});
        EXPECT_NE(r.saida.find(R"({"kind":0,"chordLine":true,"text":"Am      C"})"),
                  std::string::npos)
            << r.saida;
        EXPECT_NE(r.saida.find(R"("text":"Letra")"), std::string::npos) << r.saida;
    }
}

TEST_F(FileFaults, Utf16TextsWithTheirMarkAreDecoded) {
    const std::u16string linhas = u"Canção\r\nAm      C\r\nLetra\r\n";
    for (const bool little : {true, false}) {
        std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
        for (const char16_t c : linhas) {
            const char alto = static_cast<char>(c >> 8), baixo = static_cast<char>(c & 0xFF);
            bytes += little ? std::string{baixo, alto} : std::string{alto, baixo};
        }
        const auto entrada = pasta.gravar("utf16.txt", bytes);
        const ResultadoCli r = executar({"interpret", "--json", entrada.string()});
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.saida.find(R"({"kind":-2,"chordLine":false,"text":"Canção"})"),
                  std::string::npos)
            << r.saida;
        EXPECT_NE(r.saida.find(R"("chordLine":true,"text":"Am      C")"), std::string::npos)
            << r.saida;
    }
}

TEST_F(FileFaults, ProtectedTargetsAreRefusedAndStayAsTheyWere) {
    entregarPasta();
    // The ordinary user may not reach the build folder: the program and the song come along.
    const fs::path programa = pasta.caminho() / "trovale-cli";
    fs::copy_file(TROVALE_CLI_PATH, programa);
#ifdef TROVALE_CLI_DESENHO_PATH  // the drawing commands run there
    fs::copy_file(TROVALE_CLI_DESENHO_PATH, pasta.caminho() / "trovale-cli-desenho");
#endif
    const std::string song = em("asa_branca_v1.dec");
    fs::copy_file(kGolden / "asa_branca_v1.dec", song);
    const struct {
        std::vector<std::string> argumentos;
        std::string alvo;
    } casos[] = {
        {{"convert", texto, em("ro.dec")}, em("ro.dec")},
        {{"convert", song, em("ro.txt")}, em("ro.txt")},
        {{"diagram", "x32010", em("ro.png")}, em("ro.png")},
        {{"name", "Am", em("ro.png")}, em("ro.png")},
    };
    for (const auto& c : casos) {
        pasta.gravar(fs::path(c.alvo).filename(), "antigo");
        fs::permissions(c.alvo, fs::perms(0444));
        const ResultadoCli r = executar(c.argumentos, condicoes({}, true, -1), programa);
        EXPECT_EQ(r.status, 1) << c.alvo;
        EXPECT_EQ(ultimaLinha(r.erros), c.alvo + ": " + kNaoCriado + "\n");
        EXPECT_EQ(lerBytes(c.alvo), "antigo");
        EXPECT_EQ(modo(c.alvo), 0444);
    }
}

TEST_F(FileFaults, AReplacedFileKeepsItsModeItsLinkAndItsNeighbours) {
    pasta.gravar("o.dec", "antigo");
    fs::permissions(em("o.dec"), fs::perms(0640));
    pasta.gravar("o.dec.tmp", "notas");
    pasta.gravar("real/alvo.png", "antigo");
    fs::create_symlink(fs::path("real") / "alvo.png", em("link.png"));
    ASSERT_EQ(executar({"convert", texto, em("o.dec")}).status, 0);
    ASSERT_EQ(executar({"diagram", "x32010", em("link.png")}).status, 0);
    EXPECT_EQ(modo(em("o.dec")), 0640);
    EXPECT_EQ(lerBytes(em("o.dec")).substr(0, 13), "Trovale 01.00");
    EXPECT_EQ(lerBytes(em("o.dec.tmp")), "notas");
    EXPECT_TRUE(fs::is_symlink(em("link.png")));
    EXPECT_EQ(lerBytes(em("real/alvo.png")).substr(1, 3), "PNG");
    EXPECT_EQ(pasta.nomes(), (std::vector<std::string>{"ACORDES.TIP", "POSICOES.DIG", "cancao.txt",
                                                       "link.png", "o.dec", "o.dec.tmp", "real"}));
}

// A disk that fills up at the 100th byte: the old file stays whole, nothing is left beside it.
TEST_F(FileFaults, AFullDiskKeepsEveryKindOfFile) {
    const std::string song = (kGolden / "asa_branca_v1.dec").string();
    const std::string antigo(5000, 'a');
    const struct {
        std::vector<std::string> argumentos;
        std::string alvo;
    } casos[] = {
        {{"convert", texto, em("cheio.dec")}, em("cheio.dec")},
        {{"convert", song, em("cheio.txt")}, em("cheio.txt")},
        {{"diagram", "x32010", em("cheio.png")}, em("cheio.png")},
        {{"name", "Am", em("cheio.png")}, em("cheio.png")},
    };
    for (const auto& c : casos) {
        pasta.gravar(fs::path(c.alvo).filename(), antigo);
        const auto antes = pasta.nomes();
        const ResultadoCli r = executar(c.argumentos, condicoes({}, false, 100));
        EXPECT_EQ(r.status, 1) << c.alvo;
        EXPECT_EQ(ultimaLinha(r.erros), c.alvo + ": " + kFalha + "\n");
        EXPECT_EQ(lerBytes(c.alvo), antigo);
        EXPECT_EQ(pasta.nomes(), antes);
    }
    // A device is no picture file: refused before anything is drawn.
    const ResultadoCli r = executar({"diagram", "x32010", "/dev/full"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(ultimaLinha(r.erros),
              "/dev/full: a saída deve ser um arquivo .png; nada foi gravado.\n");
}

TEST_F(FileFaults, AFailedStandardOutputIsAFailure) {
    const std::string song = (kGolden / "asa_branca_v1.dec").string();
    const std::vector<std::vector<std::string>> comandos = {{"types"},
                                                            {"chord", "C7"},
                                                            {"fingerings", "C", "1"},
                                                            {"identify", "x32010"},
                                                            {"interpret", texto},
                                                            {"show", song},
                                                            {"types", "--json"},
                                                            {"--help"}};
    for (const auto& argumentos : comandos) {
        const ResultadoCli r = executar(argumentos, condicoes("/dev/full", false, -1));
        EXPECT_EQ(r.status, 1) << argumentos[0];
        EXPECT_EQ(r.erros,
                  "trovale-cli: saída padrão: Dispositivo defeituoso ou com espaço insuficiente.\n")
            << argumentos[0];
    }
}

TEST_F(FileFaults, ASizeMustBeANumber) {
    for (const char* tamanho : {"nan", "-nan", "inf", "NaN"}) {
        const ResultadoCli r = executar({"name", "--size", tamanho, "C", em("n.png")});
        EXPECT_EQ(r.status, 2) << tamanho;
        EXPECT_FALSE(fs::exists(em("n.png"))) << tamanho;
    }
}

// Values no window could have saved: the song is refused, not laid out.
TEST_F(FileFaults, SongsWithImpossibleValuesAreRefused) {
    const std::string original = lerBytes(kGolden / "asa_branca_v1.dec");
    const struct {
        const char* de;
        const char* para;
    } casos[] = {
        {"\r\n30 20 30 25 0\r\n", "\r\n-2147483648 20 30 25 0\r\n"},
        {"\r\n1 160 0 0 0\r\n", "\r\n1 2147483647 0 0 0\r\n"},
        {"\r\n12 0 1 0 Arial\r\n", "\r\n-2147483648 0 1 0 Arial\r\n"},
        {"\r\n20 0 0 0 Arial\r\n", "\r\n101 0 0 0 Arial\r\n"},
    };
    for (const auto& c : casos) {
        std::string bytes = original;
        const std::size_t onde = bytes.find(c.de);
        ASSERT_NE(onde, std::string::npos) << c.de;
        bytes.replace(onde, std::strlen(c.de), c.para);
        const auto arquivo = pasta.gravar("impossivel.dec", bytes);
        const ResultadoCli r = executar({"show", arquivo.string()});
        EXPECT_EQ(r.status, 1) << c.para;
        EXPECT_EQ(r.erros, arquivo.string() + ": Arquivo incompatível ou defeituoso\n");
    }
}

}  // namespace
}  // namespace trovale::testing
