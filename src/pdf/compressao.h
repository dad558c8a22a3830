#pragma once
// Streams deflated as /FlateDecode reads them.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct libdeflate_compressor;

namespace trovale::pdf {

// One deflater for all the streams of a file, so that its tables are made once.
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
    libdeflate_compressor* compressor_;
    std::string juntos_;  // the pieces joined, when there are several
    std::vector<char> saida_;
};

}  // namespace trovale::pdf
