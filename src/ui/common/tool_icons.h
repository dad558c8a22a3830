#pragma once
// The tool buttons' pictures, painted here at 24 by 24 (and twice that for sharp high-DPI
// screens) so that no image file can go missing.

#include <QIcon>

namespace trovale {

enum class IconeFerramenta {
    Novo,
    Abrir,
    Acorde,
    Salvar,             // nothing to save
    SalvarModificado,   // changes waiting to be saved
    Modelo,
    Linhas,
    Visualizar,
    Imprimir,
    Pdf,
    Editar,
    Tom,
    Lixo,
    Lupa,
};

QIcon iconeFerramenta(IconeFerramenta qual);

}  // namespace trovale
