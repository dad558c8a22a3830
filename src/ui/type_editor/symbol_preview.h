#pragma once
// A chord type's symbol drawn on the root C, as the sheet will show it.

#include <QWidget>

#include "catalogue/chord_type.h"

namespace trovale {

class SymbolPreview : public QWidget {
  public:
    // An optional symbol without elements is not drawn: a standard one is the bare root.
    SymbolPreview(bool opcional, QWidget* parent = nullptr);

    void setCifra(const ElementosCifra& cifra);
    // Nothing drawn at all, as for a separator.
    void setVazia(bool vazia);
    const ElementosCifra& cifra() const { return cifra_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    ElementosCifra cifra_;
    bool opcional_;
    bool vazia_ = false;
};

}  // namespace trovale
