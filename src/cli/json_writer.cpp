#include "cli/json_writer.h"

#include <array>
#include <charconv>

namespace trovale::cli {

namespace {

// Big enough that the stream sees few writes, small enough to stay in the cache.
constexpr std::size_t kBloco = 1 << 16;

// The short escapes of JSON; other control characters become \u00XX.
char escapeCurto(unsigned char c) {
    switch (c) {
        case '"':
            return '"';
        case '\\':
            return '\\';
        case '\b':
            return 'b';
        case '\f':
            return 'f';
        case '\n':
            return 'n';
        case '\r':
            return 'r';
        case '\t':
            return 't';
        default:
            return 0;
    }
}

// Bytes written as escapes: control characters, the quote and the backslash.
constexpr std::array<bool, 256> kEscapar = [] {
    std::array<bool, 256> escapar{};
    for (int c = 0; c < 0x20; ++c) escapar[c] = true;
    escapar['"'] = escapar['\\'] = true;
    return escapar;
}();

}  // namespace

void EscritorJson::chave(std::string_view nome) {
    separar();
    escreverTexto(nome);
    buffer_ += ':';
    depoisDaChave_ = true;
}

void EscritorJson::terminar() {
    buffer_ += '\n';
    descarregar();
}

void EscritorJson::abrir(char marca) {
    separar();
    buffer_ += marca;
    primeiro_.push_back(true);
}

void EscritorJson::fechar(char marca) {
    primeiro_.pop_back();
    buffer_ += marca;
    if (buffer_.size() >= kBloco) descarregar();
}

// A comma before every element but the first of its container, none after a key.
void EscritorJson::separar() {
    if (depoisDaChave_) {
        depoisDaChave_ = false;
        return;
    }
    if (primeiro_.empty()) return;
    if (!primeiro_.back()) buffer_ += ',';
    primeiro_.back() = false;
}

void EscritorJson::escreverNumero(long long numero) {
    char digitos[24];
    const auto fim = std::to_chars(digitos, digitos + sizeof digitos, numero).ptr;
    buffer_.append(digitos, fim);
}

void EscritorJson::escreverTexto(std::string_view texto) {
    buffer_ += '"';
    const char* p = texto.data();
    const char* const fim = p + texto.size();
    while (p != fim) {
        const char* const trecho = p;  // copied as it is, up to the next escape
        while (p != fim && !kEscapar[static_cast<unsigned char>(*p)]) ++p;
        buffer_.append(trecho, p);
        if (p != fim) escreverEscape(static_cast<unsigned char>(*p++));
    }
    buffer_ += '"';
}

void EscritorJson::escreverEscape(unsigned char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    buffer_ += '\\';
    if (const char curto = escapeCurto(c)) {
        buffer_ += curto;
    } else {
        buffer_ += "u00";
        buffer_ += kHex[c >> 4];
        buffer_ += kHex[c & 0xF];
    }
}

void EscritorJson::descarregar() {
    if (buffer_.empty()) return;
    saida_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

}  // namespace trovale::cli
