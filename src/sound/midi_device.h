#pragma once
// What the output layer needs from the platform: the list of devices and one open device
// taking three-byte messages. The program uses the system's; the tests record.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace trovale {

// An open device. Destroying it resets it (every note off) and closes it.
class PortaMidi {
  public:
    virtual ~PortaMidi() = default;
    virtual void enviar(std::uint8_t status, std::uint8_t dado1, std::uint8_t dado2) = 0;
};

inline constexpr int kSaidaPadrao = -1;

enum class FalhaMidi {
    Indisponivel,  // the port is taken or gone, or the built-in synthesizer could not start
    SemAudio,      // the built-in synthesizer has no audio output to play through
};

// An open device, or why there is none.
struct AberturaMidi {
    std::unique_ptr<PortaMidi> porta;
    FalhaMidi falha = FalhaMidi::Indisponivel;  // without a port
};

class SistemaMidi {
  public:
    virtual ~SistemaMidi() = default;
    // The name shown for the default output.
    virtual std::string nomeSaidaPadrao() const = 0;
    // The output devices' names, empty for a device without one.
    virtual std::vector<std::string> dispositivos() = 0;
    // Device `id` (kSaidaPadrao or 0..count - 1) opened, or why it cannot be. Only one
    // device is open at a time.
    virtual AberturaMidi abrir(int id) = 0;
};

}  // namespace trovale
