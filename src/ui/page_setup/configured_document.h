#pragma once
// What the page setup window needs of the song it configures: the document window
// implements it, tests fake it.

#include "render/sheet_painter.h"
#include "settings/page_layout.h"

namespace trovale {

class DocumentoConfigurado {
  public:
    virtual ~DocumentoConfigurado() = default;
    // The laid-out sheet, valid until the next aplicarLayout.
    virtual const SheetPaint& pintura() const = 0;
    // Screen dpi the sheet is laid out at.
    virtual int dpi() const = 0;
    virtual const PageLayout& layout() const = 0;
    // The document takes the layout (and the metrics for its orientation) and lays out again.
    virtual void aplicarLayout(const PageLayout& layout) = 0;
    // "Definir modelo de apresentação": the template window for this document; the page
    // window redraws after.
    virtual void abrirModelo() = 0;
};

}  // namespace trovale
