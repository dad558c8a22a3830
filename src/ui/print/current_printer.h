#pragma once
// The printer the program prints on: the system's default until the user picks another in
// the printer setup. Without any printer installed it is the no-printer A4 page.

#include <QString>
#include <memory>

#include "render/printer_metrics.h"

class QPrinter;
class QWidget;

namespace trovale {

class ImpressoraAtual {
  public:
    ImpressoraAtual();
    ~ImpressoraAtual();

    bool existe() const;
    // "" without a printer.
    QString nome() const;
    // The page in an orientation; the printer is turned to it.
    PageMetrics metricas(bool paisagem) const;
    // Null without a printer.
    QPrinter* impressora() const;
    // The platform's printer setup; true when the user confirmed it.
    bool configurar(QWidget* pai);

  private:
    QPrinter* obter() const;

    mutable std::unique_ptr<QPrinter> impressora_;
};

}  // namespace trovale
