#pragma once
// Makes the framework's component classes known to the stored-layout reader.

namespace korvane {

// Registers every control, form and component class of the framework
// (once; later calls do nothing). The application does this when made.
void RegisterFrameworkClasses();

}  // namespace korvane
