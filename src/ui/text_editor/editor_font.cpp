#include "ui/text_editor/editor_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace trovale {

FonteEditor fonteDoCodigo(int codigo) {
    FonteEditor fonte;
    if (codigo < 0) return fonte;
    fonte.italico = codigo >= 1000;
    codigo %= 1000;
    fonte.negrito = codigo >= 100;
    codigo %= 100;
    if (codigo >= kTamanhoMinimo) fonte.tamanho = codigo;
    return fonte;
}

int codigoDaFonte(const FonteEditor& fonte) {
    return fonte.tamanho + (fonte.negrito ? 100 : 0) + (fonte.italico ? 1000 : 0);
}

QFont fonteMonoespacada(const FonteEditor& fonte) {
    static const QString familia = [] {
        const QString liberation = QStringLiteral("Liberation Mono");
        return QFontDatabase::families().contains(liberation)
                   ? liberation
                   : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    }();
    QFont f(familia);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(fonte.tamanho);
    f.setBold(fonte.negrito);
    f.setItalic(fonte.italico);
    return f;
}

}  // namespace trovale
