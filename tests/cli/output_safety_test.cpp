// trovale-cli never writes over what it reads, never takes a mistyped number for zero, and
// answers a script in Portuguese with a status it can act on.
#include <gtest/gtest.h>

#include "catalogue_folder.h"
#include "cli_process.h"
#include "command_fixture.h"

namespace trovale::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kFontes = fs::path(__FILE__).parent_path().parent_path().parent_path();
const fs::path kMusica = kFontes / "data" / "songs" / "Peixe vivo.dec";
const std::string kUse = "Use --help para ver os comandos e suas opções.\n";

class SaidaSegura : public ::testing::Test {
  protected:
    void SetUp() override {
        pasta.gravar("ACORDES.TIP", tiposExemplo());
        pasta.gravar("POSICOES.DIG", digitacoesExemplo());
        for (const char* nome : {"a.dec", "b.dec"}) {
            const fs::path copia = pasta.caminho() / "musicas" / nome;
            fs::create_directories(copia.parent_path());
            fs::copy_file(kMusica, copia);
        }
        fs::create_symlink(musica("a.dec"), musica("apelido.dec"));
        pasta.gravar("livro.pdf", "%PDF antigo");
    }
    fs::path musica(const char* nome) const { return pasta.caminho() / "musicas" / nome; }
    ResultadoCli executar(std::vector<std::string> argumentos, const CondicoesCli& c = {}) {
        argumentos.insert(argumentos.begin(), {"--dir", pasta.texto()});
        return executarCli(argumentos, {}, c);
    }
    PastaTemporaria pasta;
};

TEST_F(SaidaSegura, AnOutputIsNeverOneOfTheInputsNorOfAnotherKind) {
    const std::string a = musica("a.dec").string(), b = musica("b.dec").string();
    const std::string apelido = musica("apelido.dec").string();
    const std::string livro = (pasta.caminho() / "livro.pdf").string();
    const std::string outroFormato = ": a saída deve ser um arquivo ";
    const std::string lido =
        ": é também um dos arquivos lidos por este comando; nada foi gravado.\n";
    const struct {
        std::vector<std::string> argumentos;
        std::string erros;
        bool precisaDesenho;
    } casos[] = {
        // The output forgotten: the glob's first song would have become the book.
        {{"songbook", a, b}, a + outroFormato + ".pdf; nada foi gravado.\n", true},
        {{"songbook", "--keep-order", apelido, a, b},
         apelido + outroFormato + ".pdf; nada foi gravado.\n",
         true},
        {{"songbook", livro, a, livro}, livro + lido, true},
        {{"render", a, b}, b + outroFormato + ".png; nada foi gravado.\n", true},
        {{"diagram", "x32010", b}, b + outroFormato + ".png; nada foi gravado.\n", true},
        {{"name", "C7", b}, b + outroFormato + ".png; nada foi gravado.\n", true},
        {{"play", "--wav", b, "x02210"}, b + outroFormato + ".wav; nada foi gravado.\n", false},
        {{"transpose", "--by", "2", a, apelido}, apelido + lido, false},
        {{"transpose", "--by", "2", a, "x.txt"},
         "x.txt" + outroFormato + ".dec; nada foi gravado.\n",
         false},
        {{"convert", a, apelido}, apelido + lido, false},
        {{"convert", apelido, a}, a + lido, false},
    };
    const std::string antes = lerBytes(kMusica);
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.argumentos));
#ifndef TROVALE_CLI_DESENHO_PATH
        if (c.precisaDesenho) continue;
#endif
        const ResultadoCli r = executar(c.argumentos);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.erros, c.erros);
        EXPECT_EQ(lerBytes(musica("a.dec")), antes);
        EXPECT_EQ(lerBytes(musica("b.dec")), antes);
        EXPECT_TRUE(fs::is_symlink(musica("apelido.dec")));
        EXPECT_EQ(lerBytes(livro), "%PDF antigo");
    }
}

