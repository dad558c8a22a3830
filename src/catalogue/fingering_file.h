#pragma once
// POSICOES.DIG: headerless 6-byte fingering records.

#include <string>
#include <string_view>

#include "catalogue/fingering_bank.h"
#include "catalogue/type_catalogue.h"

namespace trovale {

// Fills the bank from the file's bytes, dropping (and counting) records that are out of
// range, ill-formed or do not play their chord type; a trailing partial record is ignored.
void lerDigitacoes(std::string_view bytes, const CatalogoTipos& tipos, BancoDigitacoes& banco);

std::string escreverDigitacoes(const BancoDigitacoes& banco);

// Whether bytes can be a fingering file on their own, before the types are known: whole
// records, at least one, each with a root, a type number and frets in range.
bool arquivoDigitacoesIntegro(std::string_view bytes);

// Whether a stored record is in range, well formed and plays its own chord type.
bool registroConsistente(const TDigitacaoGravada& gravada, const CatalogoTipos& tipos);

}  // namespace trovale
