#pragma once
// Streams deflated as /FlateDecode reads them.

#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

struct z_stream_s;

namespace trovale::pdf {

// One deflater for all the streams of a file: its state is a quarter of a megabyte, too much
// to allocate and fault in again for every page.
class Compressor {
  public:
    Compressor();
    ~Compressor();
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;

    // The pieces, one after the other, as one zlib stream; valid until the next call. The
    // fastest level: files are made while the user waits, and drawings compress well anyway.
    std::string_view comprimir(std::initializer_list<std::string_view> pedacos);

  private:
    std::unique_ptr<z_stream_s> z_;
    std::vector<char> saida_;
};

}  // namespace trovale::pdf
