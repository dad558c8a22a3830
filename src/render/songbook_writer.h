#pragma once
// Where a songbook's song pages are printed: PrintPages begins and ends a painter of its own
// on the device it is given, which would start a new PDF. This device lends it the book's
// painter instead (Qt's shared painter), so the song lands on the book's current page.

#include <QPainter>
#include <QPdfWriter>

namespace trovale {

class PaginasDoCaderno : public QPdfWriter {
  public:
    // Both must outlive the device, and the book's painter must be painting on `livro`.
    PaginasDoCaderno(QPdfWriter& livro, QPainter& pintor);

    // Takes the size, orientation and resolution of the book's current page.
    void acompanharLivro();
    bool newPage() override;

  protected:
    QPainter* sharedPainter() const override { return &pintor_; }

  private:
    QPdfWriter& livro_;
    QPainter& pintor_;
};

}  // namespace trovale
