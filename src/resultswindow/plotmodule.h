#pragma once

#include <QString>

#include <variant>

class TrialPlotFactory;

// Finds and loads the plot module once per run: beside the program, or in the build tree where
// the tests run.
namespace PlotModule {

// The factory, or why the module could not be loaded.
std::variant<TrialPlotFactory *, QString> factory();

} // namespace PlotModule