TEST_F(SaidaSegura, AnOutputOfTheRightKindIsWritten) {
    const ResultadoCli r = executar({"transpose", "--by", "2", musica("a.dec").string(),
                                     (pasta.caminho() / "Novo.DEC").string()});
    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_TRUE(fs::exists(pasta.caminho() / "Novo.DEC"));
}

TEST_F(SaidaSegura, NumbersAreWrittenInFullAndInRange) {
    const std::string a = musica("a.dec").string();
    const std::string saida = (pasta.caminho() / "t.dec").string();
    const struct {
        std::vector<std::string> argumentos;
        std::string recusa;
        bool precisaDesenho;
    } casos[] = {
        {{"transpose", "--by", "", a, saida},
         "--by: \"\" não vale: use um número inteiro de -11 a 11.",
         false},
        {{"transpose", "--by", "2x", a, saida},
         "--by: \"2x\" não vale: use um número inteiro de -11 a 11.",
         false},
        {{"transpose", "--by", "12", a, saida},
         "--by: \"12\" não vale: use um número inteiro de -11 a 11.",
         false},
        {{"transpose", "--by", " 3", a, saida},
         "--by: \" 3\" não vale: use um número inteiro de -11 a 11.",
         false},
        {{"interpret", "--casas", "6", a}, "--casas: \"6\" não vale: use 4 ou 5.", false},
        {{"render", "--dpi", "", a, "s.png"},
         "--dpi: \"\" não vale: use um número inteiro de 24 a 600.",
         true},
        {{"render", "--dpi", "0", a, "s.png"},
         "--dpi: \"0\" não vale: use um número inteiro de 24 a 600.",
         true},
        {{"layout", "--width", "largo", a},
         "--width: \"largo\" não vale: use um número inteiro de 0 a 100000.",
         true},
        {{"name", "--size", "nan", "C", "n.png"},
         "--size: \"nan\" não vale: use um número de 4 a 400.",
         true},
        {{"name", "--size", "", "C", "n.png"},
         "--size: \"\" não vale: use um número de 4 a 400.",
         true},
        {{"diagram", "--fret-rows", "", "x32010", "d.png"},
         "--fret-rows: \"\" não vale: use 4 ou 5.",
         true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.argumentos));
#ifndef TROVALE_CLI_DESENHO_PATH
        if (c.precisaDesenho) continue;
#endif
        const ResultadoCli r = executar(c.argumentos);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.erros, "trovale-cli: " + c.recusa + "\n" + kUse);
        EXPECT_FALSE(fs::exists(saida));
    }
}

TEST_F(SaidaSegura, UsageMistakesAreToldInPortuguese) {
    const std::string a = musica("a.dec").string();
    const struct {
        std::vector<std::string> argumentos;
        std::string mensagem;
    } casos[] = {
        {{}, "falta o subcomando."},
        {{"transpose", a, "t.dec"}, "falta --by ou --capo."},
        {{"convert", a}, "falta SAIDA."},
        {{"types", "demais"}, "argumento não esperado: demais."},
        {{"types", "um", "dois"}, "argumentos não esperados: um dois."},
        {{"transpose", a, "t.dec", "--by"}, "--by: falta o valor."},
        {{"types", "--json=sim"}, "--json: \"sim\" não vale."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.argumentos));
        const ResultadoCli r = executar(c.argumentos);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.erros, "trovale-cli: " + c.mensagem + "\n" + kUse);
    }
}

TEST_F(SaidaSegura, TheSizeLimitIsNamed) {
    const fs::path saida = pasta.caminho() / "x.dec";
    const struct {
        const char* nome;
        const char* comando;
        int status;
    } casos[] = {
        {"grande.dec", "show", 1}, {"grande.cho", "convert", 2}, {"grande.txt", "convert", 2}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        const fs::path grande = pasta.gravar(c.nome, "x");
        fs::resize_file(grande, (std::uintmax_t{50} << 20) + 1);
        std::vector<std::string> argumentos = {c.comando, grande.string()};
        if (std::string(c.comando) == "convert") argumentos.push_back(saida.string());
        const ResultadoCli r = executar(argumentos);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.erros,
                  grande.string() + ": Arquivo grande demais: tem 51 MB, e o limite é de 16 MB.\n");
        EXPECT_FALSE(fs::exists(saida));
    }
}

