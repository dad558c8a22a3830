#pragma once
// The list of pages to print, as the print window reads it: numbers and ranges separated by
// blanks or commas ("1,3  5-8"); a range written downwards prints in reverse order.

#include <string>
#include <string_view>
#include <vector>

namespace trovale {

struct ListaPaginas {
    std::vector<int> paginas;  // in printing order, repetitions kept
    std::string erro;          // the message for the user (UTF-8); empty when readable
    bool valida() const { return erro.empty(); }
};

// Reads the list for a song of `totalPaginas` pages. "-5" means 1-5 and "5-" 5 to the last.
ListaPaginas lerListaPaginas(std::string_view texto, int totalPaginas);

// The most pages a list may ask for a song of `totalPaginas` pages (repetitions counted):
// ten times the song, at least 100 and at most 10 000, so that "1,1,1,..." cannot fill the
// memory or the disk.
int maximoDePaginas(int totalPaginas);

// The whole song: "1-" + the page count.
std::string listaTodas(int totalPaginas);

}  // namespace trovale
