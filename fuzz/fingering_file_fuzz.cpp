// libFuzzer target for POSICOES.DIG against the common test types: any bytes are read without
// a crash or a read out of bounds; every whole record is either kept or counted as rejected,
// and only consistent ones are kept; the index points at the first record of each run of a
// root and type; writing gives the kept records byte for byte as the input held them, which
// read back to the same bank (records and index) with nothing rejected.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/fingering_file.h"
#include "support/type_fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trovale;
    const CatalogoTipos& tipos = testing::catalogoComum();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    static BancoDigitacoes banco;  // lerDigitacoes must empty what the previous input left
    lerDigitacoes(bytes, tipos, banco);
    const std::size_t registros = size / kBytesDigitacaoGravada;
    if (static_cast<std::size_t>(banco.NumDigitacoes() + banco.DigitacoesRejeitadas) != registros)
        std::abort();
    for (const TDigitacaoGravada& g : banco.Digitacoes) {
        if (!registroConsistente(g, tipos)) std::abort();
        if (banco.IndiceDigitacoes[notaGravada(g)][tipoGravado(g)] == 0) std::abort();
    }
    // An index entry points at the start of a run of records of its root and type.
    for (int nota = 0; nota < BancoDigitacoes::kNotasIndice; ++nota) {
        for (int tipo = 0; tipo <= kMaxTipos; ++tipo) {
            const int posicao = banco.IndiceDigitacoes[nota][tipo];
            if (posicao == 0) continue;
            if (posicao > banco.NumDigitacoes()) std::abort();
            const TDigitacaoGravada& g = banco.Digitacoes[posicao - 1];
            if (notaGravada(g) != nota || tipoGravado(g) != tipo) std::abort();
            if (posicao > 1) {
                const TDigitacaoGravada& antes = banco.Digitacoes[posicao - 2];
                if (notaGravada(antes) == nota && tipoGravado(antes) == tipo) std::abort();
            }
        }
    }

    // Inputs stay far below the bank's 10000 records, so every consistent record is kept.
    std::string esperado;
    for (std::size_t i = 0; i < registros; ++i) {
        const std::string_view registro =
            bytes.substr(i * kBytesDigitacaoGravada, kBytesDigitacaoGravada);
        if (registroConsistente(deBytes(data + i * kBytesDigitacaoGravada), tipos))
            esperado += registro;
    }
    const std::string escrito = escreverDigitacoes(banco);
    if (escrito != esperado) std::abort();

    static BancoDigitacoes relido;
    lerDigitacoes(escrito, tipos, relido);
    if (relido.DigitacoesRejeitadas != 0 || relido.Digitacoes != banco.Digitacoes ||
        relido.IndiceDigitacoes != banco.IndiceDigitacoes)
        std::abort();
    return 0;
}
