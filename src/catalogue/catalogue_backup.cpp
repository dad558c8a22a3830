#include "catalogue/catalogue_backup.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace trovale {

namespace {

namespace fs = std::filesystem;

// 1 January 1970 counted from 30 December 1899.
constexpr double kDiasAte1970 = 25569.0;
constexpr double kDiasAte1999 = 36500.0;  // 6 December 1999
constexpr double kSegundosPorDia = 86400.0;

void removerCopia(FileSystem& disco, const fs::path& copia) {
    try {
        disco.remove(copia);
    } catch (const FileSystemError&) {
    }
}

}  // namespace

double diasDesde1899() {
    using namespace std::chrono;
    const auto agora = system_clock::now();
    const std::time_t segundos = system_clock::to_time_t(agora);
    const double fracao = duration<double>(agora - system_clock::from_time_t(segundos)).count();
    const std::tm* convertido = std::localtime(&segundos);
    if (convertido == nullptr) return kDiasAte1970 + segundos / kSegundosPorDia;
    const std::tm local = *convertido;
    const sys_days data{year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday};
    const double horario = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fracao;
    return kDiasAte1970 + data.time_since_epoch().count() + horario / kSegundosPorDia;
}

long numeroCopia(double dias) {
    const double milesimos = std::floor((dias - kDiasAte1999) * 1000.0);
    return milesimos < 0 ? 0 : static_cast<long>(milesimos);
}

std::string nomeBaseCopia(long numero) {
    char nome[32];
    std::snprintf(nome, sizeof nome, "C%07ld", numero);
    return nome;
}

std::string CopiarCatalogo(const ArquivosCatalogo& arquivos, const RelogioDias& relogio) {
    FileSystem& disco = arquivos.fs;
    const fs::path pasta = arquivos.caminho(kPastaCopias);
    std::vector<fs::path> copias;  // the copies begun, to be removed on failure
    try {
        if (!disco.exists(pasta)) disco.createDirectory(pasta);
        long numero = numeroCopia(relogio());
        while (disco.exists(pasta / (nomeBaseCopia(numero) + ".DIG"))) ++numero;
        const std::string base = nomeBaseCopia(numero);
        copias.push_back(pasta / (base + ".DIG"));
        disco.copyFile(arquivos.caminho(kArquivoDigitacoes), copias.back());
        copias.push_back(pasta / (base + ".TIP"));
        disco.copyFile(arquivos.caminho(kArquivoTipos), copias.back());
        disco.setModificationTime(copias.front(), disco.modificationTime(copias.back()));
        return base;
    } catch (const FileSystemError&) {
        for (const fs::path& copia : copias) removerCopia(disco, copia);
        return {};
    }
}

}  // namespace trovale