TEST_F(SaidaSegura, AFullDiskIsToldAlikeForEveryExport) {
    CondicoesCli cheio;
    cheio.limiteArquivo = 64;
    for (const char* nome : {"x.cho", "x.txt", "x.dec"}) {
        SCOPED_TRACE(nome);
        const fs::path saida = pasta.caminho() / nome;
        const ResultadoCli r =
            executar({"convert", musica("a.dec").string(), saida.string()}, cheio);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.erros,
                  saida.string() + ": Dispositivo defeituoso ou com espaço insuficiente.\n");
        EXPECT_FALSE(fs::exists(saida));
    }
}

TEST_F(SaidaSegura, APageListAsksAtMostTenTimesTheSong) {
    std::string muitas = "1";
    for (int i = 1; i < 101; ++i) muitas += ",1";
    const fs::path pdf = pasta.caminho() / "x.pdf";
    const ResultadoCli recusada =
        executar({"convert", musica("a.dec").string(), pdf.string(), "--pages", muitas});
    EXPECT_EQ(recusada.status, 2);
    EXPECT_EQ(recusada.erros, "A lista pede páginas demais (101); o máximo é 100.\n");
    EXPECT_FALSE(fs::exists(pdf));
    muitas.resize(muitas.size() - 2);  // exactly 100
    const ResultadoCli aceita =
        executar({"convert", musica("a.dec").string(), pdf.string(), "--pages", muitas});
    EXPECT_EQ(aceita.status, 0) << aceita.erros;
    EXPECT_NE(saidaDoComando("pdfinfo '" + pdf.string() + "'").find("Pages:           100\n"),
              std::string::npos);
}

#ifdef TROVALE_CLI_DESENHO_PATH
TEST_F(SaidaSegura, ABookWithoutSomeSongsHasAStatusOfItsOwn) {
    const fs::path livro = pasta.caminho() / "livro.pdf";
    const fs::path falta = pasta.caminho() / "falta.dec";
    const ResultadoCli r =
        executar({"songbook", livro.string(), musica("a.dec").string(), falta.string()});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.erros.find(falta.string() + ": "), std::string::npos) << r.erros;
    EXPECT_TRUE(fs::exists(livro));
    const ResultadoCli inteiro = executar({"songbook", livro.string(), musica("a.dec").string()});
    EXPECT_EQ(inteiro.status, 0) << inteiro.erros;
}

TEST_F(SaidaSegura, APictureTooLargeIsRefusedBeforeDrawing) {
    std::string texto = "Longa\r\nAutor\r\n";
    for (int i = 0; i < 400; ++i) texto += "Am\r\nlinha " + std::to_string(i) + "\r\n";
    const fs::path txt = pasta.gravar("longa.txt", texto);
    const fs::path dec = pasta.caminho() / "longa.dec";
    ASSERT_EQ(executar({"convert", txt.string(), dec.string()}).status, 0);
    const fs::path png = pasta.caminho() / "longa.png";
    const ResultadoCli r = executar({"render", "--dpi", "600", dec.string(), png.string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.erros.find(png.string() + ": a folha é grande demais para uma só imagem ("),
              std::string::npos)
        << r.erros;
    EXPECT_TRUE(r.erros.ends_with(" pixels); use --page para uma página só ou um --dpi menor.\n"))
        << r.erros;
    EXPECT_FALSE(fs::exists(png));
    const ResultadoCli pagina =
        executar({"render", "--dpi", "600", "--page", "1", dec.string(), png.string()});
    EXPECT_EQ(pagina.status, 0) << pagina.erros;
}
#endif

}  // namespace
}  // namespace trovale::testing
