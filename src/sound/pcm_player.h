#pragma once
// A recorded sound played through the system's audio by the same drivers as the built-in
// synthesizer. The audio thread pulls the samples; the caller never waits.

#include <memory>

#include "sound/pcm_sound.h"

namespace trovale {

class TocadorPcm {
  public:
    // Playing from the first sample; nothing when the sound is empty or no driver opens.
    static std::unique_ptr<TocadorPcm> tocar(SomPcm som);
    ~TocadorPcm();
    TocadorPcm(const TocadorPcm&) = delete;
    TocadorPcm& operator=(const TocadorPcm&) = delete;

    // Every sample has been handed to the driver (its buffer may still be sounding).
    bool entregue() const;

  private:
    struct Fluid;
    explicit TocadorPcm(std::unique_ptr<Fluid> fluid);
    std::unique_ptr<Fluid> fluid_;
};

}  // namespace trovale
