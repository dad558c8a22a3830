#pragma once
// trovale-cli diagram: one fingering drawn as its diagram, in a PNG file.

#include <QGuiApplication>
#include <QImage>
#include <memory>

#include "cli/command.h"

namespace trovale::cli {

Comando registrarDiagram(CLI::App& app);

// The drawing commands need a GUI application; without a display it runs offscreen.
// Nothing is created when one exists already.
std::unique_ptr<QGuiApplication> aplicacaoParaDesenho();

// Writes the image as a PNG file; a failure is reported on `erros`. Returns the exit status.
int gravarPng(const QImage& imagem, const std::string& caminho, std::ostream& erros);

}  // namespace trovale::cli
