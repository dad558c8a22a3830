#include "app/start_sound.h"

namespace trovale {

namespace {

constexpr int kIntervaloMs = 40;
// Closing the driver drops what it still holds, so the end is given time to sound.
constexpr int kFolgaMs = 300;

}  // namespace

SomInicial::SomInicial(QObject* parent) : QObject(parent) {
    verificador_.setInterval(kIntervaloMs);
    connect(&verificador_, &QTimer::timeout, this, &SomInicial::verificarFim);
}

SomInicial::~SomInicial() = default;

bool SomInicial::tocando() const {
    return tocador_ != nullptr;
}

bool SomInicial::tocar(const SomPcm& som) {
    verificador_.stop();
    tocador_ = TocadorPcm::tocar(som);
    if (!tocador_) return false;
    duracaoMs_ = som.duracaoMs();
    relogio_.start();
    verificador_.start();
    return true;
}

void SomInicial::verificarFim() {
    if (!tocador_ || !tocador_->entregue() || relogio_.elapsed() < duracaoMs_ + kFolgaMs) return;
    verificador_.stop();
    tocador_.reset();
}

}  // namespace trovale
