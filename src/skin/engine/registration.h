#pragma once
// Makes the engine's component classes known to the stored-layout reader.

namespace korvane {

// Registers TSkinStore and TSkinData (once; later calls do nothing). A
// program whose layouts hold skin components calls this before reading them.
void RegisterSkinClasses();

}  // namespace korvane
