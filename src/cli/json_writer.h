#pragma once
// JSON written straight to a stream, one line, as a tree's compact dump would print it: keys in
// the order written, UTF-8 kept as it is, control characters escaped. A 3000-line song then
// costs no tree of small allocations.

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace trovale::cli {

class EscritorJson {
  public:
    explicit EscritorJson(std::ostream& saida) : saida_(saida) {}
    ~EscritorJson() { descarregar(); }
    EscritorJson(const EscritorJson&) = delete;
    EscritorJson& operator=(const EscritorJson&) = delete;

    void abrirObjeto() { abrir('{'); }
    void fecharObjeto() { fechar('}'); }
    void abrirLista() { abrir('['); }
    void fecharLista() { fechar(']'); }
    void chave(std::string_view nome);

    // Texts must be UTF-8; numbers are integers.
    template <typename T>
    void valor(const T& v) {
        separar();
        if constexpr (std::same_as<T, bool>)
            buffer_ += v ? "true" : "false";
        else if constexpr (std::integral<T>)
            escreverNumero(static_cast<long long>(v));
        else
            escreverTexto(std::string_view(v));
    }
    template <typename T>
    void campo(std::string_view nome, const T& v) {
        chave(nome);
        valor(v);
    }

    // Ends the line and hands everything to the stream.
    void terminar();

  private:
    void abrir(char marca);
    void fechar(char marca);
    void separar();
    void escreverNumero(long long numero);
    void escreverTexto(std::string_view texto);
    void escreverEscape(unsigned char c);
    void descarregar();

    std::ostream& saida_;
    std::string buffer_;
    std::vector<bool> primeiro_;  // per open container: nothing written in it yet
    bool depoisDaChave_ = false;
};

}  // namespace trovale::cli
