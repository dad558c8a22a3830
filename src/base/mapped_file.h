#pragma once
// A regular file's bytes mapped read-only: large files read only in part (fonts) are not
// copied into memory page by page, only the parts used are read.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace trovale {

class ArquivoMapeado {
  public:
    // Nothing for a folder, a device, an empty file or one larger than `limite`, or when the
    // file cannot be opened or mapped. Never throws.
    static std::optional<ArquivoMapeado> abrir(const std::filesystem::path& caminho,
                                               std::size_t limite);
    ~ArquivoMapeado();
    ArquivoMapeado(ArquivoMapeado&& outro) noexcept;
    ArquivoMapeado& operator=(ArquivoMapeado&& outro) noexcept;
    ArquivoMapeado(const ArquivoMapeado&) = delete;
    ArquivoMapeado& operator=(const ArquivoMapeado&) = delete;

    std::string_view bytes() const { return {static_cast<const char*>(inicio_), tamanho_}; }

  private:
    ArquivoMapeado(void* inicio, std::size_t tamanho) : inicio_(inicio), tamanho_(tamanho) {}
    void* inicio_ = nullptr;
    std::size_t tamanho_ = 0;
};

}  // namespace trovale
